// Saving at its edges: the moment of an imported test from incomplete captions, and databases that
// cannot take the row (a folder, a table that lacks a column).
#include "io/database/saving.h"
#include "support/qt_printers.h"
#include "support/store_probe.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kavren;
using namespace kavren::testing;

namespace {

const QDateTime SavedAt(QDate(2006, 3, 14), QTime(10, 22, 5));

TestToSave importedTest(const QString &moment, const QString &recordingDate) {
    TestToSave test;
    test.name = u"Bella"_qs;
    test.breed = u"Varmblod"_qs;
    test.age = u"5"_qs;
    test.sex = u"sto"_qs;
    test.discipline = u"Trav"_qs;
    test.importedFromFile = true;
    test.importedMoment = moment;
    test.recordingDate = recordingDate;
    return test;
}

} // namespace

TEST(SavingEdges, TheRecordingsMomentFromWhatTheCaptionHolds) {
    struct Case {
        QString moment, recordingDate, storedMoment, examDate;
    };
    const Case cases[] = {
        // Any number of blanks between date and time.
        {u"2005-11-02   07:45:30"_qs, u"2005-11-02"_qs, u"2005-11-02 07:45:30"_qs,
         u"2005-11-02"_qs},
        // A date without time is midnight of that day.
        {u"2005-11-02"_qs, u"2005-11-02"_qs, u"2005-11-02 00:00:00"_qs, u"2005-11-02"_qs},
        // Without a recording date, the examination date is the moment's own day.
        {u"2005-11-02  07:45:30"_qs, QString(), u"2005-11-02 07:45:30"_qs, u"2005-11-02"_qs},
        // Nothing readable at all: the moment of saving.
        {u"junk"_qs, u" "_qs, u"2006-03-14 10:22:05"_qs, u"2006-03-14"_qs},
    };
    for (const Case &c : cases) {
        const StoredRow row = buildRow(importedTest(c.moment, c.recordingDate), SavedAt);
        EXPECT_EQ(row.moment, c.storedMoment) << c.moment.toStdString();
        EXPECT_EQ(row.examDate, c.examDate) << c.moment.toStdString();
    }
    // A test loaded without picture and no picture dropped since: still no picture.
    EXPECT_EQ(pictureNameForSaving(u"dummy.jpg"_qs, QString()), u"dummy.jpg"_qs);
}

TEST(SavingEdges, ADatabaseThatCannotTakeTheRowSaysWhyAndKeepsWhatItHad) {
    QTemporaryDir dir;
    const StoredRow row = buildRow(importedTest(u"2005-11-02"_qs, u"2005-11-02"_qs), SavedAt);

    const QString folder = dir.filePath(u"named like a database.mdb"_qs);
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto intoFolder = appendRow(folder, row);
    ASSERT_TRUE(intoFolder.has_value());
    EXPECT_TRUE(intoFolder->contains(u"folder"_qs)) << intoFolder->toStdString();

    // A table without the trainer column: the row is refused as a whole.
    const QString other = dir.filePath(u"other.mdb"_qs);
    execute(other,
            u"CREATE TABLE mytable (Namn TEXT, Datum TEXT, Ras TEXT, Ålder TEXT, Kön TEXT, "
            u"Disiplin TEXT, Bitmap TEXT, Maxpuls TEXT, Stall TEXT, ExDatum TEXT, Data TEXT, "
            u"Kommentarer TEXT)"_qs);
    const auto lacking = appendRow(other, row);
    ASSERT_TRUE(lacking.has_value());
    EXPECT_TRUE(lacking->contains(u"Coach"_qs)) << lacking->toStdString();
    EXPECT_TRUE(rowsOf(other, u"SELECT * FROM mytable"_qs).empty());
}

TEST(SavingEdges, CommentsWithAnUnpairedSurrogateStillGetCrLf) {
    // A lone high surrogate makes the text invalid UTF-16; its line breaks are breaks all the same.
    const QString comments = u"a\nb"_qs + QChar(0xD800) + u"\rc\u2028d\r\n"_qs;
    EXPECT_EQ(commentsForStoring(comments), u"a\r\nb"_qs + QChar(0xD800) + u"\r\nc\r\nd\r\n"_qs);
}
