// SPDX-License-Identifier: BSD-3-Clause
#include "monkey/monkey.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include <unistd.h>

#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "companions/zemdcm/cnspic.h"
#include "companions/zemqel/corqelrecorder.h"
#include "companions/zemreg/registry.h"
#include "framework/hostguard.h"
#include "framework/settingsdialog.h"
#include "host/classes.h"
#include "host/controlsymbols.h"
#include "host/services.h"
#include "host/transcript.h"
#include "platform/crt.h"
#include "platform/input.h"
#include "scratch.h"

namespace monkey {

namespace {

const CString kDataDir = CString(zem::FromUtf8(ZEM_DATA_DIR));

std::wstring Lower(std::wstring s) {
    for (auto& c : s)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return s;
}

// The assignments of a script as the engine stores them, by lowered path.
std::map<std::wstring, std::wstring> Assignments(const CString& script) {
    CCorQel scratch;
    scratch.LoadState(script);
    std::map<std::wstring, std::wstring> values;
    for (const auto& [path, value] : scratch.GetProperties()) values[Lower(path.str())] = value.str();
    return values;
}

// Whether both of the dialogs' number readers take text whole.
bool Readable(const std::wstring& text) {
    double value = 0;
    wchar_t* end = nullptr;
    crt::wcstod(text.c_str(), &end);
    return AfxSimpleFloatParse(text.c_str(), value) && end && *end == L'\0';
}

// The bounds, in tenths, that a spin keeps its edit within when it writes it.
struct SpinBounds {
    UINT edit;
    long long lower, upper;
};
const std::map<UINT, SpinBounds>& KnownSpins() {
    static const std::map<UINT, SpinBounds> spins = {
        {1307, {1306, 1, 50}},                                          // Milky Way brightness
        {1811, {1810, -60, 300}}, {1814, {1813, -60, 300}},             // variable stars
        {1711, {1710, -20, 300}}, {1714, {1713, -20, 300}},             // double stars
        {1910, {1909, -200, 300}}, {1916, {1915, -20, 300}}, {1919, {1918, -20, 300}},  // novae
        {2010, {2009, -200, 300}}, {2016, {2015, -20, 300}}, {2019, {2018, -20, 300}},  // supernovae
        {1006, {1005, -60, LLONG_MAX}}, {1010, {1009, -60, LLONG_MAX}}, {1013, {1012, -60, LLONG_MAX}},  // stars
        {1035, {1034, -60, LLONG_MAX}}, {1040, {1039, -60, LLONG_MAX}},
        {1018, {1017, 1, 100}}, {1024, {1023, 1, 10}}, {1045, {1044, 10, 999990}},
        {1215, {1214, -20, 180}}, {1218, {1217, -20, 180}}, {1226, {1225, 1, 10}},  // deep sky
        {1236, {1235, -20, 260}}, {1239, {1238, -20, 260}},
    };
    return spins;
}

bool IsParseMessage(const std::wstring& line) {
    return line.rfind(L"M ", 0) == 0 &&
           (line.find(L"数値を入力してください。") != std::wstring::npos || line.find(L"整数を入力してください。") != std::wstring::npos);
}

// ---- random material ------------------------------------------------------------------------

template <class T>
const T& Pick(std::mt19937_64& rng, const std::vector<T>& items) {
    return items[static_cast<std::size_t>(rng() % items.size())];
}

int Below(std::mt19937_64& rng, int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; }

std::wstring RandomNumber(std::mt19937_64& rng) {
    const double v = (static_cast<double>(rng() % 800001) - 400000.0) / std::pow(10.0, Below(rng, 5));
    return zem::Format(Pick(rng, std::vector<std::wstring>{L"%.0f", L"%.1f", L"%.2f", L"%.3f"}).c_str(), v);
}

// What an engine may answer: booleans in any case, numbers of every kind, words, long text.
std::wstring RandomValue(std::mt19937_64& rng) {
    static const std::vector<std::wstring> values = {
        L"", L"TRUE", L"FALSE", L"true", L"True", L"1", L"0", L"-0.04", L"1e300", L"-1e300", L"nan", L"inf", L"-inf",
        L"abc", L"12345678901234567890", L"8.0", L"14.2", L"-7", L"0.05", L"99", L"Hipparcos", L"GSCACT", L"TYCHO",
        L"TYCHO2", L"USNOA20", L"2", L"5", L"9", L"-1", L"Star.Xno12", L"Horizon", L"ほげ", L"1e-400", L"0x1p3",
        std::wstring(300, L'x'),
    };
    return Below(rng, 3) == 0 ? RandomNumber(rng) : Pick(rng, values);
}

// What a person may type into an edit.
std::wstring RandomText(std::mt19937_64& rng) {
    static const std::vector<std::wstring> texts = {
        L"8.0", L"-0.0", L"-0", L"1e5", L"abc", L"-", L".", L"99.9", L"1,5", L"nan", L"inf", L"14.1", L"-6.1",
        L"0.05", L"5", L"10", L"0x1p3", L"1e-400", L"0.", L"+.5", L"２", L"12345678", L"-99999",
    };
    return Below(rng, 3) == 0 ? RandomNumber(rng) : Pick(rng, texts);
}

std::wstring RandomName(std::mt19937_64& rng) {
    static const std::vector<std::wstring> names = {L"標準", L"星図", L"a", L"x y", L"名前;", L"long" + std::wstring(80, L'n'), L"\u3000"};
    return Pick(rng, names);
}

std::vector<std::wstring> RandomCustomStars(std::mt19937_64& rng) {
    // File, tab, display name; duplicates, missing files, stray tabs, quotes and a stopping line.
    static const std::vector<std::wstring> lines = {
        L"ring.png\tリング", L"cross.png\t十字", L"diamond.png\tダイヤ", L"ring.png\tリング", L"none.png\tなし",
        L"x.png\t\tタブ", L"no tab", L"q\"uote.png\t引用", L"only.png\t", L"\t名前", L"ring.png\tMIRADOファンタジー",
    };
    std::vector<std::wstring> list;
    for (int n = Below(rng, 6); n > 0; --n) list.push_back(Pick(rng, lines));
    return list;
}

}  // namespace

// ---- scenario lines ------------------------------------------------------------------------

std::wstring Line(const Action& a) {
    const std::wstring id = ControlWord(a.id);
    switch (a.kind) {
        case Action::Click: return L"click " + id;
        case Action::Type: return L"type " + id + L" " + a.text;
        case Action::Append: return L"append " + id + L" " + a.text;
        case Action::Backspace: return L"backspace " + id + L" " + std::to_wstring(a.n);
        case Action::Clear: return L"clear " + id;
        case Action::Paste: return L"paste " + id + L" " + a.text;
        case Action::Spin: return L"spin " + id + (a.up ? L" up " : L" down ") + std::to_wstring(a.n);
        case Action::SpinRaw: return L"spinraw " + id + L" " + std::to_wstring(a.n);
        case Action::Select: return L"select " + id + L" " + std::to_wstring(a.n);
        case Action::Tick: return L"tick " + id + L" " + std::to_wstring(a.n);
        case Action::Cell: return L"cell " + id + L" " + std::to_wstring(a.n) + L" " + std::to_wstring(a.column);
        case Action::Ok: return L"ok";
        case Action::Cancel: return L"cancel";
        case Action::Close: return L"close";
        case Action::Help: return L"help";
    }
    return L"";
}

std::wstring ScenarioText(const World& w, const std::vector<Action>& actions) {
    std::wstring s;
    if (w.miradoRegistry) s += L"registry Default Star.Mirado.Visible " + *w.miradoRegistry + L"\n";
    if (w.picsets) {
        s += L"picsets clear\n";
        for (const auto& [name, file] : *w.picsets) s += L"picset " + name + L" | " + file + L"\n";
    }
    if (w.customStars) {
        s += L"file star/customstar/customstar.txt\n";
        for (std::wstring line : *w.customStars) {
            for (std::size_t at = line.find(L'\t'); at != std::wstring::npos; at = line.find(L'\t', at + 2)) line.replace(at, 1, L"\\t");
            s += line + L"\n";
        }
        s += L"end\n";
    }
    for (const auto& [path, value] : w.engine)
        s += L"engine " + path + L" = " + (value.find(L';') != std::wstring::npos ? L"\"" + value + L"\"" : value) + L";\n";
    s += L"open " + w.dialog + (w.mirado && w.dialog == L"CDlgStar" ? L" mirado=1" : L"") +
         (!w.pgc && w.dialog == L"CDlgNbl" ? L" pgc=0" : L"") + L"\n";
    for (const auto& a : actions) s += Line(a) + L"\n";
    return s;
}

// ---- the dialogs and what they read ----------------------------------------------------------

const std::vector<std::wstring>& DialogNames() { return ModuleClassNames(); }

const std::vector<std::wstring>& ReadPaths() {
    static const std::vector<std::wstring> paths = [] {
        std::set<std::wstring> seen;
        std::vector<std::wstring> all;
        for (const auto& name : DialogNames()) {
            CCorQel engine, engine2;
            engine.LoadStateFile(kDataDir + L"/sky/default.qel");
            engine.SetDataPath(kDataDir);
            CCorQelRecorder traffic;
            engine.SetListener(&traffic);
            struct Closer : CModalPerson {
                void Run(CDialog& d) override { input::Close(d); }
            } closer;
            {
                zem::HostGuard host({.person = &closer, .engine = &engine, .engine2 = &engine2});
                OpenOptions options{&engine, &engine2, nullptr, false, 1, 0};
                if (auto dialog = FindDialogClass(name)->make(options)) dialog->DoModal();
            }
            for (const CCorQelRecorder::Event& e : traffic.Events()) {
                std::wstring p;
                if (e.kind == CCorQelRecorder::Kind::Query) p = e.text.substr(2);  // after "? "
                else if (e.kind == CCorQelRecorder::Kind::GetBool) p = std::wstring(e.text) + L"." + std::wstring(e.answer);
                else continue;
                if (Lower(p) != L"info.module.datapath" && seen.insert(Lower(p)).second) all.push_back(p);
            }
        }
        return all;
    }();
    return paths;
}

World RandomWorld(std::mt19937_64& rng) {
    World w;
    w.dialog = Pick(rng, DialogNames());
    w.mirado = Below(rng, 2) == 0;
    w.pgc = Below(rng, 2) == 0;
    const auto& paths = ReadPaths();
    switch (Below(rng, 4)) {
        case 0: break;  // the default sky as it is
        case 1:         // every property the dialogs read, empty
            for (const auto& p : paths) w.engine.emplace_back(p, L"");
            break;
        default:
            for (const auto& p : paths)
                if (Below(rng, 6) == 0) w.engine.emplace_back(p, RandomValue(rng));
            break;
    }
    if (Below(rng, 3) == 0) w.miradoRegistry = Pick(rng, std::vector<std::wstring>{L"TRUE", L"true", L"FALSE", L"x"});
    if (Below(rng, 4) == 0) {
        std::vector<std::pair<std::wstring, std::wstring>> sets;
        for (int n = Below(rng, 4); n > 0; --n) sets.emplace_back(RandomName(rng), RandomName(rng) + L".png");
        w.picsets = sets;
    }
    if (Below(rng, 3) == 0) w.customStars = RandomCustomStars(rng);
    return w;
}

// ---- playing -------------------------------------------------------------------------------

namespace {

class Player : public CModalPerson, public CWndObserver, public CInvalidArgReport, public CCorQelListener {
public:
    Player(const World& world, std::vector<Action>& actions, std::mt19937_64* rng, std::size_t maxActions)
        : world_(world), actions_(actions), rng_(rng), max_(maxActions) {}

    Outcome Play() {
        PrepareWorld();
        {
            Transcript out([this](const std::wstring& line) { OnLine(line); });
            HostServices services(out);
            HostWindow main(out, L"main"), parent(out, L"parent");
            zem::HostGuard host({.mainWindow = &main, .person = this, .engine = &engine_, .engine2 = &engine2_});
            AfxSetInvalidArgReport(this);
            AfxAddWndObserver(this);
            engine_.SetListener(this);
            try {
                OpenOptions options{&engine_, &engine2_, &parent, false, world_.pgc ? 1 : 0, world_.mirado ? 1 : 0};
                if (auto dialog = FindDialogClass(world_.dialog)->make(options)) dialog->DoModal();
            } catch (...) {
                Fail("exception", "an exception left the dialog");
            }
            engine_.SetListener(nullptr);
            AfxRemoveWndObserver(this);
            AfxSetInvalidArgReport(nullptr);
        }
        CCnsPic::RestoreShippedList();
        CRegistry::Clear();
        folder_.reset();
        return {finding_, count_};
    }

    void OnBegin(CDialog& dialog) override {
        sessions_.push_back({&dialog, {}});
        openMark_ = events_.size();
    }

    void Run(CDialog& dialog) override {
        // What the dialog sent while opening.
        CheckScripts(openMark_, Action::Click, &dialog);
        while (!dialog.HasEnded() && !finding_) {
            Action a;
            if (rng_) {
                if (count_ >= max_) break;
                a = Generate(dialog);
                actions_.push_back(a);
            } else {
                if (next_ >= actions_.size()) break;
                a = actions_[next_++];
            }
            ++count_;
            Act(dialog, a);
        }
        // Dialogs still open at the end are closed as by the close box, as the host does.
        if (!dialog.HasEnded() && !finding_) {
            Action close;
            close.kind = Action::Close;
            Act(dialog, close);
        }
    }

    void OnEnd(CDialog& dialog, INT_PTR result) override {
        Session session = std::move(sessions_.back());
        sessions_.pop_back();
        auto* settings = dynamic_cast<CSettingsDialog*>(&dialog);
        if (!settings) return;
        ended_.push_back(settings->GetUndoScript().str());
        if (result != IDCANCEL || finding_ || settings->GetUndoScript().IsEmpty()) return;
        // Cancel gives back every property the dialog wrote, as its undo script has it.
        const auto undo = Assignments(settings->GetUndoScript());
        for (const auto& path : session.written) {
            const auto it = undo.find(path);
            if (it == undo.end()) continue;
            const std::wstring now = engine_.Peek(CString(path)).str();
            if (now != it->second) {
                Fail("cancel-restores", zem::ToUtf8(path + L" is " + now + L", was " + it->second));
                return;
            }
        }
    }

    void OnWndChanged(HWND window, WndChange change) override {
        if (change != WndChange::Text || !window || window->wndClass != WndClass::Edit) return;
        person_[window] = window == armed_;
        if (window == armed_) armed_ = nullptr;
    }

    void OnInvalidArg(const char* where) override { Fail("no-invalid-arg", where ? where : "?"); }

    void OnQuery(const CString&, const CString&) override {}
    void OnRedraw() override {}
    void OnScript(const CString& script) override {
        events_.push_back(L"S " + script.str());
        if (sessions_.empty()) return;
        for (const auto& [path, value] : Assignments(script)) sessions_.back().written.insert(path);
    }

private:
    struct Session {
        CDialog* dialog;
        std::set<std::wstring> written;  // lowered paths the dialog's scripts assigned
    };

    void PrepareWorld() {
        engine_.LoadStateFile(kDataDir + L"/sky/default.qel");
        engine_.SetDataPath(kDataDir);
        for (const auto& [path, value] : world_.engine) engine_.Set(CString(path), CString(value));
        CRegistry::Clear();
        if (world_.miradoRegistry) CRegistry::Write(L"Default", L"Star.Mirado.Visible", CString(*world_.miradoRegistry));
        CCnsPic::RestoreShippedList();
        if (world_.picsets) {
            CCnsPic::ClearList();
            for (const auto& [name, file] : *world_.picsets) CCnsPic::AddSet(CString(name), CString(file));
        }
        if (world_.customStars) {
            std::string list;
            for (const auto& line : *world_.customStars) list += zem::ToUtf8(line) + "\n";
            folder_.emplace().Write("star/customstar/customstar.txt", list);
            engine_.SetDataPath(CString(folder_->Name()));
        }
    }

    void OnLine(const std::wstring& line) {
        events_.push_back(line);
        if (IsParseMessage(line) && !finding_ && !PersonTextUnreadable())
            Fail("own-text", "the framework refused a number the dialog wrote itself");
    }

    // Whether an edit of an open dialog holds text a person typed that a reader refuses.
    bool PersonTextUnreadable() const {
        for (const auto& s : sessions_) {
            if (!s.dialog->m_hWnd) continue;
            for (const auto& c : s.dialog->m_hWnd->children) {
                const auto it = person_.find(c);
                if (it != person_.end() && it->second && !Readable(c->text)) return true;
            }
        }
        return false;
    }

    HWND Control(CDialog& dialog, UINT id) { return dialog.m_hWnd ? AfxFindChild(dialog.m_hWnd, id) : nullptr; }

    // One keystroke (or paste, clear, backspace) of a person on an edit.
    template <class F>
    void Key(CDialog& dialog, UINT id, F keystroke) {
        HWND edit = Control(dialog, id);
        if (dialog.HasEnded() || !edit || !edit->enabled) return;
        armed_ = edit;
        keystroke();
        armed_ = nullptr;
    }

    void Act(CDialog& dialog, const Action& a) {
        const std::size_t mark = events_.size();
        ended_.clear();
        std::wstring before;
        const auto spin = KnownSpins().find(a.id);
        const bool spinning = (a.kind == Action::Spin || a.kind == Action::SpinRaw) && spin != KnownSpins().end();
        if (spinning)
            if (HWND edit = Control(dialog, spin->second.edit)) before = edit->text;
        switch (a.kind) {
            case Action::Click: input::Click(dialog, a.id); break;
            case Action::Type:
            case Action::Append:
                for (std::size_t i = 0; i < a.text.size(); ++i) {
                    const std::wstring_view key(&a.text[i], 1);
                    Key(dialog, a.id, [&] {
                        if (i == 0 && a.kind == Action::Type) input::Type(dialog, a.id, key);
                        else input::Append(dialog, a.id, key);
                    });
                }
                break;
            case Action::Backspace:
                for (long long i = 0; i < a.n; ++i) Key(dialog, a.id, [&] { input::Backspace(dialog, a.id, 1); });
                break;
            case Action::Clear: Key(dialog, a.id, [&] { input::Clear(dialog, a.id); }); break;
            case Action::Paste: Key(dialog, a.id, [&] { input::Paste(dialog, a.id, a.text); }); break;
            case Action::Spin: input::Spin(dialog, a.id, a.up, static_cast<int>(a.n)); break;
            case Action::SpinRaw: input::SpinRaw(dialog, a.id, static_cast<int>(a.n)); break;
            case Action::Select: input::Select(dialog, a.id, static_cast<int>(a.n)); break;
            case Action::Tick: input::Tick(dialog, a.id, static_cast<int>(a.n)); break;
            case Action::Cell: input::Cell(dialog, a.id, static_cast<int>(a.n), a.column); break;
            case Action::Ok: input::Click(dialog, IDOK); break;
            case Action::Cancel: input::Click(dialog, IDCANCEL); break;
            case Action::Close: input::Close(dialog); break;
            case Action::Help: input::Click(dialog, ID_HELP); break;
        }
        if (finding_) return;
        CheckScripts(mark, a.kind, &dialog);
        if (spinning && !finding_ && !dialog.HasEnded())
            if (HWND edit = Control(dialog, spin->second.edit); edit && edit->text != before) {
                const long long tenths = std::llround(crt::_wtof(edit->text.c_str()) * 10.0);
                if (tenths < spin->second.lower || tenths > spin->second.upper)
                    Fail("spin-bounds", zem::ToUtf8(L"spin " + std::to_wstring(a.id) + L" wrote " + edit->text));
            }
    }

    // Every live script ends with ";Show Sky" (the constellation dialog: its script, 2066, then
    // ";Show Sky" alone); the only other script is an undo script, on Cancel or the close box.
    void CheckScripts(std::size_t mark, Action::Kind kind, CDialog* dialog) {
        if (!dialog) return;
        const bool cancelling = kind == Action::Cancel || kind == Action::Close;
        // A nested dialog's actions have checked what they sent; what follows them is the opener's.
        for (std::size_t i = std::max(mark, checked_); i < events_.size() && !finding_; ++i) {
            if (events_[i].rfind(L"S ", 0) != 0) continue;
            const std::wstring script = events_[i].substr(2);
            const bool after2066 = i > mark && events_[i - 1] == L"W 2066 0 0 main";
            const bool before2066 = i + 1 < events_.size() && events_[i + 1] == L"W 2066 0 0 main";
            if (script == L";Show Sky") {
                if (!after2066) Fail("show-sky", "a lone redraw without the constellation message before it");
                continue;
            }
            if (script.size() >= 9 && script.compare(script.size() - 9, 9, L";Show Sky") == 0) continue;
            if (before2066 && i + 2 < events_.size() && events_[i + 2] == L"S ;Show Sky") continue;
            bool undo = false;
            for (const auto& u : ended_) undo = undo || u == script;
            for (const auto& s : sessions_)
                if (auto* d = dynamic_cast<CSettingsDialog*>(s.dialog)) undo = undo || d->GetUndoScript().str() == script;
            if (!(cancelling && undo)) Fail("show-sky", zem::ToUtf8(L"a script without a redraw: " + script.substr(0, 200)));
        }
        checked_ = events_.size();
    }

    Action Generate(CDialog& dialog) {
        std::mt19937_64& rng = *rng_;
        Action a;
        const int roll = Below(rng, 1000);
        if (roll < 8) return a.kind = Action::Ok, a;
        if (roll < 20) return a.kind = Action::Cancel, a;
        if (roll < 28) return a.kind = Action::Close, a;
        if (roll < 32) return a.kind = Action::Help, a;
        const auto& children = dialog.m_hWnd->children;
        for (int attempt = 0; attempt < 20; ++attempt) {
            HWND c = children[static_cast<std::size_t>(Below(rng, static_cast<int>(children.size())))];
            a.id = c->id;
            if (c->id == IDOK || c->id == IDCANCEL || c->id == static_cast<UINT>(ID_HELP)) continue;
            switch (c->wndClass) {
                case WndClass::Button:
                    if ((c->style & BS_TYPEMASK) == BS_GROUPBOX) continue;
                    a.kind = Action::Click;
                    return a;
                case WndClass::Edit:
                    switch (Below(rng, 6)) {
                        case 0: a.kind = Action::Append; a.text = RandomText(rng); break;
                        case 1: a.kind = Action::Backspace; a.n = 1 + Below(rng, 3); break;
                        case 2: a.kind = Action::Clear; break;
                        case 3: a.kind = Action::Paste; a.text = RandomText(rng); break;
                        default: a.kind = Action::Type; a.text = RandomText(rng); break;
                    }
                    return a;
                case WndClass::UpDown:
                    if (Below(rng, 4) == 0) {
                        a.kind = Action::SpinRaw;
                        a.n = Pick(rng, std::vector<long long>{1, -1, 2, -2, 5, -5, 100, -100, 0, INT_MIN, INT_MAX});
                    } else {
                        a.kind = Action::Spin;
                        a.up = Below(rng, 2) == 0;
                        a.n = Pick(rng, std::vector<long long>{1, 1, 1, 2, 5, 30, 200});
                    }
                    return a;
                case WndClass::ComboBox:
                case WndClass::ListBox:
                    if (dynamic_cast<CQelListBoxCheck*>(c->attached)) {
                        if (c->items.empty()) continue;
                        a.kind = Action::Tick;
                    } else {
                        if (c->items.empty()) continue;
                        a.kind = Action::Select;
                    }
                    a.n = Below(rng, static_cast<int>(c->items.size()));
                    return a;
                case WndClass::Static:
                    if (auto* list = dynamic_cast<CQelListBoxAObj*>(c->attached)) {
                        if (list->GetValueCountTotal() <= 0 || list->GetHeaderCount() <= 0) continue;
                        a.kind = Action::Cell;
                        a.n = Below(rng, static_cast<int>(std::min<std::int64_t>(list->GetValueCountTotal(), 1000)));
                        a.column = Below(rng, static_cast<int>(list->GetHeaderCount()));
                        return a;
                    }
                    continue;
                default:
                    continue;
            }
        }
        a.kind = Action::Help;  // nothing else to act on
        return a;
    }

    void Fail(const std::string& invariant, const std::string& detail) {
        if (!finding_) finding_ = Finding{invariant, detail};
    }

    const World& world_;
    std::vector<Action>& actions_;
    std::mt19937_64* rng_;
    std::size_t max_;
    std::size_t next_ = 0, count_ = 0, openMark_ = 0, checked_ = 0;
    CCorQel engine_, engine2_;
    std::optional<scratch::Folder> folder_;  // the custom star list, while the world has one
    std::vector<std::wstring> events_;
    std::vector<Session> sessions_;
    std::vector<std::wstring> ended_;  // undo scripts of the dialogs that ended during the action
    std::map<HWND, bool> person_;      // edits whose text a person typed last
    HWND armed_ = nullptr;             // the edit a keystroke is about to change
    std::optional<Finding> finding_;
};

}  // namespace

Outcome Play(const World& world, std::vector<Action>& actions, std::mt19937_64* rng, std::size_t maxActions) {
    Player player(world, actions, rng, maxActions);
    return player.Play();
}

void Shrink(World& world, std::vector<Action>& actions, const Finding& finding) {
    auto same = [&](const World& w, std::vector<Action> a) {
        const Outcome o = Play(w, a);
        return o.finding && o.finding->invariant == finding.invariant;
    };
    // Remove chunks of actions, halving the chunk until single actions stay.
    for (std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1); chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at < actions.size();) {
            std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(at));
            fewer.insert(fewer.end(), actions.begin() + static_cast<std::ptrdiff_t>(std::min(at + chunk, actions.size())), actions.end());
            if (same(world, fewer)) actions = std::move(fewer);
            else at += chunk;
        }
        if (chunk == 1) break;
    }
    // Then the engine changes, one at a time, and the environment.
    for (std::size_t at = 0; at < world.engine.size();) {
        World fewer = world;
        fewer.engine.erase(fewer.engine.begin() + static_cast<std::ptrdiff_t>(at));
        if (same(fewer, actions)) world = std::move(fewer);
        else ++at;
    }
    for (auto drop : {+[](World& w) { w.miradoRegistry.reset(); }, +[](World& w) { w.picsets.reset(); },
                      +[](World& w) { w.customStars.reset(); }}) {
        World fewer = world;
        drop(fewer);
        if (same(fewer, actions)) world = std::move(fewer);
    }
}

}  // namespace monkey
