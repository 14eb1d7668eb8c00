// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/settingnames.h"

#include <algorithm>

#include "desktop/sky/asciifold.h"
#include "dialogs/catalog.h"

namespace {

QString Text(const std::wstring& text) { return QString::fromStdWString(text); }

bool Inside(const ControlTemplate& c, const ControlTemplate& frame) {
    // Below the frame's top edge: a check box on that edge is the frame's title, not within it.
    return c.x >= frame.x && c.y > frame.y && c.x + c.cx <= frame.x + frame.cx && c.y + c.cy <= frame.y + frame.cy;
}

// The title of the innermost frame around a control, as a person reads it (a frame without a
// title of its own is named by the check box on its top edge), when it says more than the dialog's
// title, the label itself, or "表示" (the switch of a whole frame).
QString FrameTitle(const zem::catalog::Dialog& dialog, const QString& title, const ControlTemplate& c, const QString& label) {
    const DialogTemplate* t = AfxFindDialogTemplate(dialog.templateId);
    const ControlTemplate* frame = nullptr;
    for (const ControlTemplate& g : t->controls)
        if (zem::catalog::KindOf(g) == zem::catalog::Kind::GroupBox && Inside(c, g) && (!frame || g.cx * g.cy < frame->cx * frame->cy)) frame = &g;
    if (!frame) return {};
    UINT named = frame->id;
    if (Text(frame->label).trimmed().isEmpty()) {
        named = 0;
        for (const ControlTemplate& k : t->controls)
            if (zem::catalog::KindOf(k) == zem::catalog::Kind::CheckBox && k.y == frame->y && k.x >= frame->x && k.x < frame->x + frame->cx) named = k.id;
    }
    const QString text = named ? Text(zem::catalog::Label(dialog, named)) : QString();
    if (text == title || text == label || text == QStringLiteral("表示")) return {};
    return text;
}

// A radio group is one setting on its first radio: it is known by all its choices (精細／輪郭).
QString Choices(const zem::catalog::Dialog& dialog, const ControlTemplate& first, QString label) {
    const DialogTemplate* t = AfxFindDialogTemplate(dialog.templateId);
    const auto radio = [](const ControlTemplate& c) { return zem::catalog::KindOf(c) == zem::catalog::Kind::RadioButton; };
    if (!radio(first)) return label;
    auto it = std::find_if(t->controls.begin(), t->controls.end(), [&](const ControlTemplate& c) { return &c == &first; });
    for (++it; it != t->controls.end() && radio(*it) && !(it->style & WS_GROUP); ++it) label += QStringLiteral("／") + Text(zem::catalog::Label(dialog, it->id));
    return label;
}

const ControlTemplate* ControlOf(const zem::catalog::Dialog& dialog, UINT id) {
    if (const DialogTemplate* t = AfxFindDialogTemplate(dialog.templateId))
        for (const ControlTemplate& c : t->controls)
            if (c.id == id) return &c;
    return nullptr;
}

}  // namespace

const SettingNames& SettingNames::Get() {
    static const SettingNames names;
    return names;
}

SettingNames::SettingNames() {
    std::vector<std::size_t> written;  // how many of each setting's paths it writes
    for (const zem::catalog::Dialog& dialog : zem::catalog::Dialogs()) {
        const QString title = Text(zem::catalog::Title(dialog));
        for (const zem::catalog::Setting& setting : dialog.settings) {
            SettingName name{QString::fromWCharArray(dialog.className), title, {}, Text(zem::catalog::Label(dialog, setting.control)), setting.control, {}};
            if (const ControlTemplate* c = ControlOf(dialog, setting.control)) {
                name.frame = FrameTitle(dialog, title, *c, name.label);
                name.label = Choices(dialog, *c, name.label);
            }
            for (const std::wstring& path : setting.writes) name.paths << Text(path);
            written.push_back(static_cast<std::size_t>(name.paths.size()));
            for (const std::wstring& path : setting.reads)
                if (std::none_of(name.paths.begin(), name.paths.end(), [&](const QString& p) { return zem::EqualNoCase(p.toStdWString(), path); }))
                    name.paths << Text(path);
            // A control without words of its own is known by what it sets.
            if (name.label.isEmpty()) name.label = name.paths.value(0);
            names_.push_back(std::move(name));
        }
    }
    // A property is known by the first control that writes it, else by the first that reads it.
    for (bool writers : {true, false})
        for (std::size_t i = 0; i < names_.size(); ++i)
            for (qsizetype p = 0; p < names_[i].paths.size(); ++p)
                if (const QString key = AsciiLowered(names_[i].paths[p]); (static_cast<std::size_t>(p) < written[i]) == writers && !byPath_.contains(key))
                    byPath_.insert(key, i);
}

const SettingName* SettingNames::Find(const QString& path) const {
    const auto it = byPath_.constFind(AsciiLowered(path));
    return it == byPath_.cend() ? nullptr : &names_[*it];
}
