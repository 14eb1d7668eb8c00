// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/catalog.h"

#include <algorithm>
#include <cwctype>

#include "dialogs/constellation/dlgcons.h"
#include "dialogs/deepsky/dlgnbl.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "dialogs/overlay/dlgstargcvs.h"
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarnova.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "dialogs/overlay/dlgstarwds.h"
#include "dialogs/star/dlgstar.h"
#include "framework/module.h"

namespace zem::catalog {

namespace {

// Button styles (the low four bits).
constexpr DWORD kButtonType = 0x0F;
constexpr DWORD kCheckBox = 0x02, kAutoCheckBox = 0x03, kRadio = 0x04, kGroupBox = 0x07, kAutoRadio = 0x09;
// A static drawn by its owner hosts a deep-sky list.
constexpr DWORD kStaticType = 0x1F, kOwnerDraw = 0x0D;

const DialogTemplate* TemplateOf(const Dialog& dialog) {
    ModuleLoad();
    return AfxFindDialogTemplate(dialog.templateId);
}

const ControlTemplate* ControlOf(const DialogTemplate& t, UINT id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id) return &c;
    return nullptr;
}

bool SameAscii(std::wstring_view a, std::wstring_view b) {
    auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](wchar_t x, wchar_t y) { return lower(x) == lower(y); });
}

// The paths of a ';'-separated list, "%d" standing for 1 to count.
std::vector<std::wstring> Paths(const wchar_t* list, int count) {
    std::vector<std::wstring> paths;
    const std::wstring_view text = list ? list : L"";
    for (std::size_t begin = 0; begin < text.size();) {
        const std::size_t end = std::min(text.find(L';', begin), text.size());
        const std::wstring path(text.substr(begin, end - begin));
        const std::size_t number = path.find(L"%d");
        if (number == std::wstring::npos) {
            if (!path.empty()) paths.push_back(path);
        } else {
            for (int n = 1; n <= count; ++n)
                paths.push_back(path.substr(0, number) + std::to_wstring(n) + path.substr(number + 2));
        }
        begin = end + 1;
    }
    return paths;
}

// A dialog's entry, gathered control by control.
class Builder {
public:
    Builder(const wchar_t* className, UINT templateId) : dialog_{className, templateId, {}} {}

    void Add(UINT control, std::vector<std::wstring> reads, std::vector<std::wstring> writes) {
        Setting& s = At(control);
        for (auto& p : reads) AddPath(s.reads, std::move(p));
        for (auto& p : writes) AddPath(s.writes, std::move(p));
    }

    template <class D>
    void AddRows(SettingRows<D> rows) {
        auto read = [](const SettingRow<D>& r, const wchar_t* path) {
            return r.object ? std::wstring(r.object) + L"." + path : std::wstring(path);
        };
        for (const auto& r : rows) {
            std::vector<std::wstring> reads{read(r, r.read)}, writes{std::wstring(r.write)};
            if (r.read2) reads.push_back(read(r, r.read2));
            if (!r.write2.empty()) writes.emplace_back(r.write2);
            Add(r.control, std::move(reads), std::move(writes));
        }
    }

    template <class D>
    void AddNumbers(NumberRows<D> rows) {
        for (const auto& n : rows) Add(n.edit, {n.read}, {std::wstring(n.write)});
    }

    void AddLimit(const MagLimitTraits& t) {
        const std::wstring p = t.prefix;
        const std::vector<std::wstring> mode{p + L".AutoMagnitudeLimit", p + L".FixedMagnitudeLimit"};
        Add(t.limitCheck, mode, mode);
        Add(t.autoRadio, mode, mode);
        Add(t.maximum.edit, {p + L".FixedMagnitudeLimit.Maximum"}, {p + L".FixedMagnitudeLimit.Maximum"});
        Add(t.minimum.edit, {p + L".FixedMagnitudeLimit.Minimum"}, {p + L".FixedMagnitudeLimit.Minimum"});
    }

    void AddHand(HandSettings settings) {
        for (const HandSetting& h : settings) Add(h.control, Paths(h.reads, h.count), Paths(h.writes, h.count));
    }

    // In the template's order; the kinds from the template.
    Dialog Finish() {
        const DialogTemplate* t = TemplateOf(dialog_);
        auto position = [t](UINT id) {
            for (std::size_t i = 0; t && i < t->controls.size(); ++i)
                if (t->controls[i].id == id) return i;
            return static_cast<std::size_t>(-1);
        };
        for (Setting& s : dialog_.settings) {
            const ControlTemplate* c = t ? ControlOf(*t, s.control) : nullptr;
            s.kind = c ? KindOf(*c) : Kind::Static;
        }
        std::stable_sort(dialog_.settings.begin(), dialog_.settings.end(),
                         [&](const Setting& a, const Setting& b) { return position(a.control) < position(b.control); });
        return std::move(dialog_);
    }

private:
    Setting& At(UINT control) {
        for (Setting& s : dialog_.settings)
            if (s.control == control) return s;
        return dialog_.settings.emplace_back(Setting{control, Kind::Static, {}, {}});
    }
    static void AddPath(std::vector<std::wstring>& paths, std::wstring path) {
        for (const auto& p : paths)
            if (SameAscii(p, path)) return;
        paths.push_back(std::move(path));
    }

    Dialog dialog_;
};

template <class D>
UINT TemplateIdOf() {
    if constexpr (requires { D::Traits().dialog; }) return D::Traits().dialog.templateId;
    else return D::Traits().templateId;
}

template <class D>
Dialog Describe(const wchar_t* className) {
    Builder b(className, TemplateIdOf<D>());
    b.AddRows(D::Rows());
    if constexpr (requires { D::Numbers(); }) b.AddNumbers(D::Numbers());
    if constexpr (requires { D::Limit(); }) b.AddLimit(D::Limit());
    if constexpr (requires { D::HandSettings(); }) b.AddHand(D::HandSettings());
    return b.Finish();
}

// A control's own text as read: without "(&X)" and "&", and without blanks and a "：" at the end.
std::wstring Plain(const wchar_t* label) {
    std::wstring text = label ? label : L"";
    for (std::size_t at = text.find(L"(&"); at != std::wstring::npos; at = text.find(L"(&", at)) {
        if (at + 3 < text.size() && text[at + 3] == L')') text.erase(at, 4);
        else ++at;
    }
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') out += text[++i];
            continue;
        }
        out += text[i];
    }
    auto blank = [](wchar_t c) { return c == L' ' || c == L'\u3000' || c == L'\t'; };
    while (!out.empty() && (blank(out.back()) || out.back() == L'\uFF1A' || out.back() == L':')) out.pop_back();
    while (!out.empty() && blank(out.front())) out.erase(0, 1);
    return out;
}

// A text that names something: more than a mark such as "～".
bool Names(const std::wstring& text) {
    auto letter = [](wchar_t c) { return std::iswalnum(static_cast<wint_t>(c)) || c >= 0x3040; };
    return std::any_of(text.begin(), text.end(), letter) &&
           text != L"～";
}

// Where a control stands on screen; a drop-down list by its closed height.
struct Rect {
    int left, top, right, bottom;
    explicit Rect(const ControlTemplate& c)
        : left(c.x),
          top(c.y),
          right(c.x + c.cx),
          bottom(c.y + (c.wndClass == WndClass::ComboBox ? std::min<int>(c.cy, 14) : c.cy)) {}
    bool Holds(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    long long Area() const { return static_cast<long long>(right - left) * (bottom - top); }
};

// The innermost group box that holds a control's corner (null when none does).
const ControlTemplate* GroupOf(const DialogTemplate& t, const ControlTemplate& control) {
    const ControlTemplate* group = nullptr;
    for (const ControlTemplate& c : t.controls) {
        if (&c == &control || KindOf(c) != Kind::GroupBox || !Rect(c).Holds(control.x, control.y)) continue;
        if (!group || Rect(c).Area() < Rect(*group).Area()) group = &c;
    }
    return group;
}

// What labels a control without a text of its own: the nearest text on its left on its line, or
// else the nearest above it, among the labels, check boxes and radio buttons of its group box.
std::wstring Beside(const DialogTemplate& t, const ControlTemplate& control, bool above) {
    const Rect r(control);
    const ControlTemplate* group = GroupOf(t, control);
    const ControlTemplate* best = nullptr;
    int bestEdge = 0;
    for (const ControlTemplate& c : t.controls) {
        const Kind kind = KindOf(c);
        if (&c == &control || (kind != Kind::Static && kind != Kind::CheckBox && kind != Kind::RadioButton)) continue;
        if (!Names(Plain(c.label)) || GroupOf(t, c) != group) continue;
        const Rect o(c);
        const bool ok = above ? (o.bottom <= r.top + 2 && o.left < r.right && o.right > r.left)
                              : (o.right <= r.left + 2 && o.top < r.bottom && o.bottom > r.top);
        const int edge = above ? o.bottom : o.right;
        if (ok && (!best || edge > bestEdge)) best = &c, bestEdge = edge;
    }
    return best ? Plain(best->label) : std::wstring();
}

}  // namespace

Kind KindOf(const ControlTemplate& c) {
    switch (c.wndClass) {
        case WndClass::Button:
            switch (c.style & kButtonType) {
                case kCheckBox:
                case kAutoCheckBox: return Kind::CheckBox;
                case kRadio:
                case kAutoRadio: return Kind::RadioButton;
                case kGroupBox: return Kind::GroupBox;
                default: return Kind::PushButton;
            }
        case WndClass::Edit: return Kind::Edit;
        case WndClass::UpDown: return Kind::Spin;
        case WndClass::ComboBox: return Kind::ComboBox;
        case WndClass::ListBox: return Kind::ListBox;
        case WndClass::Static: return (c.style & kStaticType) == kOwnerDraw ? Kind::ListBox : Kind::Static;
    }
    return Kind::Static;
}

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::CheckBox: return "check box";
        case Kind::RadioButton: return "radio button";
        case Kind::PushButton: return "push button";
        case Kind::GroupBox: return "group box";
        case Kind::Edit: return "edit";
        case Kind::Spin: return "spin";
        case Kind::ComboBox: return "combo box";
        case Kind::ListBox: return "list box";
        case Kind::Static: return "static";
    }
    return "static";
}

const std::vector<Dialog>& Dialogs() {
    static const std::vector<Dialog> dialogs = {
        Describe<CDlgMw>(L"CDlgMw"),
        Describe<CDlgExoPlanet>(L"CDlgExoPlanet"),
        Describe<CDlgCons>(L"CDlgCons"),
        Describe<CDlgStar>(L"CDlgStar"),
        Describe<CDlgStarGsc>(L"CDlgStarGsc"),
        Describe<CDlgStarUsnoA20>(L"CDlgStarUsnoA20"),
        Describe<CDlgStarGcvs>(L"CDlgStarGcvs"),
        Describe<CDlgStarNova>(L"CDlgStarNova"),
        Describe<CDlgStarSNova>(L"CDlgStarSNova"),
        Describe<CDlgStarWds>(L"CDlgStarWds"),
        Describe<CDlgNbl>(L"CDlgNbl"),
    };
    return dialogs;
}

const Dialog* FindDialog(std::wstring_view className) {
    for (const Dialog& d : Dialogs())
        if (className == d.className) return &d;
    return nullptr;
}

const Setting* FindSetting(const Dialog& dialog, UINT control) {
    for (const Setting& s : dialog.settings)
        if (s.control == control) return &s;
    return nullptr;
}

std::wstring Title(const Dialog& dialog) {
    const DialogTemplate* t = TemplateOf(dialog);
    return t && t->title ? t->title : L"";
}

std::wstring Label(const Dialog& dialog, UINT control) {
    const DialogTemplate* t = TemplateOf(dialog);
    const ControlTemplate* c = t ? ControlOf(*t, control) : nullptr;
    if (!c) return {};
    const Kind kind = KindOf(*c);
    if (kind == Kind::GroupBox || kind == Kind::Static || kind == Kind::PushButton) return Plain(c->label);
    if (kind != Kind::Edit && kind != Kind::Spin) {
        std::wstring own = Plain(c->label);
        if (!own.empty()) return own;
    }
    const std::wstring left = Beside(*t, *c, false), above = Beside(*t, *c, true);
    // A box of a grid: its row's label and its column's caption.
    if (kind == Kind::CheckBox && !left.empty() && !above.empty()) return left + L" " + above;
    return left.empty() ? above : left;
}

std::vector<Place> WhoWrites(std::wstring_view property) {
    std::vector<Place> places;
    for (const Dialog& d : Dialogs())
        for (const Setting& s : d.settings)
            for (const std::wstring& w : s.writes)
                if (SameAscii(w, property)) {
                    places.push_back({&d, &s});
                    break;
                }
    return places;
}

}  // namespace zem::catalog
