// "Save work": the row that the test on screen becomes, built from plain values, and its append to
// mytable of the current database in one transaction.
#pragma once

#include "domain/exercise/exercise_step.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>
#include <vector>

namespace kavren {

inline constexpr char DatabaseNotSelectedMessage[] =
    QT_TRANSLATE_NOOP("Database", "Database not selected !");
inline constexpr char IdDataMissingMessage[] = QT_TRANSLATE_NOOP("Database", "Id data missing!");
// Bitmap of a test without background picture.
inline const QString NoPictureName = QStringLiteral("dummy.jpg");

// The test on screen as the save reads it: every text as shown in its field.
struct TestToSave {
    QString name;     // Text4
    QString breed;    // Text5
    QString age;      // Text6
    QString sex;      // Text7
    QString stable;   // Text8
    QString trainer;  // Text60
    QString maxHr;    // Text21
    QString comments; // Text56, any line breaks
    QString discipline;
    QString backgroundPictureName;
    QString lastDroppedPictureName = NoPictureName;
    TestSteps steps;     // lactate, hr and speedText of each row
    int stepCount = 0;   // from stepCountForSaving
    bool hrOnly = false; // the lactate fields are hidden
    bool importedFromFile = false;
    QString importedMoment; // caption of datex(0): "yyyy-mm-dd  hh:mm:ss" of the recording
    QString recordingDate;  // yyyy-mm-dd of the recording
};

// The thirteen column values of a saved row, as texts; moment is Datum in ISO form
// "yyyy-mm-dd hh:mm:ss", so that text order is time order.
struct StoredRow {
    QString name;
    QString moment;
    QString breed;
    QString age;
    QString sex;
    QString discipline;
    QString pictureName;
    QString maxHr;
    QString stable;
    QString trainer;
    QString examDate;
    QString stepData;
    QString comments;

    bool operator==(const StoredRow &) const = default;
};

// Which of name, breed, age, sex (0..3, in that order) is the first one empty, if any: the save
// then shows "Id data missing!" and puts the focus there.
std::optional<int> firstMissingIdentityField(const TestToSave &test);

// Step count N: six for pending live data; otherwise the leading steps whose heart rate reads as
// a non-zero number.
int stepCountForSaving(const TestSteps &steps, bool liveDataPending);

// Which field of a step a check of the typed steps points at.
enum class StepField { Lactate, HeartRate, Speed };

// What the typed steps allow before anything is written. A step is typed when its heart rate or
// speed holds text, or (unless the test is heart-rate-only) its lactate does. The row holds steps
// 1…heldSteps, as typed, so that a loaded test shows every step that was typed.
struct StepCheck {
    // A typed step that the row could not hold, and the message that names it: a step after an
    // empty one, fewer than three steps, a value that is not a number, a step without lactate
    // (loading ends the steps at the first empty lactate). Nothing is written.
    std::optional<QString> refusal;
    int refusedStep = 0; // 1…6, with refusedField the field to correct
    StepField refusedField = StepField::Lactate;
    // Typed steps without a heart rate or a speed: "Step 3 has no heart rate. Save anyway?", one
    // question per step in step order, each answered No by default.
    struct Question {
        int step = 0;
        StepField field = StepField::HeartRate;
        QString text;
    };
    std::vector<Question> questions;
    int heldSteps = 0; // the steps the row holds: every typed step
};
StepCheck checkStepsForSaving(const TestSteps &steps, bool hrOnly);

// Bitmap: "dummy.jpg" without a picture, the picture last dropped for a test loaded without one,
// otherwise the background picture's name.
QString pictureNameForSaving(const QString &backgroundPictureName,
                             const QString &lastDroppedPictureName);

// A single blank for a field left empty, so that the stored text is never empty.
QString blankIfEmpty(const QString &text);

// Comments are stored with CR LF between lines whatever line breaks the field gave, and shown
// with plain line feeds.
QString commentsForStoring(const QString &comments);
QString commentsForShowing(const QString &stored);

// The row of a test; now is the moment of saving, used unless the test came from a heart-rate
// file, whose recording moment and date are stored instead.
StoredRow buildRow(const TestToSave &test, const QDateTime &now);

// Appends the row to mytable in one transaction: stored whole or not at all. The default
// "Start.mdb" is created on first use. On failure the message says why the test was not saved.
std::optional<QString> appendRow(const QString &databasePath, const StoredRow &row);

// What became of a save: stored, not stored, or not known because the database could not be
// asked after the answer to its commit was lost.
enum class SaveOutcome { Saved, NotSaved, Unknown };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    QString message; // why it was not saved or is not known; empty when saved
};

// Saves the test's row under the key that the program gave this test: a save sent again with the
// same key after an unknown outcome never stores the test twice.
SaveResult saveTest(const QString &databasePath, const StoredRow &row, const QUuid &key);

} // namespace kavren
