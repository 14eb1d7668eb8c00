// SPDX-License-Identifier: BSD-3-Clause
// The 表示プロファイル menu and its windows: the current settings saved under a name; a profile
// applied after the person has seen what it changes, by dialog and setting, as one script that
// 編集 → 元に戻す takes back; profiles renamed, deleted, written to a file and read from one.
#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "desktop/profiles.h"

class CCorQel;
class DialogPlacement;
class QListWidget;
class QMenu;
class QTreeWidget;
class QUndoStack;

// What applying a profile changes, grouped by dialog: setting, value now → value after, path.
class ProfileDifferenceDialog : public QDialog {
public:
    ProfileDifferenceDialog(const QString& name, const std::vector<ProfileChange>& changes, QWidget* parent);
    QTreeWidget* List() const { return list_; }

private:
    QTreeWidget* list_;
};

class ProfileManager;

// Every profile with what can be done to it.
class ProfilesDialog : public QDialog {
public:
    ProfilesDialog(ProfileManager& manager, QWidget* parent);
    QListWidget* List() const { return list_; }
    void Reload(const QString& select = QString());

private:
    QString Selected() const;

    ProfileManager& manager_;
    QListWidget* list_;
};

class ProfileManager : public QObject {
public:
    ProfileManager(CCorQel& engine, QUndoStack& undo, QWidget* window);
    // Its windows open beside the sky, as the dialogs do.
    void SetPlacement(DialogPlacement* placement) { placement_ = placement; }

    // The profiles' folder, seeded the first time with the shipped profiles (files in shipped,
    // each laid over the default sky).
    void UseFolder(const QString& folder, const QString& shipped, const QString& defaultState);
    const ProfileStore& Store() const { return store_; }
    // The menu's entries, made again each time it opens.
    void Fill(QMenu* menu);

    // What a person does; each tells the person why when it cannot, and asks before replacing or
    // deleting a profile. True when done.
    bool SaveCurrent(const QString& name);
    // Shows the differences first (unless there are none); applies when the person agrees.
    bool Apply(const QString& name);
    bool Rename(const QString& from, const QString& to);
    bool Remove(const QString& name);
    bool Export(const QString& name, const QString& file);
    bool Import(const QString& file, const QString& name);

    // The same, asking for the name or file first.
    void AskSaveCurrent();
    void AskRename(const QString& name);
    void AskExport(const QString& name);
    void AskImport();
    void Manage();

private:
    int Run(QDialog& window, const QString& key);
    bool Done(const QString& problem);
    bool AskYes(const QString& question);
    std::optional<QString> AskName(const QString& label, const QString& suggestion);
    std::optional<QString> AskFile(bool save, const QString& suggestion);

    CCorQel& engine_;
    QUndoStack& undo_;
    QWidget* window_;
    DialogPlacement* placement_ = nullptr;
    ProfileStore store_;
    QString fileFolder_;  // where the last profile was written to or read from
};
