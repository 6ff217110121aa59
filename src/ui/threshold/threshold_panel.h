// The frame "Calculate threshold" (Frame7: threshold speed, heart rate and lactate with the speed
// shown as pace, km/h, m/min and seconds per 200 m), the two threshold sliders and the training
// zones of the maximum heart rate. The fields convert into each other through the fitted curves
// of the test on screen; a double-click on the heart rate asks the window for the threshold cross.
#pragma once

#include "domain/exercise/current_exercise.h"
#include "domain/exercise/speed_unit.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

namespace kavren {

class ThresholdPanel : public QObject {
    Q_OBJECT
public:
    // freezeChecked tells whether "Freeze curve" is ticked; slidersActive whether scrolling a
    // slider may change the threshold now.
    ThresholdPanel(QWidget *area, const QRect &frameRect, const QRect &zonesRect, CurrentTest &test,
                   std::function<bool()> freezeChecked, std::function<bool()> slidersActive);

    // Puts the heart-rate slider (Slider1) and the lactate slider (Slider2) where the program
    // sets them, as a drag would leave them but without a release.
    void setSliders(int hr, int lactate);
    void setHrSlider(int hr);

    // The threshold pace (Label18) and the five training zones (Label64(0…4)) as shown.
    QString paceText() const;
    std::array<QString, 5> zoneTexts() const;
    // The threshold as shown: lactate (Text1), heart rate (Text2) and speed in m/s (Text3).
    QString thresholdLactateText() const;
    QString thresholdHrText() const;
    QString thresholdSpeedText() const;
    // The lactate at the threshold, as the threshold cross found it.
    void showThresholdLactate(const QString &lactate);
    // The lactate slider (Slider2) runs in tenths of mmol/l up to this.
    void setLactateSliderMaximum(int maximum);
    // Puts the heart-rate slider (Slider1) or the lactate slider (Slider2) at this value.
    void setSliderValue(bool hrSlider, int value);

    // The threshold speed clamped to the graph (4…15 m/s) before the cross is drawn.
    void clampSpeed();
    // A chosen unit: the pace caption (Label21) names it; a recovery test has no threshold speed,
    // so its sliders and the captions of the speed in other units are disabled.
    void showUnit(SpeedUnit unit);
    // The pace caption (Label21), as a loaded test gives it.
    void setPaceUnit(const QString &caption);
    // Empties the threshold speed, heart rate and lactate and the speed in other units.
    void clearThreshold();
    // Empties everything the panel shows: the threshold, the percentage with its recovery row
    // and the training zones.
    void clear();

public slots:
    // The maximum heart rate changed: the training zones of a readable value are shown.
    void showZonesFor(const QString &maxHrText);

signals:
    // A double-click on the heart rate: the window runs the threshold calculator.
    void thresholdRequested();
    // The threshold lactate changed with no unit chosen.
    void unitMissing();
    // The heart-rate slider (Slider1) or the lactate slider (Slider2) was let go, after a drag of
    // its handle or a click on its groove; told once the slider has taken the click.
    void sliderReleased(bool hrSlider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame(QWidget *area, const QRect &rect);
    void buildZones(QWidget *area, const QRect &rect);
    void speedChanged();
    void hrChanged();
    void lactateChanged();
    void hrSliderScrolled(int value);
    void lactateSliderScrolled(int value);
    void percentageChanged();
    void setIfDifferent(QLineEdit *field, const QString &text);

    CurrentTest &m_test;
    std::function<bool()> m_freezeChecked;
    std::function<bool()> m_slidersActive;
    QLineEdit *m_speed = nullptr;
    QLineEdit *m_hr = nullptr;
    QLineEdit *m_lactate = nullptr;
    QLabel *m_pace = nullptr;                 // Label18
    QLabel *m_paceUnit = nullptr;             // Label21
    std::array<QLabel *, 4> m_unitCaptions{}; // Label19, Label60, Label66, Label61
    QLabel *m_kmPerHour = nullptr;            // Label25
    QLabel *m_secondsPer200m = nullptr;       // Label58
    QLabel *m_metresPerMinute = nullptr;      // Label65
    QSlider *m_hrSlider = nullptr;
    QSlider *m_lactateSlider = nullptr;
    QLineEdit *m_percentage = nullptr; // Text58
    std::array<QLabel *, 5> m_zones{}; // Label64(0…4)
    QLabel *m_recoveryHard = nullptr;  // label68
    QLabel *m_recoveryMax = nullptr;   // Label69
    int m_exchangeDepth = 0;           // Text2 and Text3 write each other until nothing changes
};

// Sets a label's caption with every "," written as "." (the threshold captions keep points).
void setCaptionWithPoints(QLabel *label, const QString &caption);

} // namespace kavren
