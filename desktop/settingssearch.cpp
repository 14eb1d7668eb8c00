// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/settingssearch.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <algorithm>

std::vector<const SettingName*> FindSettings(const QString& words) {
    const QStringList wanted = words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    std::vector<const SettingName*> found;
    if (wanted.isEmpty()) return found;
    for (const SettingName& setting : SettingNames::Get().All()) {
        const QString text = setting.dialog + u' ' + setting.frame + u' ' + setting.label + u' ' + setting.paths.join(u' ');
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&](const QString& word) { return text.contains(word, Qt::CaseInsensitive); });
        if (all) found.push_back(&setting);
    }
    return found;
}

QString DescribeSetting(const SettingName& setting) {
    return QStringLiteral("%1 > %2  (%3)").arg(setting.dialog, setting.Shown(), setting.paths.value(0));
}

SettingsSearchBox::SettingsSearchBox(QWidget* parent) : QLineEdit(parent), completer_(new QCompleter(this)), model_(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("settingSearch"));
    setPlaceholderText(QStringLiteral("設定を探す（例: 明るさ、Milkyway）"));
    setClearButtonEnabled(true);
    // The list is made here for every text, so the completer shows it as it is.
    completer_->setModel(model_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(16);
    completer_->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &SettingsSearchBox::Search);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) { Choose(index.row()); });
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (!found_.empty()) Choose(completer_->popup()->currentIndex().isValid() ? completer_->popup()->currentIndex().row() : 0);
    });
}

void SettingsSearchBox::Search(const QString& text) {
    found_ = FindSettings(text);
    model_->clear();
    const QFontMetrics metrics(completer_->popup()->font());
    int widest = 0;
    for (const SettingName* setting : found_) {
        auto* item = new QStandardItem(DescribeSetting(*setting));
        item->setToolTip(setting->paths.join(u'\n'));
        widest = std::max(widest, metrics.horizontalAdvance(item->text()));
        model_->appendRow(item);
    }
    if (found_.empty()) {
        completer_->popup()->hide();
        return;
    }
    // The list as wide as its longest line (up to half the screen), ending where the box ends, so
    // that each setting is read whole.
    const int room = widest + 2 * completer_->popup()->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    const int listWidth = std::max(width(), std::min(room, screen()->availableGeometry().width() / 2));
    completer_->complete(QRect(width() - listWidth, 0, listWidth, height()));
}

void SettingsSearchBox::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(found_.size())) return;
    const SettingName* setting = found_[static_cast<std::size_t>(row)];
    completer_->popup()->hide();
    if (onChosen) onChosen(*setting);
}
