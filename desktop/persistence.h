// SPDX-License-Identifier: BSD-3-Clause
// The engine state kept between runs, so that nothing is lost whatever the machine does: one
// program writes a config folder at a time (a second one opens it read-only and says so), stray
// files of saves cut short are cleared at start, every change is saved atomically with its closing
// line, a failed save is told once (and its end too) while the state waits in memory for the next
// change or the exit, and closing the window with changes that are not saved asks first.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "desktop/statestore.h"
#include "desktop/store/configlock.h"

class QLabel;
class QMainWindow;

class Persistence : public QObject {
    Q_OBJECT
public:
    Persistence(QString folder, CCorQel& engine, QMainWindow* window);
    ~Persistence() override;

    // Takes the folder, loads the saved state (else the default sky) and registry.ini; what the
    // person should know about it is shown once the window is up.
    void Start(const QString& defaultState);
    // Writes the state now; false when it was not written (a read-only program writes nothing).
    // tell: show the person a failure, or the first success after failures.
    bool SaveNow(bool tell = true);
    bool ReadOnly() const { return !lock_.Held(); }
    // Whether the engine holds changes that are not on disk.
    bool Unsaved() const;

    const StateStore& Store() const { return store_; }
    const StateStore::Loaded& LoadResult() const { return loaded_; }

signals:
    // A save was tried; count the tries since start.
    void Saved(int count, bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowReadOnly();
    // Whether the window may close: the state saved, or the person agrees to lose what is not.
    bool MayClose();
    void Tell(bool ok, int error);

    StateStore store_;
    CCorQel& engine_;
    QPointer<QMainWindow> window_;
    store::ConfigLock lock_;
    StateStore::Loaded loaded_;
    std::string onDisk_;  // the state as last written or loaded
    bool failing_ = false;
    int lastError_ = 0;
    int saves_ = 0;
};
