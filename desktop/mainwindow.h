// SPDX-License-Identifier: BSD-3-Clause
// The desktop program's main window: a menu and a toolbar that open each dialog of the module, the
// engine's properties as a live table, the traffic log, and a place for a view of the sky.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <string>

#include "desktop/session.h"
#include "host/classes.h"

class PropertyModel;
class QAction;
class QDockWidget;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QSortFilterProxyModel;
class QTableView;
class QUndoStack;
class QVBoxLayout;

class MainWindow : public QMainWindow {
public:
    // defaultState: the shipped default sky, for Reset.
    MainWindow(Session& session, QString defaultState, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs the dialog of that class modally; returns when it has ended. False when the module has
    // no such class (yet). options chooses the constructor form and flags; the engines and the
    // parent window are always the program's.
    bool OpenDialog(const std::wstring& className, OpenOptions options = {});
    // Back to the shipped default sky, after the person agrees (unless ask is false). Undoable.
    void ResetToDefault(bool ask = true);

    // The action that opens a class's dialog (null when the module has no such class at all).
    QAction* DialogAction(const std::wstring& className) const;
    QAction* ResetAction() const { return reset_; }
    QUndoStack* UndoStack() const { return undo_; }
    PropertyModel* Properties() const { return properties_; }
    QSortFilterProxyModel* FilteredProperties() const { return filtered_; }
    QTableView* PropertyTable() const { return table_; }
    QLineEdit* PropertyFilter() const { return filter_; }
    QPlainTextEdit* Log() const { return log_; }
    QMenu* ViewMenu() const { return viewMenu_; }
    // The engine's state was replaced without traffic (loading): the table starts over.
    void StateLoaded();

    // Where a view of the sky goes; while there is none, the property table takes the middle.
    void SetSkyView(QWidget* view);

private:
    void BuildActions();
    QWidget* BuildPropertyPanel();
    void Redrawn();

    Session& session_;
    QString defaultState_;
    PropertyModel* properties_ = nullptr;
    QSortFilterProxyModel* filtered_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QWidget* propertyPanel_ = nullptr;
    class QLabel* redrawSummary_ = nullptr;
    QDockWidget* propertyDock_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QAction* reset_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::map<std::wstring, QAction*> dialogActions_;
};
