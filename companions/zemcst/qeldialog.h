// SPDX-License-Identifier: BSD-3-Clause
// CQelDialog: the base of every settings dialog. It keeps the two sky engines, serves Help with
// the dialog's help key, carries the theme flag, and makes the statements and queries of the
// property script.
#pragma once

#include <initializer_list>
#include <string_view>

#include "companions/zemqel/corqel.h"
#include "platform/dialog.h"

class ZEM_EXPORT CQelDialogBase {
public:
    virtual ~CQelDialogBase() = default;
};

// Where Help goes. The application installs one; without it Help does nothing.
class ZEM_EXPORT CQelHelpService {
public:
    virtual ~CQelHelpService();
    virtual void ShowHelp(const CString& helpKey) = 0;
};

class ZEM_EXPORT CQelDialog : public CDialog, public CQelDialogBase {
public:
    CQelDialog(CCorQel* engine, CCorQel* engine2, UINT templateId, CWnd* parent);
    // The engines are the application's default ones (SetDefaultEngines), null when it has none.
    CQelDialog(UINT templateId, CWnd* parent);

    static void SetDefaultEngines(CCorQel* engine, CCorQel* engine2);
    static void SetHelpService(CQelHelpService* service);

    CCorQel* GetEngine() const { return m_pQel; }
    CCorQel* GetEngine2() const { return m_pQel2; }
    const CString& GetHelpKey() const { return m_strHelpKey; }
    int GetThemeFlag() const { return m_nThemeFlag; }

    // Statements, each ending in ';' so that callers can join them with nothing between.
    CString GetScriptBool(const CString& path, BOOL value);
    CString GetScriptVisible(const CString& path, BOOL value);
    CString GetScriptValue(const CString& path, double value);
    // The same statements appended to script, with nothing made on the way; the path may come in
    // pieces, joined with nothing between.
    static void AppendScriptBool(CString& script, std::wstring_view path, BOOL value);
    static void AppendScriptBool(CString& script, std::initializer_list<std::wstring_view> path, BOOL value);
    static void AppendScriptVisible(CString& script, std::initializer_list<std::wstring_view> path, BOOL value);
    static void AppendScriptValue(CString& script, std::initializer_list<std::wstring_view> path, double value);

    // Queries. A path may come in pieces, joined with nothing between, into the dialog's one
    // query buffer: opening asks dozens to hundreds, and a joined path would be a new text each.
    BOOL IsVisible(const CString& path);
    BOOL IsVisible(std::initializer_list<std::wstring_view> path);
    BOOL IsItBool(const CString& query);
    double GetDouble(CString path);

    // The engine's Doit; without an engine nothing is sent and every answer is empty.
    CString Doit(const wchar_t* script);
    // The answer to "? path".
    CString Query(const wchar_t* path);
    CString Query(const CString& path) { return Query({path.str()}); }
    CString Query(std::initializer_list<std::wstring_view> path);
    // The engine's GetBool; FALSE without an engine.
    BOOL GetBool(const wchar_t* object, const wchar_t* path);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;
    static const CMessageMap& ThisMessageMap();

protected:
    virtual void AttachControls();
    void OnPaint();
    void OnHelp();

    CCorQel* m_pQel;
    CCorQel* m_pQel2;
    CString m_strHelpKey;
    // Nonzero while the desktop draws themed controls; 0 headless.
    int m_nThemeFlag = 0;

private:
    // "? " + path + suffix, sent.
    CString QueryPath(std::initializer_list<std::wstring_view> path, std::wstring_view suffix);

    CString m_strQuery = L"? ";
};
