// The database work of the main window: a test typed, saved, found, loaded and erased again, and
// what the window says when a database cannot take the test.
#include "ui/main_window/laktat.h"
#include "ui/common/message_dialog.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QSlider>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

const QStringList Lactates = {"1.2", "1.5", "2.4", "4.1", "6.0", "8.8"};
const QStringList HeartRates = {"128", "145", "166", "183", "192", "201"};
const QStringList Speeds = {"2.40", "2.20", "2", "1.50", "1.45", "1.40"};

class DatabaseWindowTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString text(const QString &name) { return control(name)->text(); }

    void typeTest(const QString &name) {
        control<QRadioButton>("SSOption5")->click();
        typeIdentity({name, "Trotter", "5", "Mare"});
        const std::pair<const char *, QString> more[] = {
            {"Text8", "North"}, {"Text60", "O'Brien"}, {"Text21", "220"}};
        for (const auto &[field, value] : more)
            control(QString::fromLatin1(field))->setText(value);
        typeSteps({Lactates, HeartRates, Speeds});
        control<QPlainTextEdit>("Text56")->setPlainText("FIRST LINE\nSECOND LINE");
        m_window->recalcTick();
        control<QPushButton>("Command9")->click();
    }
    void searchByName(const QString &name) {
        auto *values = control<QComboBox>("Combo1");
        const int index = values->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        values->setCurrentIndex(index);
        emit values->activated(index);
    }
    QListView *results() { return control<QListView>("List1"); }
    int resultCount() { return results()->model()->rowCount(); }
    QString resultText(int row) { return results()->model()->index(row, 0).data().toString(); }
    void selectResult(int row) {
        results()->selectionModel()->select(results()->model()->index(row, 0),
                                            QItemSelectionModel::Select);
    }
    void clickResult(int row) {
        const QModelIndex entry = results()->model()->index(row, 0);
        results()->setCurrentIndex(entry);
        emit results()->clicked(entry);
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(DatabaseWindowTest, SavedTestComesBackWithTheSameStepsAndIndices) {
    typeTest("Bella");
    const QStringList indices = comparisonRow(0);
    ASSERT_FALSE(indices[0].isEmpty());

    MessageLog messages;
    control<QPushButton>("Command6")->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_TRUE(QFile::exists(m_folder.filePath("Start.mdb")));
    // A save in database mode ends with an empty screen and the names of the database.
    EXPECT_EQ(text("Text4"), "");
    EXPECT_EQ(text("lakt1"), "");
    EXPECT_EQ(control<QComboBox>("Combo1")->count(), 1);

    control<QPushButton>("SSCOmmand15")->click();
    searchByName("Bella");
    ASSERT_EQ(resultCount(), 1);
    EXPECT_TRUE(resultText(0).startsWith("Bella\t"));
    clickResult(0);

    EXPECT_EQ(text("Text4"), "Bella");
    EXPECT_EQ(text("Text5"), "Trotter");
    EXPECT_EQ(text("Text60"), "O'Brien");
    EXPECT_EQ(text("Text21"), "220");
    // Steps come back in the number-writing form: a stored 6.0 shows as 6.
    EXPECT_EQ(shownColumn("lakt"), QStringList({"1.2", "1.5", "2.4", "4.1", "6", "8.8"}));
    EXPECT_EQ(shownColumn("puls"), HeartRates);
    EXPECT_EQ(text("temp1"), "2.4"); // a stored 2.40 comes back as 2.4
    EXPECT_EQ(text("temp4"), "1.5");
    EXPECT_EQ(m_window->currentTest().discipline, "Trav");
    EXPECT_TRUE(control<QRadioButton>("SSOption5")->isChecked());
    EXPECT_EQ(control<QPlainTextEdit>("Text56")->toPlainText(), "FIRST LINE\nSECOND LINE");
    EXPECT_EQ(comparisonRow(0), indices);
    EXPECT_EQ(control<QLabel>("datex(0)")->text(), m_window->currentTest().testDate);
}

TEST_F(DatabaseWindowTest, SaveRefusesWithoutDatabaseOrIdentity) {
    // Name, breed, age and sex, each left empty on its own while the other three are filled.
    for (const char *field : {"Text4", "Text5", "Text6", "Text7"}) {
        SCOPED_TRACE(field);
        typeTest("Bella");
        control(QString::fromLatin1(field))->clear();
        MessageLog messages;
        control<QPushButton>("Command6")->click();
        EXPECT_EQ(messages.texts(), QStringList{"Id data missing!"});
        EXPECT_EQ(m_window->focusWidget(), control(QString::fromLatin1(field)));
        EXPECT_FALSE(QFile::exists(m_folder.filePath("Start.mdb")));
        EXPECT_EQ(text("puls6"), "201"); // nothing cleared
    }
    EXPECT_EQ(text("Text4"), "Bella");
}

TEST_F(DatabaseWindowTest, AFailedSaveSaysSoAndKeepsTheTestOnScreen) {
    QFile junk(m_folder.filePath("Start.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database of tests");
    junk.close();
    typeTest("Bella");
    MessageLog messages;
    control<QPushButton>("Command6")->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("The test was not saved"))
        << messages.texts()[0].toStdString();
    EXPECT_EQ(text("Text4"), "Bella");
    EXPECT_EQ(text("puls6"), "201");
    QFile after(m_folder.filePath("Start.mdb"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), "this is not a database of tests");
}

TEST_F(DatabaseWindowTest, EraseWorkDeletesExactlyTheSelectedTests) {
    {
        MessageLog unexpected;
        for (const char *name : {"Bella", "Bella", "Bella", "O'Hara"}) {
            typeTest(QString::fromLatin1(name));
            control<QPushButton>("Command6")->click();
        }
        EXPECT_TRUE(unexpected.texts().isEmpty()) << unexpected.texts().join('|').toStdString();
    }
    searchByName("Bella");
    ASSERT_EQ(resultCount(), 3);
    selectResult(0);
    selectResult(2);
    control<QCheckBox>("SSCheck3")->setChecked(true);
    {
        MessageLog answerYes;
        kavren::MessageAnswers::setNextAnswer(QMessageBox::Yes);
        emit results()->clicked(results()->model()->index(2, 0));
        EXPECT_EQ(answerYes.texts(), QStringList{"Do you want to erase ?"});
    }
    EXPECT_FALSE(control<QCheckBox>("SSCheck3")->isChecked());
    searchByName("Bella");
    EXPECT_EQ(resultCount(), 1);
    searchByName("O'Hara");
    EXPECT_EQ(resultCount(), 1);
}

TEST_F(DatabaseWindowTest, ClearScreenEmptiesTheTestAndTheComparison) {
    typeTest("Bella");
    control<QCheckBox>("SSCheck2")->setChecked(true);
    control<QPushButton>("SSCOmmand15")->click();
    EXPECT_EQ(text("Text4"), "");
    EXPECT_EQ(text("Text15"), "");
    EXPECT_EQ(control<QLabel>("labelx(0)")->text(), "");
    EXPECT_EQ(control<QPlainTextEdit>("Text56")->toPlainText(), " ");
    EXPECT_FALSE(control<QCheckBox>("SSCheck2")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("SSOption5")->isChecked());
    EXPECT_EQ(m_window->currentTest().discipline, "");
    MessageLog messages;
    control<QPushButton>("Command9")->click();
    EXPECT_EQ(messages.texts(), QStringList{"Select Speed !"});
}

// The mouse let go over a slider, after a drag of its handle or a click on its groove.
void releaseMouseOver(QSlider *slider) {
    const QPointF centre = QRectF(slider->rect()).center();
    QMouseEvent release(QEvent::MouseButtonRelease, centre, slider->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(slider, &release);
    QCoreApplication::processEvents();
}

TEST_F(DatabaseWindowTest, ReleasedSlidersGoBackWhereTheyRestOrDrawTheThreshold) {
    auto *hrSlider = control<QSlider>("Slider1");
    auto *lactateSlider = control<QSlider>("Slider2");
    hrSlider->setValue(200);
    releaseMouseOver(hrSlider); // no heart rates on screen
    EXPECT_EQ(hrSlider->value(), 120);

    typeTest("Bella");
    control("Text3")->setText("5"); // settles with the heart rate it gives
    const QString speed = text("Text3");
    hrSlider->setValue(180);
    releaseMouseOver(hrSlider); // a test on screen: the threshold is drawn at Text3
    EXPECT_EQ(text("Text3"), speed);
    EXPECT_FALSE(text("Text1").isEmpty());

    control<QAction>("Pja")->trigger(); // heart rate only: the lactate slider rests at 0
    lactateSlider->setValue(30);
    releaseMouseOver(lactateSlider);
    EXPECT_EQ(lactateSlider->value(), 0);
}

TEST_F(DatabaseWindowTest, HeartRateOnlyTestsGetNoLactatePerCentChanges) {
    {
        MessageLog unexpected;
        typeTest("Bella");
        control<QPushButton>("Command6")->click();
        typeTest("Bella");
        control("lakt1")->setText("0");
        control<QPushButton>("Command9")->click(); // heart rate only from here on
        control<QPushButton>("Command6")->click();
        EXPECT_TRUE(unexpected.texts().isEmpty()) << unexpected.texts().join('|').toStdString();
    }
    control<QCheckBox>("SSCheck2")->click();
    searchByName("Bella");
    ASSERT_EQ(resultCount(), 2);
    clickResult(0);
    clickResult(1);
    EXPECT_FALSE(control<QLabel>("V200P(0)")->text().isEmpty());
    for (const char *cell : {"Vla2P(0)", "Vla4P(0)", "Hr2P(0)", "Hf4P(0)"})
        EXPECT_EQ(control<QLabel>(QString::fromLatin1(cell))->text(), "") << cell;
}

TEST_F(DatabaseWindowTest, AFileThatIsNotOurDatabaseIsReportedOnce) {
    QFile junk(m_folder.filePath("Notes.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("shopping list");
    junk.close();
    control<QAction>("dbas1")->trigger();
    auto *files = control<QListWidget>("File1");
    const auto found = files->findItems("Notes.mdb", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    MessageLog messages;
    files->setCurrentItem(found[0]);
    emit files->itemClicked(found[0]);
    emit files->itemDoubleClicked(found[0]);
    control<QPushButton>("SSCOmmand15")->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("Notes.mdb")) << messages.texts()[0].toStdString();
}
