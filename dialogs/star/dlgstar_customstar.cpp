// SPDX-License-Identifier: BSD-3-Clause
// CDlgStar: the star-image shapes: the built-in styles and the images of the custom star-image
// list in the engine's data folder, and the statements of the chosen shape.
#include "companions/zemcom/qelfile.h"
#include "dialogs/star/dlgstar.h"

using namespace std::string_view_literals;

// Each line of the list: the image file (relative to the list's folder), a tab, the display name
// (further tabs included). A line without a file or a name ends the list as unreadable; what was
// entered before it stays in the table.
BOOL CDlgStar::GetCustomStarInfo() {
    const CString folder = Query(L"info.module.datapath") + L"\\star\\customstar\\";
    CQelFile file;
    if (!file.Open(folder + L"customstar.txt", CQelFile::shareDenyNone, nullptr)) return FALSE;
    CString line;
    while (file.ReadString(line)) {
        const int tab = line.Find(L'\t');
        const CString name = tab < 0 ? line : line.Left(tab);
        if (name.IsEmpty()) return FALSE;
        const CString display = tab < 0 ? CString() : line.Mid(tab + 1);
        if (display.IsEmpty()) return FALSE;
        const CString path = folder + name;
        // The path goes into the script inside double quotes, and the engine knows no escape
        // there: a quote in it would end the value early and let the rest of the name run as
        // statements of its own. Such an entry is not offered.
        if (path.Find(L'"') >= 0) continue;
        m_mapCustomStar[path] = display;
    }
    return TRUE;
}

// The custom images are offered only when the whole list was read.
void CDlgStar::InitShapeList() {
    m_cmbShape.AddString(kRealShape);
    m_cmbShape.AddString(kBlurShape);
    if (m_bMiradoStyle) m_cmbShape.AddString(kMiradoShape);
    if (GetCustomStarInfo())
        for (const auto& [path, display] : m_mapCustomStar) m_cmbShape.AddString(display);

    const bool custom = Query(L"Star.Custom.Visible") == L"TRUE";
    const CString file = Query(L"Star.custom.file");
    const bool blur = Query(L"Star.Blur.Visible") == L"TRUE";
    const bool mirado = Query(L"Star.Mirado.Visible") == L"TRUE";
    if (mirado && m_bMiradoStyle) {
        m_nShape = FindShape(blur ? kBlurShape : kMiradoShape);
    } else if (blur) {
        m_nShape = FindShape(kBlurShape);
    } else if (custom) {
        // An image the list does not have searches the empty text, which finds the first entry.
        const auto entry = m_mapCustomStar.find(file);
        m_nShape = FindShape(entry == m_mapCustomStar.end() ? CString() : entry->second);
    }
    m_cmbShape.SetCurSel(m_nShape);
}

// The first entry that begins with text, without regard to case; CB_ERR when there is none.
int CDlgStar::FindShape(const CString& text) const {
    const int count = m_cmbShape.GetCount();
    CString entry;
    for (int i = 0; i < count; ++i) {
        m_cmbShape.GetLBText(i, entry);
        if (entry.Left(text.GetLength()).CompareNoCase(text) == 0) return i;
    }
    return CB_ERR;
}

// The statements of the chosen shape. Any entry but the built-in styles is a custom image: the
// file of the first table entry with that name (none when no entry has it), then custom images on.
// With no entry chosen (the engine's image is in a list that stopped) the text is empty: custom
// images stay on with the file the engine has.
void CDlgStar::AppendImageStyle(CString& s) {
    const std::wstring_view shape = m_cmbShape.ItemText(m_nShape);
    if (shape == kRealShape) {
        s += L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"sv;
    } else if (shape == kBlurShape) {
        s += L"Star.Blur.Visible = TRUE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"sv;
    } else if (shape == kMiradoShape) {
        s += L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = TRUE; Star.custom.visible = FALSE;"sv;
    } else {
        for (const auto& [path, display] : m_mapCustomStar) {
            if (display.str() == shape) {
                s += L"Star.custom.file = \""sv;
                s += path;
                s += L"\";"sv;
                break;
            }
        }
        s += L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = TRUE;"sv;
    }
}
