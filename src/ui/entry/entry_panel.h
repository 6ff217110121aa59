// The entry controls of the test on screen: the horse's identity, the six step rows (lactate,
// heart rate, speed, metres per second and the second speed column) and the five unit options.
// Typed commas become points, comments are typed in capitals.
#pragma once

#include "domain/exercise/horse_identity.h"
#include "domain/exercise/speed_unit.h"
#include "domain/exercise/exercise_step.h"
#include "io/database/saving.h"

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace kavren {

// The fields of the horse's identity in the order they stand, the heart rates last.
enum class HorseField { Name, Breed, Age, Sex, Stable, Trainer, MaxHr, RestHr };

class EntryPanel : public QObject {
    Q_OBJECT
public:
    // Builds the controls as children of the window area.
    explicit EntryPanel(QWidget *area);

    // The six rows as they are shown.
    TestSteps steps() const;
    // Heart-rate-only display: every lactate becomes 0.1 and the lactate column is hidden.
    void showHeartRateOnly();
    // Back to the full grid: the lactate column is shown again and the step rows and the horse's
    // name, breed, age and sex are emptied.
    void showFullGrid();

    // Shows or hides the lactate column and its caption (the heart-rate-only display).
    void setLactateColumnVisible(bool visible);
    // Empties the step rows, the converted speeds and the second speed column.
    void clearSteps();

    // Writes the converted columns (metres per second, second speed column) of the first rows.
    void showConverted(const TestSteps &steps, int rows);
    // Every lactate field shows the heart-rate-only lactate; the column stays as it is.
    void showHrOnlyLactates();
    // The first step's heart rate, as the calculation sets it.
    void showFirstHr(const QString &hr);
    // The comments (Text56) as typed, and as the program sets them.
    QString comments() const;
    void setComments(const QString &comments);
    // The caption of the speed column (Label3), which names the unit.
    QString speedCaptionText() const;
    // True when the first step holds a lactate or a heart rate: a test is on screen.
    bool firstStepTyped() const;
    // The spare heart-rate field below the grid (puls7) is never shown.
    void hideSpareHeartRate();
    // Ticks a unit option as the program does (without a click); false when the unit has none.
    bool checkUnit(SpeedUnit unit);
    // Unticks the km/h, min/km and m/min options, as emptying the screen does.
    void uncheckSpeedUnits();
    // One step field of row 0…5: its text, set as the program sets it, and the cursor into it.
    void setStepText(int row, StepField field, const QString &text);
    void focusStep(int row, StepField field);
    // The first count rows show these steps' lactate, heart rate and typed speed.
    void showSteps(const TestSteps &steps, int count);
    // The cursor goes to the first step's lactate while it is shown, else to its heart rate.
    void focusFirstShownStep();
    // The cursor goes to one of the horse's fields.
    void focusHorseField(HorseField field);
    // The cursor goes to the horse's name.
    void focusName();
    // The cursor goes to the first step's lactate, or its heart rate while lactate is hidden.
    void focusFirstStep();
    // The caption of the speed column and the discipline (Label23) of the chosen unit.
    void showSpeedCaption(const QString &caption);
    void showDiscipline(const QString &discipline);
    // The recovery option is enabled once it has been chosen.
    void enableRecoveryOption();

    HorseIdentity identity() const;
    // Writes every identity field; a field whose text stays the same is not changed.
    void setIdentity(const HorseIdentity &identity);
    // The maximum (Text21) and resting (Text57) heart rate, as an imported file gives them.
    void setHeartRates(const QString &maxHr, const QString &restHr);
    // Empties every identity field (the maximum heart rate announces its change as typing would).
    void clearIdentity();

signals:
    // A unit option was clicked by the user.
    void unitClicked(kavren::SpeedUnit unit);
    // The maximum heart rate (Text21) changed, typed or set by the program.
    void maxHrChanged(const QString &text);
    // The trainer field, the last one typed before the steps, was left by Tab: the window moves
    // the cursor on to the steps or, for an imported test, to "Save work".
    void trainerLeftByTab();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *horseField(HorseField field) const { return m_horse[std::size_t(field)]; }
    QLineEdit *nameField() const { return horseField(HorseField::Name); }
    QRadioButton *unitOption(SpeedUnit unit) const;
    void buildIdentity(QWidget *area);
    void buildGrid(QWidget *area);
    void buildUnitOptions(QWidget *area);
    void protectComputedColumns();
    void orderTabs();

    std::array<QLineEdit *, StepRows> m_lactate{};
    std::array<QLineEdit *, StepRows + 1> m_hr{}; // puls7 stays hidden below the grid
    std::array<QLineEdit *, StepRows> m_speed{};
    std::array<QLineEdit *, StepRows> m_speedMs{};
    std::array<QLineEdit *, StepRows> m_altSpeed{};
    std::array<QRadioButton *, 5> m_units{};
    std::array<QLineEdit *, 8> m_horse{}; // by HorseField, in the order the fields stand
    QPlainTextEdit *m_comments = nullptr;
    QLabel *m_speedCaption = nullptr;
    QLabel *m_lactateCaption = nullptr;
    QLabel *m_disciplineLabel = nullptr;
};

// Replaces every "," of the field's text by "." whenever the text changes, keeping the cursor.
void keepDecimalPoints(QLineEdit *field);

} // namespace kavren
