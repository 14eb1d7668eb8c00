// SPDX-License-Identifier: BSD-3-Clause
// SkyView: the live sky of the desktop front end. It draws from the engine's properties and
// redraws when asked (refresh), which a host does on every ";Show Sky" (see RedrawTap). With
// "View.Coordinate = Horizon" it shows what the observer of its PlaceTime sees; otherwise the
// J2000 star chart.
#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "desktop/sky/astronomy.h"
#include "desktop/sky/observer.h"
#include "desktop/sky/skycatalog.h"
#include "desktop/sky/skygeometry.h"
#include "desktop/sky/skyrenderer.h"
#include "desktop/sky/skysettings.h"

class CCorQel;
class QSettings;

namespace sky {

class SkyView : public QWidget {
    Q_OBJECT
public:
    // The catalog must outlive the view; the engine may be null (an empty sky).
    SkyView(CCorQel* engine, const Catalog& catalog, QWidget* parent = nullptr);
    ~SkyView() override;

    void setEngine(CCorQel* engine);
    CCorQel* engine() const { return engine_; }

    // Whether the engine asks for the horizontal view.
    bool horizontal() const { return settings_.horizon; }

    // The chart's centre in degrees (J2000) and the field of view across the shorter side of the
    // sky, clamped to Projection::kMinFov..kMaxFov.
    void setView(double raDeg, double decDeg, double fovDeg);
    double centerRa() const { return ra_; }
    double centerDec() const { return dec_; }
    // The horizontal view's centre: azimuth from north through east, altitude.
    void setHorizontalView(double azimuthDeg, double altitudeDeg, double fovDeg);
    double azimuth() const { return az_; }
    double altitude() const { return alt_; }
    double fieldOfView() const { return fov_; }

    // The observer and the clock; the view follows their every change.
    PlaceTime* placeTime() const { return placeTime_; }
    // The observation the sky is drawn for (the clock is read when it ticks, not at each paint).
    const Observation& observation() const { return *observation_; }

    void setAltAzimuthGrid(bool on);
    void setEquatorialGrid(bool on);
    bool altAzimuthGrid() const { return altAzGrid_; }
    bool equatorialGrid() const { return equatorialGrid_; }

    // Twinkling moves while this is on (the default); off, the picture is the same every time.
    void setAnimated(bool on);
    void setLegendVisible(bool on);
    void setLabelsVisible(bool on);

    // The view (both centres, the field, the grids) into or from the group the caller opened.
    void saveState(QSettings& settings) const;
    void restoreState(const QSettings& settings);

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
    PaintOptions options() const;
    ViewPoint viewPoint() const;
    // Moves the centre by degrees of the projection's longitude (east, to the left) and latitude.
    void pan(double lonDeg, double latDeg);
    void zoom(double factor);
    // Reads the clock and the place into the observation.
    void observe();
    void updateTimers();

    CCorQel* engine_;
    std::unique_ptr<Renderer> renderer_;
    Settings settings_;
    Counters counters_;
    MagnitudeMode modeHint_ = MagnitudeMode::Unknown;
    double ra_ = 83.0, dec_ = 5.0, fov_ = 90.0;
    double az_ = 180.0, alt_ = 35.0;
    bool altAzGrid_ = false, equatorialGrid_ = false;
    bool animated_ = true, legend_ = true, labels_ = true;
    PlaceTime* placeTime_;
    std::optional<Observation> observation_;
    QTimer twinkleTimer_, clockTimer_;
    QElapsedTimer clock_;
    QPointF dragFrom_;
    bool dragging_ = false;
    double lastPaintMs_ = 0;
};

}  // namespace sky
