// SPDX-License-Identifier: BSD-3-Clause
// SkyView: the live sky of the desktop front end. It draws from the engine's properties and
// redraws when asked (refresh), which a host does on every ";Show Sky" (see RedrawTap).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "desktop/sky/skycatalog.h"
#include "desktop/sky/skygeometry.h"
#include "desktop/sky/skyrenderer.h"
#include "desktop/sky/skysettings.h"

class CCorQel;

namespace sky {

class SkyView : public QWidget {
    Q_OBJECT
public:
    // The catalog must outlive the view; the engine may be null (an empty sky).
    SkyView(CCorQel* engine, const Catalog& catalog, QWidget* parent = nullptr);
    ~SkyView() override;

    void setEngine(CCorQel* engine);
    CCorQel* engine() const { return engine_; }

    // Centre in degrees (J2000) and the field of view across the shorter side, clamped to
    // Projection::kMinFov..kMaxFov.
    void setView(double raDeg, double decDeg, double fovDeg);
    double centerRa() const { return ra_; }
    double centerDec() const { return dec_; }
    double fieldOfView() const { return fov_; }

    // Twinkling moves while this is on (the default); off, the picture is the same every time.
    void setAnimated(bool on);
    void setLegendVisible(bool on);
    void setLabelsVisible(bool on);

    // A script on its way to the engine, so that the magnitude mode it chooses is known.
    void noteScript(const QString& script);

    const Settings& settings() const { return settings_; }
    const Counters& counters() const { return counters_; }
    // Paints the whole picture at a size into an image (counters follow), without showing.
    QImage renderImage(QSize size);
    // Milliseconds the last paint took.
    double lastPaintMs() const { return lastPaintMs_; }

public slots:
    // Reads the engine's properties again and schedules a repaint.
    void refresh();

signals:
    void viewChanged();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void paintSky(QPainter& painter, QSizeF size);
    void updateTimer();

    CCorQel* engine_;
    std::unique_ptr<Renderer> renderer_;
    Settings settings_;
    Counters counters_;
    MagnitudeMode modeHint_ = MagnitudeMode::Unknown;
    double ra_ = 83.0, dec_ = 5.0, fov_ = 90.0;
    bool animated_ = true, legend_ = true, labels_ = true;
    QTimer twinkleTimer_;
    QElapsedTimer clock_;
    QPointF dragFrom_;
    bool dragging_ = false;
    double lastPaintMs_ = 0;
};

}  // namespace sky
