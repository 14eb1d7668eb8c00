// SPDX-License-Identifier: BSD-3-Clause
// The observer of the horizontal view: a place (a Japanese city of a short list, or one typed) and
// a time (now, running on from a chosen instant, or paused). These are the desktop's own settings,
// kept beside its window geometry; they never become engine properties.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QSettings;

namespace sky {

struct Place {
    QString name = QStringLiteral("東京");
    double latitude = 35.6895;    // degrees, north positive
    double longitude = 139.6917;  // degrees, east positive
    double elevation = 40;        // metres
    int utcOffset = 9 * 60;       // minutes the local time is ahead of UTC

    bool operator==(const Place&) const = default;
    // The ranges a place may take; a saved place outside them is not used.
    static constexpr double kMinElevation = -500, kMaxElevation = 9000;
    static constexpr int kMinOffset = -12 * 60, kMaxOffset = 14 * 60;
    bool Valid() const;
};

// A number kept in settings as text with '.' (QString::number), read back whatever the locale;
// false, leaving value, when the key holds none.
bool ReadNumber(const QSettings& settings, const QString& key, double& value);
QString NumberText(double value);

// Japanese cities to choose from, north to south; the first default is Tokyo.
const std::vector<Place>& BuiltInPlaces();
// "UTC+9:00", "UTC-3:30"
QString OffsetText(int minutes);
// "北緯35.69° 東経139.69°"
QString CoordinatesText(const Place& place);

class PlaceTime : public QObject {
    Q_OBJECT
public:
    enum class Mode { Now, Running, Paused };
    // "現在時刻", "指定時刻から進行中", "一時停止中"
    static QString ModeText(Mode mode);

    explicit PlaceTime(QObject* parent = nullptr);

    const Place& place() const { return place_; }
    void setPlace(const Place& place);

    Mode mode() const { return mode_; }
    // The instant shown, UTC.
    QDateTime time() const;
    // The instant shown as the place's local time.
    QDateTime localTime() const;
    // Shows this instant: a paused clock stays paused, otherwise the time runs on from it.
    void setTime(const QDateTime& utc);
    void step(qint64 seconds);
    void pause();
    void resume();
    void backToNow();

    // The clock "now" is read from (tests fix it).
    void setNowSource(std::function<QDateTime()> now);

    // Saves into or loads from the group the caller has opened; a value that cannot be read keeps
    // what was there.
    void save(QSettings& settings) const;
    void load(const QSettings& settings);

signals:
    void changed();

private:
    QDateTime now() const;

    Place place_;
    Mode mode_ = Mode::Now;
    qint64 offsetMs_ = 0;  // running: ahead of now by this much
    QDateTime paused_;     // paused: the instant shown
    std::function<QDateTime()> now_;
};

}  // namespace sky
