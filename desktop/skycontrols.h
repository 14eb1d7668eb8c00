// SPDX-License-Identifier: BSD-3-Clause
// What the desktop adds around its sky view: in the 表示 menu the window "場所と時刻" and the two
// grids; and the view (pan, zoom, grids), the place and the time kept in desktop.ini, in the
// groups "Sky" and "PlaceTime". They are the desktop's settings, never engine properties.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSettings;
class QWidget;
class PlaceTimeWindow;
namespace sky {
class SkyView;
}

class SkyControls : public QObject {
    Q_OBJECT
public:
    // iniPath: the desktop's settings file, written again whenever the place or the time changes.
    SkyControls(QWidget& window, QMenu& viewMenu, sky::SkyView& view, QString iniPath);

    void Restore(QSettings& settings);
    void Save(QSettings& settings) const;
    // A program that opened its config folder read-only keeps nothing on its own.
    void KeepNothing() { keep_ = false; }

    PlaceTimeWindow* Window() const { return placeTime_; }
    QAction* PlaceTimeAction() const { return placeTimeAction_; }
    QAction* AltAzimuthGridAction() const { return altAzGrid_; }
    QAction* EquatorialGridAction() const { return equatorialGrid_; }

private:
    sky::SkyView& view_;
    QString iniPath_;
    PlaceTimeWindow* placeTime_;
    QAction *placeTimeAction_, *altAzGrid_, *equatorialGrid_;
    bool restoring_ = false;
    bool keep_ = true;
};
