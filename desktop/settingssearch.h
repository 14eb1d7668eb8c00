// SPDX-License-Identifier: BSD-3-Clause
// Finding a setting without opening every dialog: by the words of its label as its dialog shows
// it (Japanese, as the templates have it), by its dialog's title, or by its property path. The
// box in the main window lists what it finds as the person types; choosing one opens its dialog
// with that control focused and outlined.
#pragma once

#include <QLineEdit>
#include <functional>
#include <vector>

#include "desktop/settingnames.h"

class QCompleter;
class QStandardItemModel;

// The settings whose dialog title, frame title, label or paths hold every word of words (blanks
// between words; letters in any case), in the catalogue's order.
std::vector<const SettingName*> FindSettings(const QString& words);
// How a found setting is listed: 星雲・星団 > 画像 > 明るさ  (DeepSkyObject.Image.Brightness)
QString DescribeSetting(const SettingName& setting);

class SettingsSearchBox : public QLineEdit {
public:
    explicit SettingsSearchBox(QWidget* parent = nullptr);
    // Called with the setting the person chose.
    std::function<void(const SettingName&)> onChosen;
    // What the list shows for the text now.
    const std::vector<const SettingName*>& Found() const { return found_; }
    QCompleter* List() const { return completer_; }
    // The setting at row of the list, as the person chooses it.
    void Choose(int row);

private:
    void Search(const QString& text);

    QCompleter* completer_;
    QStandardItemModel* model_;
    std::vector<const SettingName*> found_;
};
