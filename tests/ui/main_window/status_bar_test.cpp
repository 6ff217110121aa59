// What the main window says without asking: the saved test and a fit that could not use the
// steps go to the status bar, the program's own clearing of a field raises no message, and the
// comparison table's date cells keep the whole date and time.
#include "ui/main_window/laktat.h"
#include "ui/comparison/date_cell_widget.h"
#include "ui/report/report_panel.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/typing.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::typeText;

namespace {

const QString NoLactateIndices = QStringLiteral(" \u2014 no VLa2, VLa4, Hr2 or Hr4");
const QString NoHrIndices = QStringLiteral(" \u2014 no V200, Hr2 or Hr4");

class StatusBarTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    QString status() { return m_window->statusBar()->currentMessage(); }

    // The four-step test of 5, 6, 7 and 8 m/s typed as metres per minute, with the horse's
    // identity.
    void typeFourSteps() {
        control<QRadioButton>("SSOption6")->click();
        typeIdentity({"Bella", "Trotter", "5", "Mare"});
        typeSteps({{"1.0", "1.5", "2.5", "5.0"},
                   {"150", "165", "180", "195"},
                   {"300", "360", "420", "480"}});
        m_window->recalcTick();
    }
    void calculate() { control<QPushButton>("Command9")->click(); }
    // The speed indices of row 0 are greyed (disabled) or shown normally.
    std::vector<bool> indexCellsEnabled() {
        std::vector<bool> enabled;
        for (const char *name :
             {"datex(0)", "labelx(0)", "Vla2(0)", "VLA4(0)", "Hr2x(0)", "Hr4x(0)"})
            enabled.push_back(control<QLabel>(QString::fromLatin1(name))->isEnabled());
        return enabled;
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(StatusBarTest, SaveWorkSaysWhereAndWhatWasSavedWithoutAMessageBox) {
    typeFourSteps();
    calculate();
    // A threshold lactate typed by the user: the save's clearing of the screen empties it while no
    // unit is chosen, which must not raise the unit warning meant for typing.
    auto *threshold = control("Text1");
    threshold->setFocus();
    typeText(threshold, QStringLiteral("4"));
    MessageLog messages;
    control<QPushButton>("Command6")->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(threshold->text(), "");

    const QString expectedStart =
        QStringLiteral("Test saved in %1 (Bella, ")
            .arg(QDir::toNativeSeparators(m_folder.filePath("Start.mdb")));
    EXPECT_TRUE(status().startsWith(expectedStart)) << status().toStdString();
    static const QRegularExpression moment(
        QStringLiteral("\\(Bella, \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\)$"));
    EXPECT_TRUE(moment.match(status()).hasMatch()) << status().toStdString();

    // The user's own typing into the threshold lactate without a unit is still warned about.
    threshold->setFocus();
    typeText(threshold, QStringLiteral("3"));
    EXPECT_EQ(messages.texts(), QStringList{"Select speed !"});
}

TEST_F(StatusBarTest, AFailedFitSaysWhyAndLeavesTheIndicesItCannotGiveEmpty) {
    typeFourSteps();
    calculate();
    EXPECT_EQ(control<QLabel>("labelx(0)")->text(), "500");
    // A fit that succeeds says how well it fits, never a problem.
    EXPECT_TRUE(status().startsWith("Lactate fit R² ")) << status().toStdString();
    // With the indices and their intervals: the heart rates lie exactly on 75 + 15·x, so V200
    // (8.333 m/s) has no spread at all.
    EXPECT_TRUE(status().contains(", V200 500 m/min (95 % CI 500–500), 4 steps"))
        << status().toStdString();
    EXPECT_EQ(indexCellsEnabled(), std::vector<bool>(6, true));
    // The clinic report prints the same interval under the value.
    const auto *report = m_window->findChild<kavren::ReportPanel *>();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->gatherClinicInputs().intervals[1][0], "95 % CI 500–500");

    struct Case {
        const char *lakt2;
        const char *puls3;
        QString message;
        QStringList row; // V200, VLa2, VLa4, Hr2, Hr4
    };
    const QStringList noLactate = {"500", "", "", "", ""};
    const QStringList noHr = {"", "385.5", "463.4", "", ""};
    // "1.5x" still reads as 1.5 by the numeric reading rule: the fit uses it and succeeds.
    const Case cases[] = {
        {"0", "180",
         "The lactate curve was not fitted: every lactate must be above 0" + NoLactateIndices,
         noLactate},
        {"-1", "180",
         "The lactate curve was not fitted: every lactate must be above 0" + NoLactateIndices,
         noLactate},
        {"x", "180",
         "The lactate curve was not fitted: every lactate must be a number" + NoLactateIndices,
         noLactate},
        {"1.5", "18o",
         "The heart-rate line was not fitted: every heart rate must be a number" + NoHrIndices,
         noHr},
    };
    for (const Case &c : cases) {
        control("lakt2")->setText(QString::fromLatin1(c.lakt2));
        control("puls3")->setText(QString::fromLatin1(c.puls3));
        MessageLog messages;
        calculate();
        EXPECT_TRUE(messages.texts().isEmpty()) << c.lakt2;
        EXPECT_EQ(status(), c.message) << c.lakt2;
        // The previous fit's values are never shown as this test's.
        EXPECT_EQ(comparisonRow(0), c.row) << c.lakt2;
        EXPECT_EQ(indexCellsEnabled(), std::vector<bool>(6, true)) << c.lakt2;
    }

    control("lakt2")->setText(QStringLiteral("1.5x"));
    control("puls3")->setText(QStringLiteral("180"));
    calculate();
    EXPECT_TRUE(status().startsWith("Lactate fit R² ")) << status().toStdString();
    // With the indices and their intervals: the heart rates lie exactly on 75 + 15·x, so V200
    // (8.333 m/s) has no spread at all.
    EXPECT_TRUE(status().contains(", V200 500 m/min (95 % CI 500–500), 4 steps"))
        << status().toStdString();
    EXPECT_EQ(indexCellsEnabled(), std::vector<bool>(6, true));
    EXPECT_EQ(control<QLabel>("Vla2(0)")->text(), "385.5"); // the first fit's value again
}

TEST_F(StatusBarTest, DateCellsKeepTheWholeDateAndTimeOfTheTest) {
    typeFourSteps();
    calculate();
    control<QPushButton>("Command6")->click();
    control<QPushButton>("SSCOmmand15")->click();
    auto *values = control<QComboBox>("Combo1");
    values->setCurrentIndex(values->findText("Bella"));
    emit values->activated(values->currentIndex());
    auto *results = control<QListView>("List1");
    ASSERT_EQ(results->model()->rowCount(), 1);
    const QModelIndex entry = results->model()->index(0, 0);
    results->setCurrentIndex(entry);
    emit results->clicked(entry);

    auto *date = qobject_cast<kavren::DateCellWidget *>(control<QLabel>("datex(0)"));
    ASSERT_NE(date, nullptr);
    const QString whole = m_window->currentTest().testDate;
    ASSERT_EQ(whole.size(), 19) << whole.toStdString(); // yyyy-mm-dd hh:mm:ss
    EXPECT_EQ(date->text(), whole);
    EXPECT_EQ(date->toolTip(), whole);
    // Shown whole, or shortened in the middle: the minutes and seconds that tell two tests of one
    // day apart are always on screen.
    const QString shown = date->shownText();
    EXPECT_TRUE(shown == whole || (shown.contains(QChar(0x2026)) && shown.endsWith(whole.right(5))))
        << shown.toStdString();
}
