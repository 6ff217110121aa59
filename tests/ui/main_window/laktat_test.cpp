#include "ui/main_window/laktat.h"
#include "ui/common/window_scale.h"
#include "ui/common/twips.h"
#include "ui/graph/graph_widget.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/typing.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using kavren::SpeedUnit;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::typeText;

namespace {

QStringList settingsWithDatabase(const QString &databaseLine) {
    QStringList lines = QString::fromUtf8(ProgramFolder::defaultSettings()).split("\r\n");
    lines.removeLast();
    lines[25] = databaseLine;
    return lines;
}

class LaktatTest : public kavren::testing::WindowFixture {
protected:
    Laktat &start(const ProgramFolder &folder) {
        m_window = std::make_unique<Laktat>(folder.path());
        return *m_window;
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString text(const char *name) { return control<QLineEdit>(name)->text(); }
    void type(const char *name, const QString &typed) {
        QLineEdit *field = control<QLineEdit>(name);
        field->setFocus();
        typeText(field, typed);
    }

    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(LaktatTest, StartsWithTheDefaultSettingsInMinutesPerKilometre) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    EXPECT_FALSE(window.startupFailed());
    EXPECT_EQ(window.windowTitle(), "Kavren Equine");
    EXPECT_EQ(window.objectName(), "laktat");
    EXPECT_EQ(window.currentTest().discipline, "Trav");
    EXPECT_EQ(window.currentTest().speedUnit, SpeedUnit::MinPerKm);
    EXPECT_TRUE(control<QRadioButton>("SSOption5")->isChecked());
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Speed (min/km)");
    EXPECT_EQ(control<QLabel>("Label21")->text(), "min/km");
    auto *timer = control<QTimer>("Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 300);
    EXPECT_EQ(window.searchField(), "Namn");
    EXPECT_EQ(window.currentDatabase().databasePath, folder.path() + "/Start.mdb");
    EXPECT_EQ(window.currentDatabase().selectedDatabaseName, "Start.mdb");
    EXPECT_EQ(text("Text40"), "0");
    EXPECT_EQ(text("Text23"), "0.12"); // the shipped .12 read back through the number-writing rule
    EXPECT_EQ(text("Text59"), "0");
    EXPECT_EQ(text("Text47"), "11");
    EXPECT_FALSE(control<QLineEdit>("puls7")->isVisibleTo(&window));
    for (const char *hidden : {"Frame1", "Frame2", "fillista", "Frame5", "Combo1"})
        EXPECT_FALSE(control<QWidget>(hidden)->isVisibleTo(&window)) << hidden;
}

TEST_F(LaktatTest, HasEveryMenuCommandAndOption) {
    ProgramFolder folder;
    start(folder);
    for (const char *name :
         {"format", "inst", "Skärm", "Skrivare", "EndPuls", "Pja", "Pnej", "Framesize", "Ja1",
          "No1", "dbas", "dbas1", "creat", "intn", "Export", "bakg", "Updat", "Help"})
        control<QAction>(name);
    EXPECT_FALSE(control<QAction>("Updat")->isEnabled());
    EXPECT_EQ(control<QAction>("Help")->text(), " Help");
    const std::pair<const char *, const char *> buttons[] = {
        {"Command9", "Calculate"}, {"Command6", "Save work"},       {"SSCommand8", "öppna arbete"},
        {"Command10", "Print"},    {"SSCOmmand15", "Clear screen"}, {"SSCommand6", "Exit"}};
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(control<QPushButton>(name)->text(), QString::fromUtf8(caption));
    for (const char *name : {"SSCheck1", "SSCheck2", "SSCheck3"})
        control<QWidget>(name);
    for (int i = 1; i <= 7; ++i)
        control<QRadioButton>(QStringLiteral("Option%1").arg(i).toUtf8().constData());
    for (int i = 0; i < 6; ++i) {
        const QByteArray row = QByteArray::number(i + 1);
        QLineEdit *lactate = control<QLineEdit>("lakt" + row);
        // Twips are placed at 15 to a pixel, then scaled by the run's factor.
        const QRect design = kavren::twipsRect(60, 4230 + 300 * i, 600, 285);
        EXPECT_EQ(lactate->geometry(), kavren::scaledRect(design, m_window->layoutFactor()));
        control<QLineEdit>("temp" + row);
        control<QLineEdit>("Text" + QByteArray::number(15 + i));
        control<QLineEdit>("Text49(" + QByteArray::number(i) + ")");
    }
    control<QPlainTextEdit>("Text56");
}

TEST_F(LaktatTest, MissingSettingsFileIsReportedAndEndsTheStart) {
    ProgramFolder folder;
    folder.removeSettings();
    MessageLog messages;
    Laktat &window = start(folder);
    EXPECT_TRUE(window.startupFailed());
    EXPECT_EQ(messages.texts(), QStringList{"def4.txt missing !"});
}

TEST_F(LaktatTest, ShortOrEmptySettingsKeepTheDesignDefaults) {
    ProgramFolder folder(
        QStringList{" 3 ", "7", "0,25", "2", " 5 ", "1", " 6 ", "1", " 8 ", " 9 "});
    Laktat &window = start(folder);
    EXPECT_EQ(text("Text40"), "3");
    EXPECT_EQ(text("Text27"), "0.25");
    EXPECT_EQ(text("Text37"), "9");
    EXPECT_EQ(text("Text35"), "1"); // line 11 missing: design default
    EXPECT_EQ(text("Text23"), ".07");
    EXPECT_EQ(text("Text59"), "7");
    EXPECT_EQ(window.currentDatabase().databasePath, "");
    EXPECT_EQ(window.currentDatabase().selectedDatabaseName, "");
    EXPECT_EQ(window.currentTest().discipline, "Trav");

    ProgramFolder empty(QStringList{});
    Laktat &second = start(empty);
    EXPECT_FALSE(second.startupFailed());
    EXPECT_EQ(text("Text40"), "");
    EXPECT_EQ(second.currentTest().discipline, "Trav");
}

TEST_F(LaktatTest, DatabaseLineNamesTheCurrentDatabase) {
    struct Case {
        QString line;
        QString path;
        QString folderPart;
        QString name;
        QString createBox;
    };
    ProgramFolder probe;
    const Case cases[] = {
        {"C:\\Tests\\Start.mdb", probe.path() + "/Start.mdb", probe.path(), "Start.mdb",
         "C:\\Tests\\Start"},
        {"D:\\Horses\\Spring.mdb", "D:\\Horses\\Spring.mdb", "D:\\Horses\\", "Spring.mdb",
         "D:\\Horses\\Spring"},
        {"/home/vet/clinic/2026/horses/tests/a/Spring.mdb",
         "/home/vet/clinic/2026/horses/tests/a/Spring.mdb", "/home/vet/clinic/2026/horses/tests/a/",
         "Spring.mdb", "/home/vet/clinic/2026/horses/tests/a/Spring"},
        {"", "", "", "", ""},
        {"Own.mdb", "Own.mdb", "", "Own.mdb", "Own"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        ProgramFolder folder(settingsWithDatabase(c.line));
        const QString expectedPath =
            c.path.startsWith(probe.path()) ? folder.path() + "/Start.mdb" : c.path;
        const QString expectedFolder = c.folderPart == probe.path() ? folder.path() : c.folderPart;
        Laktat &window = start(folder);
        EXPECT_EQ(window.currentDatabase().databasePath, expectedPath);
        EXPECT_EQ(window.currentDatabase().databaseFolder, expectedFolder);
        EXPECT_EQ(window.currentDatabase().selectedDatabaseName, c.name);
        EXPECT_EQ(text("Text55"), c.createBox);
    }
}

TEST_F(LaktatTest, ExitAndClosingWriteTheSettingsBack) {
    for (bool byExitButton : {true, false}) {
        SCOPED_TRACE(byExitButton ? "Exit" : "close");
        ProgramFolder folder(settingsWithDatabase("/data/horses/Spring.mdb"));
        Laktat &window = start(folder);
        control<QLineEdit>("Text23")->setText("0,1");
        control<QLineEdit>("Text40")->setText("");
        control<QLineEdit>("Text44")->setText("12");
        control<QLineEdit>("Text59")->setText("3"); // changes the screen only, not the file
        window.show();
        if (byExitButton)
            control<QPushButton>("SSCommand6")->click();
        else
            window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
        const QStringList lines = folder.settingsLines();
        ASSERT_EQ(lines.size(), 28);
        EXPECT_EQ(lines[0], " 0 ");
        EXPECT_EQ(lines[16], "0.1");
        EXPECT_EQ(lines[21], " 12 ");
        EXPECT_EQ(lines[25], "/data/horses/Spring.mdb");
        EXPECT_EQ(lines[27], " 0 "); // the shipped speed-axis colour, as read at start-up
    }
}

TEST_F(LaktatTest, DefaultDatabaseIsWrittenBackAsThePathBesideTheProgram) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    window.close();
    EXPECT_EQ(folder.settingsLines().value(25), folder.path() + "/Start.mdb");
    // and that still names the default database at the next start, wherever the folder moves
    ProgramFolder moved(folder.settingsLines());
    EXPECT_EQ(start(moved).currentDatabase().databasePath, moved.path() + "/Start.mdb");
}

TEST_F(LaktatTest, TickConvertsTypedSpeedsForTheChosenUnit) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    type("temp1", "1,25");
    EXPECT_EQ(text("temp1"), "1.25");
    type("temp2", "2");
    window.recalcTick();
    EXPECT_EQ(text("Text15"), "11.75");
    EXPECT_EQ(text("Text49(0)"), "17.02");
    EXPECT_EQ(text("Text16"), "8.33");
    EXPECT_EQ(window.currentTest().pace[0], "705");
    EXPECT_EQ(control<QLabel>("Label23")->text(), "Trav");

    control<QRadioButton>("SSOption6")->click();
    control<QLineEdit>("temp1")->setText("500");
    window.recalcTick();
    EXPECT_EQ(window.currentTest().discipline, "Rid");
    EXPECT_EQ(text("Text15"), "8.33");
    EXPECT_EQ(text("Text49(0)"), "24");
    EXPECT_EQ(window.currentTest().pace[0], " 2' 0");
}

TEST_F(LaktatTest, UnitOptionsSetCaptionsScaleAndSliders) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    control<QRadioButton>("Option8")->click();
    EXPECT_EQ(window.currentTest().discipline, "Recovery");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "      Time     (min)");
    EXPECT_EQ(control<QLabel>("Label21")->text(), "Time (min)");
    EXPECT_EQ(window.currentTest().scale.xOffset, 4);
    EXPECT_EQ(window.currentTest().scale.xDivisor, 3);
    EXPECT_TRUE(control<QGroupBox>("Frame4")->title().startsWith("     Date             La(0)"));
    EXPECT_FALSE(control<QSlider>("Slider1")->isEnabled());
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());

    control<QRadioButton>("SSOption4")->click();
    EXPECT_EQ(window.currentTest().discipline, "Endur");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Speed (km/hour)");
    EXPECT_EQ(window.currentTest().scale.xOffset, 0);
    EXPECT_EQ(window.currentTest().scale.xDivisor, 1);
    EXPECT_TRUE(control<QSlider>("Slider1")->isEnabled());
    EXPECT_TRUE(control<QSlider>("Slider2")->isEnabled());
    for (const char *label : {"Label60", "Label66", "Label19", "Label61"})
        EXPECT_FALSE(control<QLabel>(label)->isEnabled()) << label; // stay disabled after Recovery
    EXPECT_TRUE(control<QGroupBox>("Frame4")->title().startsWith("       Date           V200"));

    control<QRadioButton>("SSOption7")->click();
    EXPECT_EQ(control<QLabel>("Label3")->text(), "  Speed (sek/200m)");
    EXPECT_EQ(control<QLabel>("Label21")->text(), "sek/200m");
}

TEST_F(LaktatTest, KeyFiltersTurnCommasIntoPointsAndCommentsIntoCapitals) {
    ProgramFolder folder;
    start(folder);
    type("lakt1", "5,5");
    type("puls1", "1,5");
    type("temp2", "5,5");
    EXPECT_EQ(text("lakt1"), "5.5");
    EXPECT_EQ(text("puls1"), "1.5");
    EXPECT_EQ(text("temp2"), "5.5");
    type("Text4", "a,b");
    EXPECT_EQ(text("Text4"), "a,b"); // the identity fields take what is typed

    auto *comments = control<QPlainTextEdit>("Text56");
    typeText(comments, QString::fromUtf8("fast trav, 2 km åäö!"));
    EXPECT_EQ(comments->toPlainText(), QString::fromUtf8("FAST TRAV, 2 KM åäö!"));

    control<QLineEdit>("Text15")->setText("1,5"); // set by the program: normalised too
    EXPECT_EQ(text("Text15"), "1.5");
}

TEST_F(LaktatTest, AnyTextInAnyFieldNeverBreaksATick) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    const QString texts[] = {
        "abc", "1E999", QString(300, u'9'), QStringLiteral("\x01\x02"), "   ", "-1E999", "1e-320"};
    for (SpeedUnit unit : {SpeedUnit::KmPerHour, SpeedUnit::MinPerKm, SpeedUnit::MetrePerMin,
                           SpeedUnit::SecPer200m, SpeedUnit::RecoveryTime}) {
        window.chooseUnit(unit);
        for (int row = 0; row < 6; ++row)
            control<QLineEdit>(QByteArray("temp" + QByteArray::number(row + 1)).constData())
                ->setText(texts[std::size_t(row)]);
        window.recalcTick();
        // Row 1 "abc" reads as 0: endurance (the first unit) and recovery convert it to 0, the
        // paced units stop there and keep that 0; row 2 overflows and stops every unit, so
        // Text16 to Text20 stay empty.
        EXPECT_EQ(text("Text15"), "0") << int(unit);
        for (int row = 1; row < 6; ++row)
            EXPECT_EQ(text(QByteArray("Text" + QByteArray::number(15 + row)).constData()), "")
                << int(unit) << " row " << row + 1;
    }
}

TEST_F(LaktatTest, OnlyHrHidesTheLactatesAndNoEmptiesTheGrid) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    for (const char *name :
         {"Text4", "Text5", "Text6", "Text7", "Text8", "puls1", "temp1", "Text15"})
        control<QLineEdit>(name)->setText("2");
    control<QAction>("Pja")->trigger();
    EXPECT_TRUE(window.currentTest().hrOnly);
    for (int row = 1; row <= 6; ++row) {
        QLineEdit *lactate =
            control<QLineEdit>(QByteArray("lakt" + QByteArray::number(row)).constData());
        EXPECT_EQ(lactate->text(), "0.1");
        EXPECT_FALSE(lactate->isVisibleTo(&window));
    }
    EXPECT_FALSE(control<QLabel>("Label1")->isVisibleTo(&window));
    EXPECT_EQ(text("puls1"), "2"); // nothing else changes

    control<QAction>("Pnej")->trigger();
    EXPECT_FALSE(window.currentTest().hrOnly);
    EXPECT_TRUE(control<QLineEdit>("lakt1")->isVisibleTo(&window));
    EXPECT_TRUE(control<QLabel>("Label1")->isVisibleTo(&window));
    for (const char *name :
         {"lakt1", "puls1", "temp1", "Text15", "Text4", "Text5", "Text6", "Text7"})
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("Text8"), "2"); // the stable is not part of the reset
    EXPECT_EQ(window.currentTest().discipline, "");
}

TEST_F(LaktatTest, StyleMenusShowTheFramesAndTheBackgroundFollowsItsColour) {
    ProgramFolder folder;
    Laktat &window = start(folder);
    auto *graph = control<kavren::GraphWidget>("lakta");
    EXPECT_EQ(graph->backgroundColour(), QColor(255, 255, 255)); // colour 15 of the settings file
    control<QAction>("Skärm")->trigger();
    EXPECT_TRUE(control<QWidget>("Frame1")->isVisibleTo(&window));
    EXPECT_FALSE(control<QWidget>("Frame2")->isVisibleTo(&window));
    control<QAction>("Skrivare")->trigger();
    EXPECT_TRUE(control<QWidget>("Frame2")->isVisibleTo(&window));
    control<QLineEdit>("Text42")->setText("9");
    EXPECT_EQ(graph->backgroundColour(), QColor(0, 0, 255));
}

TEST_F(LaktatTest, StartUpColoursTheHeartRateRowWithTheHeartRateColour) {
    ProgramFolder folder;
    start(folder);
    // Colour 4 of the shipped settings.
    EXPECT_EQ(control<QLabel>("Label54")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
}

TEST_F(LaktatTest, HelpAboutNamesTheDataFolderInUse) {
    ProgramFolder folder;
    start(folder);
    MessageLog log;
    control<QAction>("about")->trigger();
    ASSERT_EQ(log.texts().size(), 1);
    EXPECT_TRUE(log.texts()[0].contains(folder.path())) << log.texts()[0].toStdString();
}

TEST_F(LaktatTest, CreateDatabaseSuggestsAFileInTheDataFolder) {
    ProgramFolder folder;
    start(folder);
    control<QAction>("creat")->trigger();
    EXPECT_EQ(text("Text55"), folder.path() + "/Horses");
}
