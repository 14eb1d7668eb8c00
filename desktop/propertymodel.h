// SPDX-License-Identifier: BSD-3-Clause
// The engine's properties as a table in the engine's order: path, value, and for a property a
// dialog controls, that dialog and the label of its control. The ones the last "Show Sky" changed
// are marked.
#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QString>
#include <QVector>
#include <unordered_map>

#include "companions/zemqel/corqel.h"

struct SettingName;

class PropertyModel : public QAbstractTableModel {
public:
    enum Column { kPath, kValue, kDialog, kLabel, kColumns };

    explicit PropertyModel(const CCorQel& engine, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The engine redrew: what differs from the state of the previous redraw is marked.
    void Redrawn();
    // The state was replaced outside a redraw (loading): nothing is marked.
    void Reload();
    // Paths (as first spelled) the last redraw changed or added.
    QStringList Changed() const;
    bool IsChanged(int row) const;

private:
    struct Row {
        QString path;
        QString value;
        bool changed = false;
        const SettingName* name = nullptr;
    };
    void Take(bool mark);

    const CCorQel& engine_;
    QVector<Row> rows_;
    std::unordered_map<std::wstring, std::wstring> previous_;  // lower-cased path -> value
};
