// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/qeldialog.h"

#include <string_view>

#include "companions/zemcst/statements.h"
#include "platform/crt.h"

using namespace std::string_view_literals;

namespace {
CCorQel* g_defaultEngine = nullptr;
CCorQel* g_defaultEngine2 = nullptr;
CQelHelpService* g_help = nullptr;
}  // namespace

CQelHelpService::~CQelHelpService() = default;

CQelDialog::CQelDialog(CCorQel* engine, CCorQel* engine2, UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_pQel(engine), m_pQel2(engine2) {}

CQelDialog::CQelDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_pQel(g_defaultEngine), m_pQel2(g_defaultEngine2) {}

void CQelDialog::SetDefaultEngines(CCorQel* engine, CCorQel* engine2) {
    g_defaultEngine = engine;
    g_defaultEngine2 = engine2;
}

void CQelDialog::SetHelpService(CQelHelpService* service) { g_help = service; }

const CMessageMap& CQelDialog::ThisMessageMap() {
    using M = MessageMapOf<CQelDialog>;
    static const CMessageMap map(&CDialog::ThisMessageMap(), {
        M::OnBnClicked(ID_HELP, &CQelDialog::OnHelp),
    });
    return map;
}

const CMessageMap* CQelDialog::GetMessageMap() const { return &ThisMessageMap(); }

BOOL CQelDialog::OnInitDialog() { return CDialog::OnInitDialog(); }
void CQelDialog::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
void CQelDialog::AttachControls() {}

void CQelDialog::OnPaint() { CPaintDC dc(this); }

void CQelDialog::OnHelp() {
    if (g_help) g_help->ShowHelp(m_strHelpKey);
}

CString CQelDialog::GetScriptBool(const CString& path, BOOL value) {
    CString s;
    AppendScriptBool(s, path.str(), value);
    return s;
}

void CQelDialog::AppendScriptBool(CString& script, std::wstring_view path, BOOL value) {
    // Plain appending: every live change makes dozens of these (105 in the constellation script).
    script += path;
    script += value ? zem::Piece(zem::kIsTrue) : zem::Piece(zem::kIsFalse);
}

void CQelDialog::AppendScriptBool(CString& script, std::initializer_list<std::wstring_view> path, BOOL value) {
    for (std::wstring_view piece : path) script += piece;
    script += value ? zem::Piece(zem::kIsTrue) : zem::Piece(zem::kIsFalse);
}

void CQelDialog::AppendScriptVisible(CString& script, std::initializer_list<std::wstring_view> path, BOOL value) {
    for (std::wstring_view piece : path) script += piece;
    script += value ? zem::Piece(zem::kVisibleTrue) : zem::Piece(zem::kVisibleFalse);
}

void CQelDialog::AppendScriptValue(CString& script, std::initializer_list<std::wstring_view> path, double value) {
    for (std::wstring_view piece : path) script += piece;
    script += zem::Piece(zem::kIs);
    script.AppendFixed1(value);
    script += L';';
}

CString CQelDialog::GetScriptVisible(const CString& path, BOOL value) {
    CString s;
    AppendScriptVisible(s, {path.str()}, value);
    return s;
}

CString CQelDialog::GetScriptValue(const CString& path, double value) {
    CString s;
    AppendScriptValue(s, {path.str()}, value);
    return s;
}

BOOL CQelDialog::IsVisible(const CString& path) { return IsVisible({path.str()}); }
BOOL CQelDialog::IsVisible(std::initializer_list<std::wstring_view> path) {
    return QueryPath(path, L".Visible"sv) == L"TRUE";
}
BOOL CQelDialog::IsItBool(const CString& query) { return Doit(query) == L"TRUE"; }
double CQelDialog::GetDouble(CString path) { return crt::_wtof(Query(path)); }

CString CQelDialog::Doit(const wchar_t* script) { return m_pQel ? m_pQel->Doit(script) : CString(); }

CString CQelDialog::Query(const wchar_t* path) { return QueryPath({path ? path : L""}, {}); }
CString CQelDialog::Query(std::initializer_list<std::wstring_view> path) { return QueryPath(path, {}); }

CString CQelDialog::QueryPath(std::initializer_list<std::wstring_view> path, std::wstring_view suffix) {
    m_strQuery.Truncate(2);  // the "? " the buffer starts with
    for (std::wstring_view piece : path) m_strQuery += piece;
    m_strQuery += suffix;
    return Doit(m_strQuery);
}

BOOL CQelDialog::GetBool(const wchar_t* object, const wchar_t* path) {
    return m_pQel ? m_pQel->GetBool(CString(object), CString(path)) : FALSE;
}
