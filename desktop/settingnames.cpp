// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/settingnames.h"

const SettingNames& SettingNames::Get() {
    static const SettingNames names;
    return names;
}

SettingNames::SettingNames() {}

const SettingName* SettingNames::Find(const QString& path) const {
    const auto it = byPath_.constFind(path.toLower());
    return it == byPath_.cend() ? nullptr : &names_[*it];
}
