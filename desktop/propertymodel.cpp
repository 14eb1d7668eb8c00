#include "desktop/propertymodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <cwctype>

namespace {
std::wstring Lower(const std::wstring& path) {
    std::wstring key = path;
    for (auto& c : key)
        if (c < 128) c = static_cast<wchar_t>(std::towlower(c));
    return key;
}
}  // namespace

PropertyModel::PropertyModel(const CCorQel& engine, QObject* parent) : QAbstractTableModel(parent), engine_(engine) { Reload(); }

int PropertyModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }
int PropertyModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PropertyModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const Row& row = rows_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole: return index.column() == 0 ? row.path : row.value;
        case Qt::FontRole:
            if (row.changed) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole: return row.changed ? QVariant(QBrush(QColor(255, 236, 160))) : QVariant();
        case Qt::ForegroundRole: return row.changed ? QVariant(QBrush(Qt::black)) : QVariant();
        default: return {};
    }
}

QVariant PropertyModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("プロパティ") : QStringLiteral("値");
}

void PropertyModel::Take(bool mark) {
    beginResetModel();
    rows_.clear();
    std::unordered_map<std::wstring, std::wstring> now;
    for (const auto& [path, value] : engine_.GetProperties()) {
        const std::wstring key = Lower(path.str());
        const auto before = previous_.find(key);
        const bool changed = mark && (before == previous_.end() || before->second != value.str());
        rows_.push_back({QString::fromStdWString(path.str()), QString::fromStdWString(value.str()), changed});
        now.emplace(key, value.str());
    }
    previous_ = std::move(now);
    endResetModel();
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
