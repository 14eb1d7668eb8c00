// SPDX-License-Identifier: BSD-3-Clause
// What a person calls a property: the dialog that controls it and the label of its control there,
// as the templates have them. Made once from the module's settings catalogue.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/types.h"

struct SettingName {
    QString dialogClass;  // CDlgNbl
    QString dialog;       // the dialog's title: 星雲・星団
    QString frame;        // the title of the frame it lies in, when that says more: 画像
    QString label;        // the control's label as a person reads it: 明るさ
    UINT control = 0;
    QStringList paths;    // the properties the control writes, then those it only reads

    // The setting as listed: 画像 > 明るさ
    QString Shown() const { return frame.isEmpty() ? label : frame + QStringLiteral(" > ") + label; }
};

class SettingNames {
public:
    // Every control of every dialog the catalogue describes, in the catalogue's order.
    static const SettingNames& Get();

    const std::vector<SettingName>& All() const { return names_; }
    // The first control that writes path (else the first that reads it), in any ASCII case; null
    // when no dialog controls it.
    const SettingName* Find(const QString& path) const;

private:
    SettingNames();
    std::vector<SettingName> names_;
    QHash<QString, std::size_t> byPath_;  // lower-cased path -> names_ index
};
