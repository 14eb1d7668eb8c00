// SPDX-License-Identifier: BSD-3-Clause
// The engine's properties as a table (path, value) in the engine's order, marking the ones the
// last "Show Sky" changed.
#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QString>
#include <QVector>
#include <unordered_map>

#include "companions/zemqel/corqel.h"

class PropertyModel : public QAbstractTableModel {
public:
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
    };
    void Take(bool mark);

    const CCorQel& engine_;
    QVector<Row> rows_;
    std::unordered_map<std::wstring, std::wstring> previous_;  // lower-cased path -> value
};
