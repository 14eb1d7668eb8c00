// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/observer.h"

#include <QSettings>
#include <cmath>
#include <cstdlib>

namespace sky {
bool ReadNumber(const QSettings& s, const QString& key, double& value) {
    bool ok = false;
    const double v = s.value(key).toString().toDouble(&ok);
    if (ok && std::isfinite(v)) value = v;
    return ok && std::isfinite(v);
}

QString NumberText(double v) { return QString::number(v, 'g', 10); }

bool Place::Valid() const {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::isfinite(elevation) && std::fabs(latitude) <= 90 &&
           std::fabs(longitude) <= 180 && elevation >= kMinElevation && elevation <= kMaxElevation &&
           utcOffset >= kMinOffset && utcOffset <= kMaxOffset;
}

const std::vector<Place>& BuiltInPlaces() {
    // City halls (the prefectural office for Tokyo), ground elevation rounded.
    static const std::vector<Place> places = {
        {QStringLiteral("札幌"), 43.0621, 141.3544, 20, 540},  {QStringLiteral("仙台"), 38.2682, 140.8694, 40, 540},
        {QStringLiteral("新潟"), 37.9162, 139.0364, 5, 540},   {QStringLiteral("東京"), 35.6895, 139.6917, 40, 540},
        {QStringLiteral("金沢"), 36.5613, 136.6562, 10, 540},  {QStringLiteral("名古屋"), 35.1815, 136.9066, 15, 540},
        {QStringLiteral("京都"), 35.0116, 135.7681, 45, 540},  {QStringLiteral("大阪"), 34.6937, 135.5023, 5, 540},
        {QStringLiteral("広島"), 34.3853, 132.4553, 5, 540},   {QStringLiteral("高知"), 33.5597, 133.5311, 5, 540},
        {QStringLiteral("福岡"), 33.5904, 130.4017, 5, 540},   {QStringLiteral("鹿児島"), 31.5966, 130.5571, 5, 540},
        {QStringLiteral("那覇"), 26.2124, 127.6809, 10, 540},  {QStringLiteral("石垣"), 24.3407, 124.1557, 5, 540},
    };
    return places;
}

QString OffsetText(int minutes) {
    const int a = std::abs(minutes);
    return QStringLiteral("UTC%1%2:%3").arg(minutes < 0 ? QChar(u'-') : QChar(u'+')).arg(a / 60).arg(a % 60, 2, 10, QLatin1Char('0'));
}

QString CoordinatesText(const Place& p) {
    return QStringLiteral("%1%2° %3%4°")
        .arg(p.latitude < 0 ? QStringLiteral("南緯") : QStringLiteral("北緯"))
        .arg(std::fabs(p.latitude), 0, 'f', 2)
        .arg(p.longitude < 0 ? QStringLiteral("西経") : QStringLiteral("東経"))
        .arg(std::fabs(p.longitude), 0, 'f', 2);
}

PlaceTime::PlaceTime(QObject* parent) : QObject(parent), now_([] { return QDateTime::currentDateTimeUtc(); }) {}

QDateTime PlaceTime::now() const { return now_().toUTC(); }

void PlaceTime::setNowSource(std::function<QDateTime()> now) {
    now_ = std::move(now);
    emit changed();
}

void PlaceTime::setPlace(const Place& place) {
    if (!place.Valid() || place == place_) return;
    place_ = place;
    emit changed();
}

QDateTime PlaceTime::time() const {
    switch (mode_) {
        case Mode::Now: return now();
        case Mode::Running: return now().addMSecs(offsetMs_);
        case Mode::Paused: break;
    }
    return paused_;
}

QDateTime PlaceTime::localTime() const { return time().toOffsetFromUtc(place_.utcOffset * 60); }

void PlaceTime::setTime(const QDateTime& utc) {
    if (!utc.isValid()) return;
    if (mode_ == Mode::Paused) {
        paused_ = utc.toUTC();
    } else {
        mode_ = Mode::Running;
        offsetMs_ = now().msecsTo(utc);
    }
    emit changed();
}

void PlaceTime::step(qint64 seconds) { setTime(time().addSecs(seconds)); }

void PlaceTime::pause() {
    if (mode_ == Mode::Paused) return;
    paused_ = time();
    mode_ = Mode::Paused;
    emit changed();
}

void PlaceTime::resume() {
    if (mode_ != Mode::Paused) return;
    offsetMs_ = now().msecsTo(paused_);
    mode_ = Mode::Running;
    emit changed();
}

void PlaceTime::backToNow() {
    mode_ = Mode::Now;
    offsetMs_ = 0;
    emit changed();
}

QString PlaceTime::ModeText(Mode mode) {
    switch (mode) {
        case Mode::Now: return QStringLiteral("現在時刻");
        case Mode::Running: return QStringLiteral("指定時刻から進行中");
        case Mode::Paused: break;
    }
    return QStringLiteral("一時停止中");
}

void PlaceTime::save(QSettings& s) const {
    s.setValue(QStringLiteral("name"), place_.name);
    s.setValue(QStringLiteral("latitude"), NumberText(place_.latitude));
    s.setValue(QStringLiteral("longitude"), NumberText(place_.longitude));
    s.setValue(QStringLiteral("elevation"), NumberText(place_.elevation));
    s.setValue(QStringLiteral("utcOffset"), place_.utcOffset);
    static const char* const kModes[] = {"now", "running", "paused"};
    s.setValue(QStringLiteral("mode"), QLatin1String(kModes[static_cast<int>(mode_)]));
    s.setValue(QStringLiteral("offset"), QString::number(offsetMs_ / 1000.0, 'f', 3));
    s.setValue(QStringLiteral("time"), (mode_ == Mode::Paused ? paused_ : time()).toString(Qt::ISODateWithMs));
}

void PlaceTime::load(const QSettings& s) {
    Place p = place_;
    p.name = s.value(QStringLiteral("name"), p.name).toString();
    ReadNumber(s, QStringLiteral("latitude"), p.latitude);
    ReadNumber(s, QStringLiteral("longitude"), p.longitude);
    ReadNumber(s, QStringLiteral("elevation"), p.elevation);
    double offset = p.utcOffset;
    if (ReadNumber(s, QStringLiteral("utcOffset"), offset)) p.utcOffset = static_cast<int>(std::lround(offset));
    if (p.Valid()) place_ = p;

    const QString mode = s.value(QStringLiteral("mode")).toString();
    const QDateTime at = QDateTime::fromString(s.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    double ahead = 0;
    if (mode == QLatin1String("now")) {
        mode_ = Mode::Now, offsetMs_ = 0;
    } else if (mode == QLatin1String("running") && ReadNumber(s, QStringLiteral("offset"), ahead) && std::fabs(ahead) < 1e12) {
        mode_ = Mode::Running, offsetMs_ = std::llround(ahead * 1000);
    } else if (mode == QLatin1String("paused") && at.isValid()) {
        mode_ = Mode::Paused, paused_ = at.toUTC();
    }
    emit changed();
}

}  // namespace sky
