#include "ui/entry/entry_panel.h"

#include "domain/exercise/numeric_text.h"
#include "domain/exercise/plausible_values.h"
#include "ui/common/twips.h"
#include "ui/common/named_controls.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace kavren {

namespace {

// Turns a typed "," into "." before it reaches a step field, and a typed ":" too in a field that
// takes times (3:20 min/km means 3.20).
class DecimalCommaFilter : public QObject {
public:
    DecimalCommaFilter(QObject *parent, std::function<bool(QObject *)> colonIsPoint)
        : QObject(parent), m_colonIsPoint(std::move(colonIsPoint)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (!field || (key->text() != u"," && (key->text() != u":" || !m_colonIsPoint(field))))
            return false;
        field->insert(QStringLiteral("."));
        return true;
    }

private:
    std::function<bool(QObject *)> m_colonIsPoint;
};

// Turns a typed lower-case letter a..z into its capital in the comments; å, ä, ö stay as typed.
class CapitalLetterFilter : public QObject {
public:
    explicit CapitalLetterFilter(QPlainTextEdit *editor) : QObject(editor), m_editor(editor) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != m_editor || event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() != 1 || text[0] < u'a' || text[0] > u'z')
            return false;
        m_editor->insertPlainText(text.toUpper());
        return true;
    }

private:
    QPlainTextEdit *m_editor;
};

struct IdentityField {
    const char *name;
    const char *caption;
};

constexpr IdentityField IdentityFields[] = {
    {"Text4", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Name")},
    {"Text5", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Breed")},
    {"Text6", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Age")},
    {"Text7", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Sex")},
    {"Text8", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Stable/Track")},
    {"Text60", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Trainer")},
    {"Text21", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Max Hr")},
    //: The horse's resting heart rate.
    {"Text57", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Vilopuls")},
};

static_assert(std::size(IdentityFields) == std::size_t(HorseField::RestHr) + 1,
              "one identity field for each HorseField");

// The property that tells a field holds an implausible value.
constexpr char ImplausibleProperty[] = "implausible";

constexpr int GridTop = 4230;
constexpr int RowHeight = 300;
constexpr int FieldHeight = 285;

} // namespace

void keepDecimalPoints(QLineEdit *field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        if (!text.contains(u','))
            return;
        const int cursor = field->cursorPosition();
        field->setText(withDecimalPoints(text));
        field->setCursorPosition(cursor);
    });
}

EntryPanel::EntryPanel(QWidget *area) : QObject(area) {
    buildIdentity(area);
    buildGrid(area);
    buildUnitOptions(area);
    horseField(HorseField::Trainer)->installEventFilter(this);
}

bool EntryPanel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && watched == horseField(HorseField::Trainer) &&
        static_cast<QFocusEvent *>(event)->reason() == Qt::TabFocusReason)
        emit trainerLeftByTab();
    return QObject::eventFilter(watched, event);
}

void EntryPanel::buildIdentity(QWidget *area) {
    int top = 360;
    for (const IdentityField &f : IdentityFields) {
        const QString name = QString::fromLatin1(f.name);
        namedControl<QLabel>(area, QStringLiteral("Caption") + name, tr(f.caption),
                             twipsRect(60, top, 1100, FieldHeight));
        auto *field = namedControl<QLineEdit>(area, name, twipsRect(1200, top, 2100, FieldHeight));
        field->setAccessibleName(tr(f.caption));
        m_horse[std::size_t(&f - IdentityFields)] = field;
        top += 330;
    }
    connect(horseField(HorseField::MaxHr), &QLineEdit::textChanged, this,
            &EntryPanel::maxHrChanged);
    for (HorseField judged : {HorseField::Age, HorseField::MaxHr})
        connect(horseField(judged), &QLineEdit::textChanged, this,
                &EntryPanel::markImplausibleValues);
    namedControl<QLabel>(area, QStringLiteral("CaptionText56"), tr("Comments"),
                         twipsRect(60, 6400, 1100, FieldHeight));
    m_comments = new QPlainTextEdit(area);
    m_comments->setObjectName(QStringLiteral("Text56"));
    m_comments->setAccessibleName(tr("Comments"));
    m_comments->setGeometry(twipsRect(60, 6700, 3240, 1500));
    m_comments->installEventFilter(new CapitalLetterFilter(m_comments));
    // Tab leaves the comments rather than typing a tab into them.
    m_comments->setTabChangesFocus(true);
}

void EntryPanel::buildGrid(QWidget *area) {
    // Two lines of caption between the unit options and the grid.
    const int captionTop = GridTop - 570;
    const int captionHeight = 540;
    m_lactateCaption = namedControl<QLabel>(area, QStringLiteral("Label1"), tr(" Lactate (mmol/l)"),
                                            twipsRect(60, captionTop, 660, captionHeight));
    m_lactateCaption->setWordWrap(true);
    namedControl<QLabel>(area, QStringLiteral("Label2"), tr("     Hr (b/min)"),
                         twipsRect(720, captionTop, 660, captionHeight))
        ->setWordWrap(true);
    m_speedCaption =
        namedControl<QLabel>(area, QStringLiteral("Label3"), speedAxisCaption(SpeedUnit::NoUnit),
                             twipsRect(1380, captionTop, 690, captionHeight));
    m_speedCaption->setWordWrap(true);
    //: Caption of the column of speeds in metres per second; the spaces wrap it over two lines.
    namedControl<QLabel>(area, QStringLiteral("Label16"), tr("Tempo      (met/sek)"),
                         twipsRect(2070, captionTop, 630, captionHeight))
        ->setWordWrap(true);

    auto *commaFilter = new DecimalCommaFilter(this, [this](QObject *field) {
        return colonTypedAsPoint(m_unit()) &&
               std::find(m_speed.begin(), m_speed.end(), field) != m_speed.end();
    });
    for (int i = 0; i < StepRows; ++i) {
        const int top = GridTop + RowHeight * i;
        const QString row = QString::number(i + 1);
        m_lactate[std::size_t(i)] =
            namedControl<QLineEdit>(area, "lakt" + row, twipsRect(60, top, 600, FieldHeight));
        m_hr[std::size_t(i)] =
            namedControl<QLineEdit>(area, "puls" + row, twipsRect(720, top, 600, FieldHeight));
        m_speed[std::size_t(i)] =
            namedControl<QLineEdit>(area, "temp" + row, twipsRect(1380, top, 630, FieldHeight));
        m_speedMs[std::size_t(i)] = namedControl<QLineEdit>(area, "Text" + QString::number(15 + i),
                                                            twipsRect(2070, top, 570, FieldHeight));
        m_altSpeed[std::size_t(i)] = namedControl<QLineEdit>(
            area, QStringLiteral("Text49(%1)").arg(i), twipsRect(2700, top, 600, FieldHeight));
        for (QLineEdit *field :
             {m_lactate[std::size_t(i)], m_hr[std::size_t(i)], m_speed[std::size_t(i)]})
            field->installEventFilter(commaFilter);
        m_lactate[std::size_t(i)]->setAccessibleName(stepFieldCaption(PlausibleField::Lactate, i));
        m_hr[std::size_t(i)]->setAccessibleName(stepFieldCaption(PlausibleField::HeartRate, i));
        m_speed[std::size_t(i)]->setAccessibleName(stepFieldCaption(PlausibleField::Speed, i));
        for (QLineEdit *field :
             {m_lactate[std::size_t(i)], m_speed[std::size_t(i)], m_speedMs[std::size_t(i)]})
            keepDecimalPoints(field);
        for (QLineEdit *field :
             {m_lactate[std::size_t(i)], m_hr[std::size_t(i)], m_speed[std::size_t(i)]})
            connect(field, &QLineEdit::textChanged, this, &EntryPanel::markImplausibleValues);
    }
    m_hr[StepRows] =
        namedControl<QLineEdit>(area, QStringLiteral("puls7"),
                                twipsRect(720, GridTop + RowHeight * StepRows, 600, FieldHeight));
    m_hr[StepRows]->hide();
    m_hr[StepRows]->setAccessibleName(tr("Spare heart rate"));
    protectComputedColumns();
    orderTabs();
}

// The converted speeds are the program's: shown, never typed into, and never in the way of Tab.
void EntryPanel::protectComputedColumns() {
    for (std::size_t i = 0; i < StepRows; ++i)
        for (QLineEdit *field : {m_speedMs[i], m_altSpeed[i]}) {
            field->setReadOnly(true);
            field->setFocusPolicy(Qt::NoFocus);
        }
}

// Tab goes from the horse's identity through each step's lactate, heart rate and speed, row by
// row, to the comments; hidden fields (the lactate column of a heart-rate-only test) are skipped.
void EntryPanel::orderTabs() {
    QWidget *previous = horseField(HorseField::RestHr); // the last identity field
    for (std::size_t i = 0; i < StepRows; ++i)
        for (QWidget *field : {m_lactate[i], m_hr[i], m_speed[i]}) {
            QWidget::setTabOrder(previous, field);
            previous = field;
        }
    QWidget::setTabOrder(previous, m_comments);
}

void EntryPanel::buildUnitOptions(QWidget *area) {
    struct Option {
        SpeedUnit unit;
        const char *name;
        const char *caption;
        QRect geometry;
    };
    const Option options[] = {
        {SpeedUnit::KmPerHour, "SSOption4", QT_TRANSLATE_NOOP("kavren::EntryPanel", "km/hour"),
         twipsRect(60, 3060, 1140, FieldHeight)},
        {SpeedUnit::MinPerKm, "SSOption5", QT_TRANSLATE_NOOP("kavren::EntryPanel", "min/km"),
         twipsRect(1200, 3060, 1000, FieldHeight)},
        {SpeedUnit::MetrePerMin, "SSOption6", QT_TRANSLATE_NOOP("kavren::EntryPanel", "met/min"),
         twipsRect(2250, 3060, 1100, FieldHeight)},
        {SpeedUnit::SecPer200m, "SSOption7", QT_TRANSLATE_NOOP("kavren::EntryPanel", "sec/200m"),
         twipsRect(60, 3360, 1140, FieldHeight)},
        {SpeedUnit::RecoveryTime, "Option8", QT_TRANSLATE_NOOP("kavren::EntryPanel", "Recovery"),
         twipsRect(1200, 3360, 1200, FieldHeight)},
    };
    std::size_t index = 0;
    for (const Option &option : options) {
        auto *button = new QRadioButton(tr(option.caption), area);
        button->setObjectName(QString::fromLatin1(option.name));
        button->setGeometry(option.geometry);
        const SpeedUnit unit = option.unit;
        connect(button, &QRadioButton::clicked, this, [this, unit] { emit unitClicked(unit); });
        m_units[index++] = button;
    }
    m_disciplineLabel = namedControl<QLabel>(area, QStringLiteral("Label23"), QString(),
                                             twipsRect(2460, 3360, 840, FieldHeight));
}

void EntryPanel::setUnitSource(std::function<SpeedUnit()> unit) {
    m_unit = std::move(unit);
}

namespace {

// A field holding an implausible value gets a tinted background and the range as its tool tip.
void markPlausibility(QLineEdit *field, PlausibleField kind, SpeedUnit unit) {
    const bool implausible = isImplausible(kind, field->text(), unit);
    if (field->property(ImplausibleProperty).toBool() == implausible)
        return;
    field->setProperty(ImplausibleProperty, implausible);
    field->setToolTip(implausible
                          ? EntryPanel::tr("Implausible value. %1").arg(plausibleRangeText(kind))
                          : QString());
    if (!implausible) {
        field->setPalette(QPalette());
        return;
    }
    QPalette tinted = field->palette();
    tinted.setColor(QPalette::Base, QColor(255, 214, 214));
    field->setPalette(tinted);
}

} // namespace

void EntryPanel::markImplausibleValues() {
    const SpeedUnit unit = m_unit();
    for (std::size_t i = 0; i < StepRows; ++i) {
        markPlausibility(m_lactate[i], PlausibleField::Lactate, unit);
        markPlausibility(m_hr[i], PlausibleField::HeartRate, unit);
        markPlausibility(m_speed[i], PlausibleField::Speed, unit);
    }
    markPlausibility(horseField(HorseField::Age), PlausibleField::Age, unit);
    markPlausibility(horseField(HorseField::MaxHr), PlausibleField::MaxHeartRate, unit);
}

QStringList EntryPanel::implausibleFields() const {
    return kavren::implausibleFields(steps(), m_unit(), horseField(HorseField::Age)->text(),
                                     horseField(HorseField::MaxHr)->text());
}

void EntryPanel::setHeartRates(const QString &maxHr, const QString &restHr) {
    horseField(HorseField::MaxHr)->setText(maxHr);
    horseField(HorseField::RestHr)->setText(restHr);
}

void EntryPanel::clearIdentity() {
    setIdentity({});
}

QRadioButton *EntryPanel::unitOption(SpeedUnit unit) const {
    switch (unit) {
    case SpeedUnit::KmPerHour:
        return m_units[0];
    case SpeedUnit::MinPerKm:
        return m_units[1];
    case SpeedUnit::MetrePerMin:
        return m_units[2];
    case SpeedUnit::SecPer200m:
        return m_units[3];
    case SpeedUnit::RecoveryTime:
        return m_units[4];
    case SpeedUnit::NoUnit:
        break;
    }
    return nullptr;
}

void EntryPanel::showHeartRateOnly() {
    for (QLineEdit *lactate : m_lactate) {
        lactate->setText(kHeartRateOnlyLactateText);
        lactate->hide();
    }
    m_lactateCaption->hide();
}

void EntryPanel::showHrOnlyLactates() {
    for (QLineEdit *lactate : m_lactate)
        lactate->setText(kHeartRateOnlyLactateText);
}

void EntryPanel::showFirstHr(const QString &hr) {
    m_hr[0]->setText(hr);
}

QString EntryPanel::comments() const {
    return m_comments->toPlainText();
}

void EntryPanel::setComments(const QString &comments) {
    m_comments->setPlainText(comments);
}

QString EntryPanel::speedCaptionText() const {
    return m_speedCaption->text();
}

void EntryPanel::focusName() {
    nameField()->setFocus();
}

bool EntryPanel::firstStepTyped() const {
    return !m_lactate[0]->text().isEmpty() || !m_hr[0]->text().isEmpty();
}

void EntryPanel::hideSpareHeartRate() {
    m_hr[StepRows]->hide();
}

bool EntryPanel::checkUnit(SpeedUnit unit) {
    QRadioButton *option = unitOption(unit);
    if (!option)
        return false;
    option->setChecked(true);
    return true;
}

void EntryPanel::uncheckSpeedUnits() {
    for (SpeedUnit unit : {SpeedUnit::KmPerHour, SpeedUnit::MinPerKm, SpeedUnit::MetrePerMin}) {
        // Unticked one by one: an exclusive group would keep one of them ticked.
        QRadioButton *option = unitOption(unit);
        const bool exclusive = option->autoExclusive();
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(exclusive);
    }
}

namespace {

QLineEdit *stepFieldOf(const std::array<QLineEdit *, StepRows> &lactate,
                       const std::array<QLineEdit *, StepRows + 1> &hr,
                       const std::array<QLineEdit *, StepRows> &speed, int row, StepField field) {
    const auto r = std::size_t(std::clamp(row, 0, StepRows - 1));
    return field == StepField::HeartRate ? hr[r]
           : field == StepField::Speed   ? speed[r]
                                         : lactate[r];
}

} // namespace

void EntryPanel::setStepText(int row, StepField field, const QString &text) {
    stepFieldOf(m_lactate, m_hr, m_speed, row, field)->setText(text);
}

void EntryPanel::focusStep(int row, StepField field) {
    stepFieldOf(m_lactate, m_hr, m_speed, row, field)->setFocus();
}

void EntryPanel::showSteps(const TestSteps &steps, int count) {
    for (int i = 0; i < std::min(count, StepRows); ++i) {
        m_lactate[std::size_t(i)]->setText(steps[std::size_t(i)].lactate);
        m_hr[std::size_t(i)]->setText(steps[std::size_t(i)].hr);
        m_speed[std::size_t(i)]->setText(steps[std::size_t(i)].speedText);
    }
}

void EntryPanel::focusFirstShownStep() {
    (m_lactate[0]->isVisible() ? m_lactate[0] : m_hr[0])->setFocus();
}

void EntryPanel::focusHorseField(HorseField field) {
    horseField(field)->setFocus();
}

void EntryPanel::focusFirstStep() {
    QLineEdit *first = m_lactate[0]->isVisibleTo(m_lactate[0]->window()) ? m_lactate[0] : m_hr[0];
    if (first->isVisible())
        first->setFocus();
}

void EntryPanel::showSpeedCaption(const QString &caption) {
    m_speedCaption->setText(caption);
}

void EntryPanel::showDiscipline(const QString &discipline) {
    m_disciplineLabel->setText(shownDiscipline(discipline));
}

void EntryPanel::enableRecoveryOption() {
    unitOption(SpeedUnit::RecoveryTime)->setEnabled(true);
}

void EntryPanel::showFullGrid() {
    setLactateColumnVisible(true);
    for (std::size_t i = 0; i < StepRows; ++i) {
        m_lactate[i]->clear();
        m_hr[i]->clear();
        m_speed[i]->clear();
    }
    for (QLineEdit *speedMs : m_speedMs)
        speedMs->clear();
    for (HorseField field : {HorseField::Name, HorseField::Breed, HorseField::Age, HorseField::Sex})
        horseField(field)->clear();
}

void EntryPanel::setLactateColumnVisible(bool visible) {
    for (QLineEdit *lactate : m_lactate)
        lactate->setVisible(visible);
    m_lactateCaption->setVisible(visible);
}

void EntryPanel::clearSteps() {
    for (std::size_t i = 0; i < StepRows; ++i)
        for (QLineEdit *field : {m_lactate[i], m_hr[i], m_speed[i], m_speedMs[i], m_altSpeed[i]})
            field->clear();
}

TestSteps EntryPanel::steps() const {
    TestSteps rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].speedText = m_speed[i]->text();
        rows[i].lactate = m_lactate[i]->text();
        rows[i].hr = m_hr[i]->text();
        rows[i].speedMs = m_speedMs[i]->text();
        rows[i].altSpeed = m_altSpeed[i]->text();
    }
    return rows;
}

void EntryPanel::showConverted(const TestSteps &rows, int count) {
    for (std::size_t i = 0; i < std::size_t(count) && i < rows.size(); ++i) {
        if (m_speedMs[i]->text() != rows[i].speedMs)
            m_speedMs[i]->setText(rows[i].speedMs);
        if (m_altSpeed[i]->text() != rows[i].altSpeed)
            m_altSpeed[i]->setText(rows[i].altSpeed);
    }
}

HorseIdentity EntryPanel::identity() const {
    const auto text = [this](HorseField part) { return horseField(part)->text(); };
    return {text(HorseField::Name),  text(HorseField::Breed),  text(HorseField::Age),
            text(HorseField::Sex),   text(HorseField::Stable), text(HorseField::Trainer),
            text(HorseField::MaxHr), text(HorseField::RestHr)};
}

void EntryPanel::setIdentity(const HorseIdentity &identity) {
    const std::pair<HorseField, const QString *> parts[] = {
        {HorseField::Name, &identity.name},     {HorseField::Breed, &identity.breed},
        {HorseField::Age, &identity.age},       {HorseField::Sex, &identity.sex},
        {HorseField::Stable, &identity.stable}, {HorseField::Trainer, &identity.trainer},
        {HorseField::MaxHr, &identity.maxHr},   {HorseField::RestHr, &identity.restHr}};
    for (const auto &[part, text] : parts)
        if (horseField(part)->text() != *text)
            horseField(part)->setText(*text);
}

} // namespace kavren
