// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace sky {
namespace {

double Wrap360(double deg) { return std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0); }

}  // namespace

SkyView::SkyView(CCorQel* engine, const Catalog& catalog, QWidget* parent)
    : QWidget(parent),
      engine_(engine),
      renderer_(std::make_unique<Renderer>(catalog)),
      placeTime_(new PlaceTime(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    twinkleTimer_.setInterval(80);
    connect(&twinkleTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    clockTimer_.setSingleShot(true);
    connect(&clockTimer_, &QTimer::timeout, this, [this] {
        observe();
        update();
        updateTimers();
    });
    connect(placeTime_, &PlaceTime::changed, this, [this] {
        observe();
        update();
        updateTimers();
    });
    clock_.start();
    observe();
    refresh();
}

SkyView::~SkyView() = default;

void SkyView::setEngine(CCorQel* engine) {
    engine_ = engine;
    refresh();
}

void SkyView::setView(double raDeg, double decDeg, double fovDeg) {
    ra_ = Wrap360(raDeg);
    dec_ = std::clamp(decDeg, -90.0, 90.0);
    fov_ = std::clamp(fovDeg, Projection::kMinFov, Projection::kMaxFov);
    update();
    updateTimers();
    emit viewChanged();
}

void SkyView::setHorizontalView(double azimuthDeg, double altitudeDeg, double fovDeg) {
    az_ = Wrap360(azimuthDeg);
    alt_ = std::clamp(altitudeDeg, -90.0, 90.0);
    fov_ = std::clamp(fovDeg, Projection::kMinFov, Projection::kMaxFov);
    update();
    updateTimers();
    emit viewChanged();
}

void SkyView::setAltAzimuthGrid(bool on) {
    altAzGrid_ = on;
    update();
    updateTimers();
}

void SkyView::setEquatorialGrid(bool on) {
    equatorialGrid_ = on;
    update();
}

void SkyView::setAnimated(bool on) {
    animated_ = on;
    updateTimers();
    update();
}

void SkyView::setLegendVisible(bool on) {
    legend_ = on;
    update();
}

void SkyView::setLabelsVisible(bool on) {
    labels_ = on;
    update();
}

void SkyView::saveState(QSettings& s) const {
    s.setValue(QStringLiteral("ra"), NumberText(ra_));
    s.setValue(QStringLiteral("dec"), NumberText(dec_));
    s.setValue(QStringLiteral("azimuth"), NumberText(az_));
    s.setValue(QStringLiteral("altitude"), NumberText(alt_));
    s.setValue(QStringLiteral("fov"), NumberText(fov_));
    s.setValue(QStringLiteral("altAzimuthGrid"), altAzGrid_);
    s.setValue(QStringLiteral("equatorialGrid"), equatorialGrid_);
}

void SkyView::restoreState(const QSettings& s) {
    double ra = ra_, dec = dec_, az = az_, alt = alt_, fov = fov_;
    ReadNumber(s, QStringLiteral("ra"), ra);
    ReadNumber(s, QStringLiteral("dec"), dec);
    ReadNumber(s, QStringLiteral("azimuth"), az);
    ReadNumber(s, QStringLiteral("altitude"), alt);
    ReadNumber(s, QStringLiteral("fov"), fov);
    setView(ra, dec, fov);
    setHorizontalView(az, alt, fov);
    setAltAzimuthGrid(s.value(QStringLiteral("altAzimuthGrid"), altAzGrid_).toBool());
    setEquatorialGrid(s.value(QStringLiteral("equatorialGrid"), equatorialGrid_).toBool());
}

void SkyView::noteScript(const QString& script) { modeHint_ = MagnitudeModeOfScript(script, modeHint_); }

void SkyView::refresh() {
    settings_ = ReadSettings(engine_, modeHint_);
    updateTimers();
    update();
}

void SkyView::observe() { observation_.emplace(placeTime_->place(), placeTime_->time()); }

void SkyView::updateTimers() {
    if (animated_ && settings_.stars && settings_.twinkle)
        twinkleTimer_.start();
    else
        twinkleTimer_.stop();

    const bool timed = (settings_.horizon || altAzGrid_) && placeTime_->mode() != PlaceTime::Mode::Paused;
    if (!timed) {
        clockTimer_.stop();
        return;
    }
    // The sky turns 15" a second: the next look is due when it has moved half a pixel, or when the
    // minute the panel shows changes, whichever comes first.
    const double pixelArcsec = fov_ * 3600 / std::max(100, std::min(width(), height()));
    const double moved = std::clamp(0.5 * pixelArcsec / 15.04 * 1000, 250.0, 60000.0);
    const QTime shown = placeTime_->time().time();
    const double minute = 60000 - (shown.second() * 1000 + shown.msec()) + 20;
    // A pan or zoom calls here many times a second: a look already due sooner stays due.
    const int due = static_cast<int>(std::min(moved, minute));
    if (!clockTimer_.isActive() || clockTimer_.remainingTime() > due) clockTimer_.start(due);
}

PaintOptions SkyView::options() const {
    PaintOptions o;
    o.time = animated_ ? clock_.elapsed() / 1000.0 : 0.0;
    o.legend = legend_;
    o.labels = labels_;
    o.altAzimuthGrid = altAzGrid_;
    o.equatorialGrid = equatorialGrid_;
    const Place& place = placeTime_->place();
    const QDateTime local = observation_->Utc().toOffsetFromUtc(place.utcOffset * 60);
    const double lst = observation_->LocalSiderealTime();
    const int lstMinutes = static_cast<int>(std::floor(lst * 60)) % (24 * 60);
    o.placeTime = {place.name + QStringLiteral("　") + CoordinatesText(place),
                   local.toString(QStringLiteral("yyyy-MM-dd HH:mm ")) + OffsetText(place.utcOffset),
                   PlaceTime::ModeText(placeTime_->mode()) +
                       QStringLiteral("　恒星時 %1時%2分").arg(lstMinutes / 60).arg(lstMinutes % 60, 2, 10, QLatin1Char('0'))};
    return o;
}

ViewPoint SkyView::viewPoint() const {
    ViewPoint v;
    v.horizontal = settings_.horizon;
    v.lon = v.horizontal ? az_ : ra_;
    v.lat = v.horizontal ? alt_ : dec_;
    v.fov = fov_;
    v.observation = &*observation_;
    return v;
}

void SkyView::paintSky(QPainter& painter, QSizeF size) {
    QElapsedTimer t;
    t.start();
    renderer_->Paint(painter, size, viewPoint(), settings_, options(), counters_);
    lastPaintMs_ = t.nsecsElapsed() / 1e6;
}

QImage SkyView::renderImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintSky(painter, QSizeF(size));
    return image;
}

void SkyView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSky(painter, QSizeF(size()));
}

void SkyView::pan(double lonDeg, double latDeg) {
    // The projection's longitude is -azimuth on the horizontal view (HorizontalDirection).
    if (settings_.horizon)
        setHorizontalView(az_ - lonDeg, alt_ + latDeg, fov_);
    else
        setView(ra_ + lonDeg, dec_ + latDeg, fov_);
}

void SkyView::zoom(double factor) {
    if (settings_.horizon)
        setHorizontalView(az_, alt_, fov_ * factor);
    else
        setView(ra_, dec_, fov_ * factor);
}

void SkyView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !Renderer::SkyArea(QSizeF(size()), options()).contains(e->position())) return;
    dragging_ = true;
    dragFrom_ = e->position();
}

void SkyView::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    // The sky follows the pointer: a pixel is 1/scale radians at the centre.
    const Projection proj = viewPoint().ProjectionOn(Renderer::SkyArea(QSizeF(size()), options()));
    const QPointF d = e->position() - dragFrom_;
    dragFrom_ = e->position();
    const double perPixel = 1.0 / proj.Scale() / kDeg;
    const double cosLat = std::max(0.2, std::cos(proj.Dec() * kDeg));
    pan(d.x() * perPixel / cosLat, d.y() * perPixel);
}

void SkyView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void SkyView::wheelEvent(QWheelEvent* e) { zoom(std::pow(0.85, e->angleDelta().y() / 120.0)); }

void SkyView::keyPressEvent(QKeyEvent* e) {
    const double step = fov_ / 10;
    switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoom(0.85); break;
        case Qt::Key_Minus: zoom(1 / 0.85); break;
        case Qt::Key_Left: pan(step, 0); break;
        case Qt::Key_Right: pan(-step, 0); break;
        case Qt::Key_Up: pan(0, step); break;
        case Qt::Key_Down: pan(0, -step); break;
        default: QWidget::keyPressEvent(e);
    }
}

}  // namespace sky
