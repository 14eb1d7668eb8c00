// SPDX-License-Identifier: BSD-3-Clause
// Where a dialog window opens: next to the sky view, never over it. Beside the main window when
// the screen has room there, else beside the sky inside the main window (over the property table),
// else the main window gives up width so that the sky and the dialog sit side by side. A dialog
// that another dialog opens goes next to that one. Each dialog class's last position is kept and
// used again while it leaves the sky free.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

class QWidget;
class TemplateView;

// The geometry alone, so that it can be reasoned about without windows. All rectangles are
// window frames in global coordinates.
struct PlacementRoom {
    QRect available;                // the screen's available area
    QRect main;                     // the main window
    QRect sky;                      // the sky view
    QSize dialog;                   // the dialog's window
    std::optional<QRect> opener;    // the dialog that opens this one
    std::optional<QPoint> remembered;
    int minSkyWidth = 200;          // the sky never becomes narrower than this
    int minMainWidth = 0;           // nor the main window than its layout allows
    int minDialogWidth = 160;
};

struct PlacementResult {
    QRect dialog;                   // where the dialog goes (narrower than asked when it must scroll)
    std::optional<QRect> main;      // the main window's new frame when the sky makes room
};

PlacementResult PlaceDialog(const PlacementRoom& room);

class DialogPlacement {
public:
    // sky: the widget that must stay visible (the main window's middle while there is no sky).
    DialogPlacement(QWidget* mainWindow, std::function<QWidget*()> sky);

    // Positions are kept in this settings file (group "dialogs"); none: not kept.
    void SetSettingsFile(const QString& path);
    // The positions read stay in use; new ones are no longer written.
    void KeepNothing() { settingsFile_.clear(); }
    // A view about to run, sized by Present: moves it (and the main window when it must make room).
    void Place(TemplateView& view, TemplateView* opener);
    // A view whose dialog ended: its position is kept, and a main window that made room for it
    // takes its frame back (unless the person has moved it since).
    void Closed(TemplateView& view);

    // The same for any window of the program's own, kept under key; narrow is called with the
    // size it must take when the room is narrower than it.
    void Place(QWidget& window, QWidget* opener, const QString& key, const std::function<void(QSize)>& narrow);
    void Closed(QWidget& window, const QString& key);

    std::optional<QPoint> Remembered(const QString& key) const;
    // The next dialog to open shows this control focused and outlined (a setting that was found).
    void HighlightNext(UINT control) { highlight_ = control; }

private:
    QWidget* main_;
    std::function<QWidget*()> sky_;
    QString settingsFile_;
    UINT highlight_ = 0;
    std::map<QString, QPoint> positions_;
    // The main window's frames before and after it made room, innermost dialog last.
    struct MadeRoom {
        QPointer<QWidget> window;
        QRect before, after;
    };
    std::vector<MadeRoom> madeRoom_;
};
