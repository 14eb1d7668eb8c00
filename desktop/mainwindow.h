// SPDX-License-Identifier: BSD-3-Clause
// The desktop program's main window: a menu and a toolbar that open each dialog of the module, the
// live sky in the middle with the dialogs opening beside it, the engine's properties as a table
// that names each property's dialog and setting, night mode, and the traffic log for those who
// want it.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "desktop/dialogplacement.h"
#include "desktop/nightmode.h"
#include "desktop/profilemanager.h"
#include "desktop/session.h"
#include "desktop/settingssearch.h"
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
    // Opens the dialog of a setting that was found, with its control focused and outlined.
    bool OpenSetting(const SettingName& setting);
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
    SettingsSearchBox* Search() const { return search_; }
    QMenu* ViewMenu() const { return viewMenu_; }
    // The engine's state was replaced without traffic (loading): the table starts over.
    void StateLoaded();

    // Where a view of the sky goes; while there is none, the property table takes the middle.
    void SetSkyView(QWidget* view);
    // The program's folders: the config folder keeps the dialogs' positions and night mode; the
    // data folder ships the profiles.
    void UseFolders(const QString& configFolder, const QString& dataFolder);
    // A program that opened its config folder read-only reads the positions and night mode there
    // but writes neither.
    void KeepNothing();

    DialogPlacement& Placement() { return *placement_; }
    NightMode& Night() { return *night_; }
    ProfileManager& Profiles() { return *profiles_; }
    QAction* NightAction() const { return nightAction_; }
    QDockWidget* LogDock() const { return logDock_; }
    // Makes the window fit its screen's available area (frame included), keeping it on screen.
    void FitToScreen();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    QWidget* BuildPropertyPanel();
    void FitPropertyColumns();
    void Redrawn();
    void SetNightMode(bool on);

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
    QDockWidget* logDock_ = nullptr;
    QWidget* sky_ = nullptr;
    QUndoStack* undo_ = nullptr;
    std::unique_ptr<DialogPlacement> placement_;
    std::unique_ptr<NightMode> night_;  // before the window's parts go: it gives them their style back
    QAction* nightAction_ = nullptr;
    ProfileManager* profiles_ = nullptr;
    SettingsSearchBox* search_ = nullptr;
    QString settingsFile_;
    QAction* reset_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::map<std::wstring, QAction*> dialogActions_;
};
