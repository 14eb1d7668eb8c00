// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/placetimewindow.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeZone>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* Number(double min, double max, int decimals, const QString& suffix, const QString& tip) {
    auto* box = new QDoubleSpinBox;
    box->setRange(min, max);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setToolTip(tip);
    box->setKeyboardTracking(false);
    // Degrees and metres read and written with '.', as every number of this program, in any locale.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    box->setLocale(c);
    return box;
}

struct Step {
    const char* text;
    qint64 seconds;
};
constexpr Step kSteps[] = {{"−1日", -86400}, {"−1時間", -3600}, {"−10分", -600}, {"−1分", -60},
                           {"+1分", 60},     {"+10分", 600},     {"+1時間", 3600}, {"+1日", 86400}};

}  // namespace

PlaceTimeWindow::PlaceTimeWindow(sky::PlaceTime& placeTime, QWidget* parent)
    : QDialog(parent), placeTime_(placeTime) {
    setWindowTitle(QStringLiteral("場所と時刻"));
    setObjectName(QStringLiteral("placeTimeWindow"));

    name_ = new QComboBox;
    name_->setEditable(true);
    name_->setInsertPolicy(QComboBox::NoInsert);
    for (const sky::Place& p : sky::BuiltInPlaces()) name_->addItem(p.name);
    latitude_ = Number(-90, 90, 4, QStringLiteral("°"), QStringLiteral("北緯が正、南緯が負"));
    longitude_ = Number(-180, 180, 4, QStringLiteral("°"), QStringLiteral("東経が正、西経が負"));
    elevation_ = Number(sky::Place::kMinElevation, sky::Place::kMaxElevation, 0, QStringLiteral(" m"), QStringLiteral("海抜"));
    offset_ = new QComboBox;
    for (int m = sky::Place::kMinOffset; m <= sky::Place::kMaxOffset; m += 15) offset_->addItem(sky::OffsetText(m), m);

    auto* place = new QGroupBox(QStringLiteral("場所"));
    auto* form = new QFormLayout(place);
    form->addRow(QStringLiteral("地名(&N):"), name_);
    form->addRow(QStringLiteral("緯度(&A):"), latitude_);
    form->addRow(QStringLiteral("経度(&O):"), longitude_);
    form->addRow(QStringLiteral("標高(&E):"), elevation_);
    form->addRow(QStringLiteral("時差(&Z):"), offset_);

    dateTime_ = new QDateTimeEdit;
    dateTime_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    dateTime_->setTimeSpec(Qt::UTC);  // holds the place's wall-clock time, free of this machine's zone
    dateTime_->setDateRange(QDate(1800, 1, 1), QDate(2200, 12, 31));
    dateTime_->setKeyboardTracking(false);
    dateTime_->setToolTip(QStringLiteral("その場所の時刻"));
    pause_ = new QPushButton;
    now_ = new QPushButton(QStringLiteral("現在時刻(&T)"));
    state_ = new QLabel;
    auto* time = new QGroupBox(QStringLiteral("日時"));
    auto* grid = new QGridLayout(time);
    grid->addWidget(dateTime_, 0, 0, 1, 4);
    grid->addWidget(state_, 0, 4, 1, 4);
    int column = 0;
    for (const Step& step : kSteps) {
        auto* button = new QPushButton(QString::fromUtf8(step.text));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, s = step.seconds] { placeTime_.step(s); });
        grid->addWidget(button, 1, column++);
        steps_ << button;
    }
    grid->addWidget(pause_, 2, 0, 1, 4);
    grid->addWidget(now_, 2, 4, 1, 4);
    for (QPushButton* b : {pause_, now_}) b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(place);
    layout->addWidget(time);

    connect(name_, &QComboBox::activated, this, [this] { TakeName(); });
    connect(name_->lineEdit(), &QLineEdit::editingFinished, this, [this] { TakeName(); });
    for (QDoubleSpinBox* box : {latitude_, longitude_, elevation_})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { TakePlace(); });
    connect(offset_, &QComboBox::currentIndexChanged, this, [this] { TakePlace(); });
    connect(dateTime_, &QDateTimeEdit::dateTimeChanged, this, [this] { TakeTime(); });
    connect(pause_, &QPushButton::clicked, this, [this] {
        if (placeTime_.mode() == sky::PlaceTime::Mode::Paused)
            placeTime_.resume();
        else
            placeTime_.pause();
    });
    connect(now_, &QPushButton::clicked, &placeTime_, &sky::PlaceTime::backToNow);
    connect(&placeTime_, &sky::PlaceTime::changed, this, &PlaceTimeWindow::Show);
    // A running clock shows its seconds, except while the person types a time.
    tick_.setInterval(1000);
    connect(&tick_, &QTimer::timeout, this, [this] {
        if (placeTime_.mode() != sky::PlaceTime::Mode::Paused && !dateTime_->hasFocus()) Show();
    });
    tick_.start();
    Show();
}

void PlaceTimeWindow::Show() {
    showing_ = true;
    const sky::Place& p = placeTime_.place();
    if (name_->currentText() != p.name) name_->setEditText(p.name);
    latitude_->setValue(p.latitude);
    longitude_->setValue(p.longitude);
    elevation_->setValue(p.elevation);
    offset_->setCurrentIndex(offset_->findData(p.utcOffset));
    if (!dateTime_->hasFocus() || placeTime_.mode() == sky::PlaceTime::Mode::Paused) {
        const QDateTime local = placeTime_.localTime();
        dateTime_->setDateTime(QDateTime(local.date(), local.time(), Qt::UTC));
    }
    const bool paused = placeTime_.mode() == sky::PlaceTime::Mode::Paused;
    pause_->setText(paused ? QStringLiteral("再開(&R)") : QStringLiteral("一時停止(&P)"));
    state_->setText(sky::PlaceTime::ModeText(placeTime_.mode()));
    showing_ = false;
}

void PlaceTimeWindow::TakePlace() {
    if (showing_) return;
    sky::Place p = placeTime_.place();
    p.name = name_->currentText().trimmed();
    p.latitude = latitude_->value();
    p.longitude = longitude_->value();
    p.elevation = elevation_->value();
    if (offset_->currentIndex() >= 0) p.utcOffset = offset_->currentData().toInt();
    placeTime_.setPlace(p);
}

void PlaceTimeWindow::TakeName() {
    if (showing_) return;
    const QString name = name_->currentText().trimmed();
    if (name.isEmpty()) {
        Show();
        return;
    }
    // A city of the list brings its coordinates; any other name is the name of the place shown.
    for (const sky::Place& p : sky::BuiltInPlaces())
        if (p.name == name) {
            placeTime_.setPlace(p);
            return;
        }
    TakePlace();
}

void PlaceTimeWindow::TakeTime() {
    if (showing_) return;
    const QDateTime typed = dateTime_->dateTime();
    placeTime_.setTime(QDateTime(typed.date(), typed.time(), QTimeZone(placeTime_.place().utcOffset * 60)));
}
