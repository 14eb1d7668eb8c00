// SPDX-License-Identifier: BSD-3-Clause
// The small window "場所と時刻": where the sky is seen from (a city of the list, or a place typed
// in) and when (now, a chosen date and time, paused or running, stepped by minutes, hours and
// days). Every change applies at once.
#pragma once

#include <QDialog>
#include <QTimer>

#include "desktop/sky/observer.h"

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

class PlaceTimeWindow : public QDialog {
    Q_OBJECT
public:
    explicit PlaceTimeWindow(sky::PlaceTime& placeTime, QWidget* parent = nullptr);

    QComboBox* PlaceName() const { return name_; }
    QDoubleSpinBox* Latitude() const { return latitude_; }
    QDoubleSpinBox* Longitude() const { return longitude_; }
    QDoubleSpinBox* Elevation() const { return elevation_; }
    QComboBox* UtcOffset() const { return offset_; }
    QDateTimeEdit* DateTime() const { return dateTime_; }
    QPushButton* PauseButton() const { return pause_; }
    QPushButton* NowButton() const { return now_; }
    // The step buttons, from a day back to a day ahead.
    const QList<QPushButton*>& StepButtons() const { return steps_; }
    QLabel* State() const { return state_; }

private:
    void Show();           // the model into the controls
    void TakePlace();      // the controls' place into the model
    void TakeName();       // a name chosen or typed
    void TakeTime();       // the date and time typed

    sky::PlaceTime& placeTime_;
    QComboBox* name_;
    QDoubleSpinBox *latitude_, *longitude_, *elevation_;
    QComboBox* offset_;
    QDateTimeEdit* dateTime_;
    QPushButton *pause_, *now_;
    QList<QPushButton*> steps_;
    QLabel* state_;
    QTimer tick_;
    bool showing_ = false;
};
