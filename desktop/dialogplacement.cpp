// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/dialogplacement.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "desktop/templateview.h"
#include "host/classes.h"

namespace {

// A rectangle of size s at top-left p, slid into the available area along one axis only: a
// rectangle beside another keeps its x, one below or above keeps its y.
QRect SlideY(QPoint p, QSize s, const QRect& available) {
    const int y = std::clamp(p.y(), available.top(), std::max(available.top(), available.bottom() + 1 - s.height()));
    return {QPoint(p.x(), y), s};
}
QRect SlideX(QPoint p, QSize s, const QRect& available) {
    const int x = std::clamp(p.x(), available.left(), std::max(available.left(), available.right() + 1 - s.width()));
    return {QPoint(x, p.y()), s};
}

// The four places beside a rectangle: right, left, below, above.
std::vector<QRect> Beside(const QRect& r, QSize s, const QRect& available) {
    return {SlideY({r.right() + 1, r.top()}, s, available), SlideY({r.left() - s.width(), r.top()}, s, available),
            SlideX({r.left(), r.bottom() + 1}, s, available), SlideX({r.left(), r.top() - s.height()}, s, available)};
}

// No place beside anything is free: the dialog goes to the screen's edge on the side of the main
// window farther from the middle (over the main window's docks, if need be), and the main window
// moves towards the other edge and gives up as much width as the sky must leave free. The sky
// keeps its minimum; past that the dialog narrows and scrolls.
PlacementResult MakeRoom(const PlacementRoom& room) {
    const QRect& a = room.available;
    const int before = room.sky.left() - room.main.left();  // the window's part left of the sky
    const int width = std::max(room.minDialogWidth, std::min(room.dialog.width(), a.width() - before - room.minSkyWidth));
    const int height = std::min(room.dialog.height(), a.height());
    const bool right = room.main.center().x() <= a.center().x();
    QRect main = room.main, sky = room.sky;
    QRect dialog = SlideY({right ? a.right() + 1 - width : a.left(), room.main.top()}, {width, height}, a);
    const auto overlap = [&] { return right ? sky.right() - dialog.left() + 1 : dialog.right() - sky.left() + 1; };
    const int shift = std::min(std::max(0, right ? main.left() - a.left() : a.right() - main.right()), std::max(0, overlap()));
    main.translate(right ? -shift : shift, 0);
    sky.translate(right ? -shift : shift, 0);
    if (int over = overlap(); over > 0) {
        const int allowed = std::max(0, std::min(sky.width() - room.minSkyWidth, main.width() - room.minMainWidth));
        if (over > allowed) {
            if (right) dialog.setLeft(dialog.left() + over - allowed);
            else dialog.setRight(dialog.right() - (over - allowed));
            over = allowed;
        }
        if (right) main.setRight(main.right() - over);
        else main.setLeft(main.left() + over);
    }
    PlacementResult result{dialog, std::nullopt};
    if (main != room.main) result.main = main;
    return result;
}

}  // namespace

PlacementResult PlaceDialog(const PlacementRoom& room) {
    const QSize size = room.dialog.boundedTo(room.available.size());
    // Without a sky there is nothing to keep free: over the middle of the main window.
    if (room.sky.isEmpty()) {
        const QPoint centred = room.main.center() - QPoint(size.width() / 2, size.height() / 2);
        return {SlideX(SlideY(centred, size, room.available).topLeft(), size, room.available), std::nullopt};
    }
    const auto free = [&](const QRect& r, bool besideOpener) {
        return room.available.contains(r) && !r.intersects(room.sky) && !(besideOpener && room.opener && r.intersects(*room.opener));
    };
    if (room.remembered)
        if (const QRect r(*room.remembered, size); free(r, true)) return {r, std::nullopt};
    // Next to the dialog that opened this one, in the first place that is free.
    if (room.opener)
        for (const QRect& r : Beside(*room.opener, size, room.available))
            if (free(r, true)) return {r, std::nullopt};
    // Else beside the main window, beside the sky within it, or at an edge of the screen: of the
    // free places the one that hides least of the main window.
    std::vector<QRect> candidates = Beside(room.main, size, room.available);
    for (const QRect& r : Beside(room.sky, size, room.available)) candidates.push_back(r);
    candidates.push_back(SlideY({room.available.right() + 1 - size.width(), room.main.top()}, size, room.available));
    candidates.push_back(SlideY({room.available.left(), room.main.top()}, size, room.available));
    if (room.opener) candidates.push_back(SlideX(SlideY(room.opener->topLeft(), size, room.available).topLeft(), size, room.available));
    const auto hidden = [&](const QRect& r) {
        const QRect over = r.intersected(room.main);
        return over.isEmpty() ? 0LL : static_cast<long long>(over.width()) * over.height();
    };
    for (bool besideOpener : {true, false}) {
        // A dialog opened by another may cover that one (it waits), never the sky.
        if (!besideOpener && !room.opener) break;
        const QRect* best = nullptr;
        for (const QRect& r : candidates)
            if (free(r, besideOpener) && (!best || hidden(r) < hidden(*best))) best = &r;
        if (best) return {*best, std::nullopt};
    }
    return MakeRoom(room);
}

DialogPlacement::DialogPlacement(QWidget* mainWindow, std::function<QWidget*()> sky) : main_(mainWindow), sky_(std::move(sky)) {}

void DialogPlacement::SetSettingsFile(const QString& path) {
    settingsFile_ = path;
    positions_.clear();
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("dialogs"));
    for (const QString& key : settings.childKeys())
        if (const QVariant value = settings.value(key); value.canConvert<QPoint>()) positions_[key] = value.toPoint();
}

std::optional<QPoint> DialogPlacement::Remembered(const QString& key) const {
    const auto it = positions_.find(key);
    if (it == positions_.end()) return std::nullopt;
    return it->second;
}

namespace {
constexpr const char* kPlaced = "zemPlaced";

QMargins FrameOf(const QWidget& window) {
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

QString KeyOf(const TemplateView& view) { return QString::fromStdWString(DialogClassName(view.Dialog())); }
}  // namespace

void DialogPlacement::Place(TemplateView& view, TemplateView* opener) {
    Place(view, opener, KeyOf(view), [&view](QSize size) { view.Present(size); });
    if (highlight_) view.Highlight(std::exchange(highlight_, 0));
}

void DialogPlacement::Closed(TemplateView& view) { Closed(view, KeyOf(view)); }

void DialogPlacement::Place(QWidget& window, QWidget* opener, const QString& key, const std::function<void(QSize)>& narrow) {
    QWidget* sky = sky_ ? sky_() : nullptr;
    const QScreen* screen = main_->screen();
    if (!screen) return;
    // A window not shown yet has no frame of its own: the main window's is the best guess.
    const QMargins frame = FrameOf(*main_);
    PlacementRoom room;
    room.available = screen->availableGeometry();
    room.main = main_->frameGeometry();
    if (sky && sky->isVisible()) room.sky = QRect(sky->mapToGlobal(QPoint(0, 0)), sky->size());
    room.dialog = window.size().grownBy(frame);
    room.minMainWidth = main_->minimumSizeHint().expandedTo(main_->minimumSize()).width() + frame.left() + frame.right();
    if (opener) room.opener = opener->frameGeometry();
    room.remembered = Remembered(key);
    const PlacementResult placed = PlaceDialog(room);
    if (placed.main) {
        if (main_->isMaximized() || main_->isFullScreen()) main_->showNormal();
        const QRect before = main_->frameGeometry();
        main_->setGeometry(placed.main->marginsRemoved(frame));
        madeRoom_.push_back({&window, before, main_->frameGeometry()});
    }
    if (placed.dialog.size() != room.dialog && narrow) narrow(placed.dialog.size().shrunkBy(frame));
    window.move(placed.dialog.topLeft());
    window.setProperty(kPlaced, true);
}

void DialogPlacement::Closed(QWidget& window, const QString& key) {
    if (!window.property(kPlaced).toBool()) return;  // it never showed
    positions_[key] = window.pos();
    if (!settingsFile_.isEmpty()) QSettings(settingsFile_, QSettings::IniFormat).setValue(QStringLiteral("dialogs/") + key, window.pos());
    if (!madeRoom_.empty() && madeRoom_.back().window == &window) {
        if (main_->frameGeometry() == madeRoom_.back().after) main_->setGeometry(madeRoom_.back().before.marginsRemoved(FrameOf(*main_)));
        madeRoom_.pop_back();
    }
}
