// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace sky {

SkyView::SkyView(CCorQel* engine, const Catalog& catalog, QWidget* parent)
    : QWidget(parent), engine_(engine), renderer_(std::make_unique<Renderer>(catalog)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    twinkleTimer_.setInterval(80);
    connect(&twinkleTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    clock_.start();
    refresh();
}

SkyView::~SkyView() = default;

void SkyView::setEngine(CCorQel* engine) {
    engine_ = engine;
    refresh();
}

void SkyView::setView(double raDeg, double decDeg, double fovDeg) {
    ra_ = std::fmod(std::fmod(raDeg, 360.0) + 360.0, 360.0);
    dec_ = std::clamp(decDeg, -90.0, 90.0);
    fov_ = std::clamp(fovDeg, Projection::kMinFov, Projection::kMaxFov);
    update();
    emit viewChanged();
}

void SkyView::setAnimated(bool on) {
    animated_ = on;
    updateTimer();
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

void SkyView::noteScript(const QString& script) { modeHint_ = MagnitudeModeOfScript(script, modeHint_); }

void SkyView::refresh() {
    settings_ = ReadSettings(engine_, modeHint_);
    updateTimer();
    update();
}

void SkyView::updateTimer() {
    if (animated_ && settings_.stars && settings_.twinkle)
        twinkleTimer_.start();
    else
        twinkleTimer_.stop();
}

void SkyView::paintSky(QPainter& painter, QSizeF size) {
    QElapsedTimer t;
    t.start();
    const Projection proj(ra_, dec_, fov_, size.width(), size.height());
    PaintOptions options;
    options.time = animated_ ? clock_.elapsed() / 1000.0 : 0.0;
    options.legend = legend_;
    options.labels = labels_;
    renderer_->Paint(painter, size, proj, settings_, options, counters_);
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

void SkyView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = true;
    dragFrom_ = e->position();
}

void SkyView::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    // The sky follows the pointer: a pixel is 1/scale radians at the centre.
    const Projection proj(ra_, dec_, fov_, width(), height());
    const QPointF d = e->position() - dragFrom_;
    dragFrom_ = e->position();
    const double perPixel = 1.0 / proj.Scale() / kDeg;
    const double cosDec = std::max(0.2, std::cos(dec_ * kDeg));
    setView(ra_ + d.x() * perPixel / cosDec, dec_ + d.y() * perPixel, fov_);
}

void SkyView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void SkyView::wheelEvent(QWheelEvent* e) {
    const double steps = e->angleDelta().y() / 120.0;
    setView(ra_, dec_, fov_ * std::pow(0.85, steps));
}

void SkyView::keyPressEvent(QKeyEvent* e) {
    const double step = fov_ / 10;
    switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: setView(ra_, dec_, fov_ * 0.85); break;
        case Qt::Key_Minus: setView(ra_, dec_, fov_ / 0.85); break;
        case Qt::Key_Left: setView(ra_ + step, dec_, fov_); break;
        case Qt::Key_Right: setView(ra_ - step, dec_, fov_); break;
        case Qt::Key_Up: setView(ra_, dec_ + step, fov_); break;
        case Qt::Key_Down: setView(ra_, dec_ - step, fov_); break;
        default: QWidget::keyPressEvent(e);
    }
}

}  // namespace sky
