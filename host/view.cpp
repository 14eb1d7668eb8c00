// SPDX-License-Identifier: BSD-3-Clause
#include "host/view.h"

#include <algorithm>
#include <vector>

#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"

namespace {

DWORD Kind(HWND w) { return w->style & BS_TYPEMASK; }
bool IsCheck(HWND w) {
    const DWORD k = Kind(w);
    return w->wndClass == WndClass::Button && (k == BS_CHECKBOX || k == BS_AUTOCHECKBOX || k == BS_3STATE || k == BS_AUTO3STATE);
}
bool IsRadio(HWND w) {
    return w->wndClass == WndClass::Button && (Kind(w) == BS_RADIOBUTTON || Kind(w) == BS_AUTORADIOBUTTON);
}
bool IsGroup(HWND w) { return w->wndClass == WndClass::Button && Kind(w) == BS_GROUPBOX; }

CQelListBoxCheck* CheckList(HWND w) { return dynamic_cast<CQelListBoxCheck*>(w->attached); }
CQelListBoxAObj* CellList(HWND w) { return dynamic_cast<CQelListBoxAObj*>(w->attached); }

std::wstring Join(const std::vector<std::wstring>& parts, const wchar_t* separator) {
    std::wstring out;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? separator : L"") + parts[i];
    return out;
}

// The label as drawn: "&" marks the access key, "&&" is a plain "&".
std::wstring Label(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

std::vector<std::wstring> Ticked(const CQelListBoxCheck& list) {
    std::vector<std::wstring> ticked;
    const auto& checks = list.GetChecks();
    for (std::size_t i = 0; i < checks.size(); ++i)
        if (checks[i]) ticked.push_back(std::to_wstring(i));
    return ticked;
}

}  // namespace

std::wstring DescribeControl(HWND w) {
    std::wstring s = std::to_wstring(w->id);
    if (IsCheck(w) || IsRadio(w)) {
        s += w->check == BST_CHECKED ? L" checked" : w->check == BST_UNCHECKED ? L" unchecked" : L" indeterminate";
    } else if (w->wndClass == WndClass::Edit) {
        s += L" text=\"" + w->text + L"\"";
    } else if (w->wndClass == WndClass::ComboBox) {
        s += L" sel=" + std::to_wstring(w->curSel) + L" items=\"" + Join(w->items, L"|") + L"\"";
    } else if (CQelListBoxCheck* list = CheckList(w)) {
        const auto ticked = Ticked(*list);
        s += L" ticked=" + (ticked.empty() ? std::wstring(L"-") : Join(ticked, L","));
    } else if (CQelListBoxAObj* list = CellList(w)) {
        std::vector<std::wstring> rows;
        for (const auto& row : list->Draw()) rows.push_back(std::to_wstring(row.nCheck) + L":" + row.strText.str());
        s += L" rows=\"" + Join(rows, L"|") + L"\"";
    }
    s += w->enabled ? L" enabled" : L" disabled";
    return s;
}

namespace {

bool IsWide(wchar_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

// A grid of terminal cells; a wide character takes two.
class Canvas {
public:
    Canvas(int columns, int rows) : columns_(columns), cells_(static_cast<std::size_t>(rows), std::wstring(static_cast<std::size_t>(columns), L' ')) {}

    // Writes text from (x, y), clipped at limit columns.
    void Put(int x, int y, const std::wstring& text, int limit = 1 << 20) {
        if (y < 0 || y >= static_cast<int>(cells_.size())) return;
        int col = x;
        for (wchar_t c : text) {
            const int width = IsWide(c) ? 2 : 1;
            if (col < 0 || col + width > columns_ || col + width > x + limit) break;
            auto& row = cells_[static_cast<std::size_t>(y)];
            row[static_cast<std::size_t>(col)] = c;
            if (width == 2) row[static_cast<std::size_t>(col + 1)] = kFiller;
            col += width;
        }
    }

    std::wstring Text() const {
        std::wstring out;
        for (const auto& row : cells_) {
            std::wstring line;
            for (wchar_t c : row)
                if (c != kFiller) line += c;
            while (!line.empty() && line.back() == L' ') line.pop_back();
            out += line + L"\n";
        }
        while (out.size() >= 2 && out[out.size() - 1] == L'\n' && out[out.size() - 2] == L'\n') out.pop_back();
        return out;
    }

private:
    static constexpr wchar_t kFiller = L'\x1F';
    int columns_;
    std::vector<std::wstring> cells_;
};

}  // namespace

std::wstring RenderDialog(HWND dialog) {
    if (!dialog) return L"";
    const int columns = std::max(1, (dialog->cx + 3) / 4);
    const int rows = std::max(1, (dialog->cy + 7) / 8);
    Canvas canvas(columns, rows);
    // Frames first, so that what sits on their edges is drawn over them.
    for (const auto& child : dialog->children) {
        HWND w = child;
        if (!IsGroup(w)) continue;
        const int x = w->x / 4, y = w->y / 8, width = std::max(2, w->cx / 4), bottom = (w->y + w->cy - 1) / 8;
        canvas.Put(x, y, L"+" + std::wstring(static_cast<std::size_t>(width - 2), L'-') + L"+");
        canvas.Put(x + 2, y, Label(w->text), width - 4);
        for (int r = y + 1; r < bottom; ++r) {
            canvas.Put(x, r, L"|");
            canvas.Put(x + width - 1, r, L"|");
        }
        canvas.Put(x, bottom, L"+" + std::wstring(static_cast<std::size_t>(width - 2), L'-') + L"+");
    }
    for (const auto& child : dialog->children) {
        HWND w = child;
        if (IsGroup(w)) continue;
        const int x = w->x / 4, y = w->y / 8, width = std::max(1, w->cx / 4);
        const std::wstring off = w->enabled ? L"" : L"~";
        std::wstring text;
        if (IsCheck(w)) text = off + (w->check ? L"[x] " : L"[ ] ") + Label(w->text);
        else if (IsRadio(w)) text = off + (w->check ? L"(*) " : L"( ) ") + Label(w->text);
        else if (w->wndClass == WndClass::Button) text = off + L"[" + Label(w->text) + L"]";
        else if (w->wndClass == WndClass::Edit) text = off + L"[" + w->text + std::wstring(static_cast<std::size_t>(std::max(0, width - 2 - static_cast<int>(w->text.size()))), L'_') + L"]";
        else if (w->wndClass == WndClass::UpDown) text = off + L"^v";
        else if (w->wndClass == WndClass::ComboBox) {
            const std::wstring sel = w->curSel >= 0 && w->curSel < static_cast<int>(w->items.size()) ? w->items[static_cast<std::size_t>(w->curSel)] : L"";
            text = off + L"[" + sel + L" v]";
        } else if (CQelListBoxCheck* list = CheckList(w)) {
            const int height = std::max(1, w->cy / 8);
            const int first = std::clamp(w->caret - height + 1, 0, std::max(0, static_cast<int>(w->items.size()) - height));
            for (int r = 0; r < height && first + r < static_cast<int>(w->items.size()); ++r)
                canvas.Put(x, y + r, off + (list->GetCheck(first + r) ? L"[x] " : L"[ ] ") + w->items[static_cast<std::size_t>(first + r)], width);
            continue;
        } else if (CQelListBoxAObj* cells = CellList(w)) {
            const int height = std::max(1, w->cy / 8);
            const auto drawn = cells->Draw();
            for (int r = 0; r < height && r < static_cast<int>(drawn.size()); ++r)
                canvas.Put(x, y + r, off + (drawn[static_cast<std::size_t>(r)].nCheck ? L"[x] " : L"[ ] ") + drawn[static_cast<std::size_t>(r)].strText.str(), width);
            continue;
        } else text = off + Label(w->text);
        // A box's glyph comes before its label; a label may run a little past its rectangle.
        canvas.Put(x, y, text, (IsCheck(w) || IsRadio(w)) ? width + 4 : width + 1);
    }
    return L"== " + dialog->text + L" ==\n" + canvas.Text();
}
