// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/propertymodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "platform/casefold.h"

#include "desktop/nightmode.h"
#include "desktop/settingnames.h"

PropertyModel::PropertyModel(const CCorQel& engine, QObject* parent) : QAbstractTableModel(parent), engine_(engine) { Reload(); }

int PropertyModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }
int PropertyModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PropertyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const Row& row = rows_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (index.column()) {
                case kPath: return row.path;
                case kValue: return row.value;
                case kDialog: return row.name ? row.name->dialog : QString();
                case kLabel: return row.name ? row.name->Shown() : QString();
                default: return {};
            }
        case Qt::FontRole:
            if (row.changed) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            if (!row.changed) return {};
            return QBrush(NightMode::Active() ? QColor(70, 0, 0) : QColor(255, 236, 160));
        case Qt::ForegroundRole:
            if (!row.changed) return {};
            return QBrush(NightMode::Active() ? QColor(190, 0, 0) : QColor(Qt::black));
        default: return {};
    }
}

QVariant PropertyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kPath: return QStringLiteral("プロパティ");
        case kValue: return QStringLiteral("値");
        case kDialog: return QStringLiteral("ダイアログ");
        case kLabel: return QStringLiteral("設定");
        default: return {};
    }
}

void PropertyModel::Take(bool mark) {
    QVector<Row> rows;
    std::unordered_map<std::wstring, std::wstring> now;
    for (const auto& [path, value] : engine_.GetProperties()) {
        const std::wstring key = zem::AsciiLowered(path.str());
        const auto before = previous_.find(key);
        const bool changed = mark && (before == previous_.end() || before->second != value.str());
        const QString shown = QString::fromStdWString(path.str());
        rows.push_back({shown, QString::fromStdWString(value.str()), changed, SettingNames::Get().Find(shown)});
        now.emplace(key, value.str());
    }
    previous_ = std::move(now);
    // The engine keeps its order, so the table usually only grows: views keep their place.
    bool samePrefix = rows.size() >= rows_.size();
    for (qsizetype i = 0; samePrefix && i < rows_.size(); ++i) samePrefix = rows[i].path == rows_[i].path;
    if (!samePrefix) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    const qsizetype kept = rows_.size();
    for (qsizetype i = 0; i < kept; ++i) rows_[i] = rows[i];
    if (kept > 0) emit dataChanged(index(0, 0), index(static_cast<int>(kept) - 1, kColumns - 1));
    if (rows.size() > kept) {
        beginInsertRows(QModelIndex(), static_cast<int>(kept), static_cast<int>(rows.size()) - 1);
        for (qsizetype i = kept; i < rows.size(); ++i) rows_.push_back(rows[i]);
        endInsertRows();
    }
}

void PropertyModel::Redrawn() { Take(true); }
void PropertyModel::Reload() { Take(false); }

QStringList PropertyModel::Changed() const {
    QStringList changed;
    for (const Row& row : rows_)
        if (row.changed) changed << row.path;
    return changed;
}

bool PropertyModel::IsChanged(int row) const { return row >= 0 && row < rows_.size() && rows_[row].changed; }
