#include "ui/threshold/threshold_panel.h"

#include "domain/analysis/threshold_calculator.h"
#include "domain/analysis/training_zones.h"
#include "domain/exercise/numeric_text.h"
#include "ui/common/twips.h"
#include "ui/common/named_controls.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace kavren {

namespace {

// Text2 and Text3 settle after a couple of exchanges; this bounds a pair that would not.
constexpr int MaxExchangeDepth = 4;

} // namespace

void setCaptionWithPoints(QLabel *label, const QString &caption) {
    label->setText(withDecimalPoints(caption));
}

ThresholdPanel::ThresholdPanel(QWidget *area, const QRect &frameRect, const QRect &zonesRect,
                               CurrentTest &test, std::function<bool()> freezeChecked,
                               std::function<bool()> slidersActive)
    : QObject(area), m_test(test), m_freezeChecked(std::move(freezeChecked)),
      m_slidersActive(std::move(slidersActive)) {
    buildFrame(area, frameRect);
    buildZones(area, zonesRect);
}

void ThresholdPanel::buildFrame(QWidget *area, const QRect &rect) {
    auto *frame = new QGroupBox(tr("Calculate threshold"), area);
    frame->setObjectName(QStringLiteral("Frame7"));
    frame->setGeometry(rect);
    const int row = 330;
    namedControl<QLabel>(frame, nullptr, tr("Speed"), twipsRect(120, 300, 900, 285));
    m_speed = namedControl<QLineEdit>(frame, "Text3", twipsRect(1080, 300, 900, 285));
    m_speed->setAccessibleName(tr("Threshold speed (meter/sec)"));
    m_unitCaptions[0] =
        namedControl<QLabel>(frame, "Label19", tr("meter/sec"), twipsRect(2040, 300, 1400, 285));
    namedControl<QLabel>(frame, nullptr, tr("Hr"), twipsRect(120, 300 + row, 900, 285));
    m_hr = namedControl<QLineEdit>(frame, "Text2", twipsRect(1080, 300 + row, 900, 285));
    m_hr->setAccessibleName(tr("Threshold Hr"));
    namedControl<QLabel>(frame, nullptr, tr("Lactate"), twipsRect(120, 300 + 2 * row, 900, 285));
    m_lactate = namedControl<QLineEdit>(frame, "Text1", twipsRect(1080, 300 + 2 * row, 900, 285));
    m_lactate->setAccessibleName(tr("Threshold lactate"));
    m_pace =
        namedControl<QLabel>(frame, "Label18", QString(), twipsRect(120, 300 + 3 * row, 900, 285));
    m_paceUnit = namedControl<QLabel>(frame, "Label21", tr("min/km"),
                                      twipsRect(1080, 300 + 3 * row, 900, 285));
    m_kmPerHour =
        namedControl<QLabel>(frame, "Label25", QString(), twipsRect(120, 300 + 4 * row, 900, 285));
    m_unitCaptions[1] = namedControl<QLabel>(frame, "Label60", tr("km/h"),
                                             twipsRect(1080, 300 + 4 * row, 900, 285));
    m_metresPerMinute =
        namedControl<QLabel>(frame, "Label65", QString(), twipsRect(120, 300 + 5 * row, 900, 285));
    m_unitCaptions[2] = namedControl<QLabel>(frame, "Label66", tr("meter/min"),
                                             twipsRect(1080, 300 + 5 * row, 900, 285));
    m_secondsPer200m =
        namedControl<QLabel>(frame, "Label58", QString(), twipsRect(120, 300 + 6 * row, 900, 285));
    m_unitCaptions[3] = namedControl<QLabel>(frame, "Label61", tr("sec/200m"),
                                             twipsRect(1080, 300 + 6 * row, 900, 285));

    m_hrSlider = new QSlider(Qt::Horizontal, frame);
    m_hrSlider->setObjectName(QStringLiteral("Slider1"));
    m_hrSlider->setRange(120, 240);
    m_hrSlider->setValue(120);
    m_hrSlider->setGeometry(twipsRect(2040, 300 + row, 1440, 285));
    m_hrSlider->setAccessibleName(tr("Threshold Hr slider"));
    m_lactateSlider = new QSlider(Qt::Horizontal, frame);
    m_lactateSlider->setObjectName(QStringLiteral("Slider2"));
    m_lactateSlider->setRange(0, 120);
    m_lactateSlider->setGeometry(twipsRect(2040, 300 + 2 * row, 1440, 285));
    m_lactateSlider->setAccessibleName(tr("Threshold lactate slider"));

    connect(m_speed, &QLineEdit::textChanged, this, &ThresholdPanel::speedChanged);
    connect(m_hr, &QLineEdit::textChanged, this, &ThresholdPanel::hrChanged);
    connect(m_lactate, &QLineEdit::textChanged, this, &ThresholdPanel::lactateChanged);
    // Only the user's own typing is told that a unit is missing; the program's changes of the
    // field (clearing it after a save) never raise the message.
    connect(m_lactate, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (lactateFieldChanged(text, m_test.speedUnit, m_freezeChecked()).showSelectSpeed)
            emit unitMissing();
    });
    connect(m_hrSlider, &QSlider::sliderMoved, this, &ThresholdPanel::hrSliderScrolled);
    connect(m_lactateSlider, &QSlider::sliderMoved, this, &ThresholdPanel::lactateSliderScrolled);
    // A click on the groove or a key moves the handle as a drag would.
    connect(m_hrSlider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            hrSliderScrolled(m_hrSlider->sliderPosition());
    });
    connect(m_lactateSlider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            lactateSliderScrolled(m_lactateSlider->sliderPosition());
    });
    m_hr->installEventFilter(this);
    m_hrSlider->installEventFilter(this);
    m_lactateSlider->installEventFilter(this);
}

void ThresholdPanel::buildZones(QWidget *area, const QRect &rect) {
    auto *zones = new QGroupBox(area);
    zones->setObjectName(QStringLiteral("ZoneFrame"));
    zones->setGeometry(rect);
    namedControl<QLabel>(
        zones, "Label63",
        //: The five training zones, each name over its field below; keep the spacing.
        tr("Very light         Light        Moderate       Hard          Max "),
        twipsRect(1200, 60, 7000, 285));
    for (int i = 0; i < 5; ++i)
        m_zones[std::size_t(i)] = namedControl<QLabel>(zones, nullptr, QString(),
                                                       twipsRect(1200 + i * 1400, 360, 1300, 285));
    for (int i = 0; i < 5; ++i)
        m_zones[std::size_t(i)]->setObjectName(QStringLiteral("Label64(%1)").arg(i));
    namedControl<QLabel>(zones, nullptr, tr("Recovery"), twipsRect(120, 660, 1000, 285));
    m_recoveryHard = namedControl<QLabel>(zones, "label68", QString(),
                                          twipsRect(1200 + 3 * 1400, 660, 1300, 285));
    m_recoveryMax = namedControl<QLabel>(zones, "Label69", QString(),
                                         twipsRect(1200 + 4 * 1400, 660, 1300, 285));
    namedControl<QLabel>(zones, nullptr, tr("%"), twipsRect(120, 360, 300, 285));
    m_percentage = namedControl<QLineEdit>(zones, "Text58", twipsRect(420, 360, 600, 285));
    m_percentage->setAccessibleName(tr("Recovery, % of the zones"));
    connect(m_percentage, &QLineEdit::textChanged, this, &ThresholdPanel::percentageChanged);
}

bool ThresholdPanel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_hrSlider || watched == m_lactateSlider)) {
        const bool hrSlider = watched == m_hrSlider;
        QMetaObject::invokeMethod(
            this, [this, hrSlider] { emit sliderReleased(hrSlider); }, Qt::QueuedConnection);
        return false;
    }
    if (watched == m_hr && event->type() == QEvent::MouseButtonDblClick) {
        if (const auto lactate = lactateAtSpeed(readNumber(m_speed->text()), m_test.fit))
            m_lactate->setText(*lactate);
        emit thresholdRequested();
        return true;
    }
    return false;
}

void ThresholdPanel::setIfDifferent(QLineEdit *field, const QString &text) {
    if (field->text() != text && m_exchangeDepth < MaxExchangeDepth) {
        ++m_exchangeDepth;
        field->setText(text);
        --m_exchangeDepth;
    }
}

void ThresholdPanel::speedChanged() {
    const SpeedFieldsUpdate update = speedFieldChanged(m_speed->text(), m_test.fit);
    setIfDifferent(m_speed, update.speedText);
    if (update.hrText)
        setIfDifferent(m_hr, *update.hrText);
    if (update.pace)
        setCaptionWithPoints(m_pace, *update.pace);
    m_paceUnit->setText(update.paceUnit);
    if (update.kmPerHour)
        setCaptionWithPoints(m_kmPerHour, *update.kmPerHour);
    if (update.secondsPer200m)
        setCaptionWithPoints(m_secondsPer200m, *update.secondsPer200m);
    if (update.metresPerMinute)
        setCaptionWithPoints(m_metresPerMinute, *update.metresPerMinute);
}

void ThresholdPanel::hrChanged() {
    if (const auto speed = hrFieldChanged(m_hr->text(), m_test.fitDouble, m_test.fit))
        setIfDifferent(m_speed, *speed);
}

void ThresholdPanel::lactateChanged() {
    const LactateFieldReaction reaction =
        lactateFieldChanged(m_lactate->text(), m_test.speedUnit, m_freezeChecked());
    if (reaction.newText)
        setIfDifferent(m_lactate, *reaction.newText);
}

void ThresholdPanel::hrSliderScrolled(int value) {
    if (!m_slidersActive())
        return;
    if (const auto speed = kavren::hrSliderScrolled(value, m_test.fitDouble))
        m_speed->setText(*speed);
}

void ThresholdPanel::lactateSliderScrolled(int value) {
    if (!m_slidersActive())
        return;
    const LactateSliderUpdate update =
        kavren::lactateSliderScrolled(value, m_test.fit, m_test.hrOnly);
    if (update.speedText)
        m_speed->setText(*update.speedText);
    if (update.lactateText)
        m_lactate->setText(*update.lactateText);
}

QString ThresholdPanel::thresholdLactateText() const {
    return m_lactate->text();
}

QString ThresholdPanel::thresholdHrText() const {
    return m_hr->text();
}

QString ThresholdPanel::thresholdSpeedText() const {
    return m_speed->text();
}

void ThresholdPanel::showThresholdLactate(const QString &lactate) {
    m_lactate->setText(lactate);
}

void ThresholdPanel::setLactateSliderMaximum(int maximum) {
    m_lactateSlider->setMaximum(maximum);
}

void ThresholdPanel::setSliderValue(bool hrSlider, int value) {
    (hrSlider ? m_hrSlider : m_lactateSlider)->setValue(value);
}

void ThresholdPanel::clampSpeed() {
    if (const auto clamped = clampedThresholdSpeed(readNumber(m_speed->text())))
        m_speed->setText(*clamped);
}

void ThresholdPanel::showZonesFor(const QString &maxHrText) {
    const auto zones = trainingZones(maxHrText);
    if (!zones)
        return;
    m_test.maxHr = zones->maxHr;
    for (std::size_t i = 0; i < m_zones.size(); ++i)
        m_zones[i]->setText(zones->captions[i]);
}

QString ThresholdPanel::paceText() const {
    return m_pace->text();
}

std::array<QString, 5> ThresholdPanel::zoneTexts() const {
    std::array<QString, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = m_zones[i]->text();
    return texts;
}

void ThresholdPanel::showUnit(SpeedUnit unit) {
    const bool recovery = unit == SpeedUnit::RecoveryTime;
    m_hrSlider->setEnabled(!recovery);
    m_lactateSlider->setEnabled(!recovery);
    if (recovery)
        for (QLabel *caption : m_unitCaptions)
            caption->setEnabled(false);
    m_paceUnit->setText(unitLabelCaption(unit));
}

void ThresholdPanel::setPaceUnit(const QString &caption) {
    m_paceUnit->setText(caption);
}

void ThresholdPanel::clearThreshold() {
    // The fields first: emptying the speed may write the other units, which are emptied after.
    for (QLineEdit *field : {m_lactate, m_hr, m_speed})
        field->clear();
    for (QLabel *label : {m_pace, m_kmPerHour, m_secondsPer200m, m_metresPerMinute})
        label->clear();
}

void ThresholdPanel::clear() {
    for (QLineEdit *field : {m_lactate, m_hr, m_speed, m_percentage})
        field->clear();
    for (QLabel *label :
         {m_pace, m_kmPerHour, m_secondsPer200m, m_metresPerMinute, m_recoveryHard, m_recoveryMax})
        label->clear();
    for (QLabel *zone : m_zones)
        zone->clear();
}

void ThresholdPanel::percentageChanged() {
    const RecoveryRow row = recoveryRow(m_percentage->text(), m_test.maxHr, m_test.scale.hrAxisMax);
    if (row.clearPercentage) {
        m_percentage->clear();
        return;
    }
    if (row.hardCaption)
        m_recoveryHard->setText(*row.hardCaption);
    if (row.maxCaption)
        m_recoveryMax->setText(*row.maxCaption);
}

void ThresholdPanel::setSliders(int hr, int lactate) {
    m_hrSlider->setValue(hr);
    m_lactateSlider->setValue(lactate);
}

void ThresholdPanel::setHrSlider(int hr) {
    m_hrSlider->setValue(hr);
}

} // namespace kavren
