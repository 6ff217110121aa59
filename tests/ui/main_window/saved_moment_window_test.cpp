// The moment a saved test keeps: the window's clock for a typed test, the recording's own moment
// for a test taken over from a heart-rate file.
#include "ui/main_window/laktat.h"

#include "io/database/search.h"
#include "support/hrm_text.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::findControl;
using kavren::testing::HrmText;
using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;
using kavren::testing::threeStepRecording;

namespace {

// A leap day just before midnight: neither today nor the recording's day.
const QDateTime ClockNow(QDate(2024, 2, 29), QTime(23, 59, 58));

class SavedMomentTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_program.path(), [] { return ClockNow; });
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }

    // Datum of the one stored test of this horse.
    QString storedMoment(const QString &name) const {
        const kavren::SearchResult found =
            kavren::searchTests(m_program.filePath("Start.mdb"), "Namn", name);
        return found.rows.size() == 1 ? found.rows[0].testDate
                                      : QStringLiteral("%1 rows").arg(found.rows.size());
    }
    void saveWork() const {
        MessageLog messages;
        control<QPushButton>("Command6")->click();
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    }

    ProgramFolder m_program;
    std::unique_ptr<Laktat> m_window;
};

TEST_F(SavedMomentTest, ATypedTestIsSavedAtTheMomentOfTheClock) {
    typeThreeStepTest("Bella");
    m_window->recalcTick();
    saveWork();
    EXPECT_EQ(storedMoment("Bella").toStdString(), "2024-02-29 23:59:58");
}

// Three steps of 30 s at 8, 10 and 12.5 m/s, recorded on 2026-03-15 from 9:05:07.
TEST_F(SavedMomentTest, AnImportedTestIsSavedAtTheMomentOfItsRecording) {
    const HrmText hrm = threeStepRecording();
    QTemporaryDir files;
    QFile file(files.filePath("TEST01.hrm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(hrm.build("\r\n"));
    file.close();

    control<QAction>("Export")->trigger();
    QWidget *polar = control<QWidget>("Polar");
    findControl<QWidget>(polar, "Dir1")->setProperty("path", files.path());
    auto *list = findControl<QListWidget>(polar, "File1");
    const auto found = list->findItems("TEST01.hrm", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    emit list->itemClicked(found[0]);
    findControl<QPushButton>(polar, "Command1")->click();
    ASSERT_EQ(control("puls2")->text(), "180");

    typeIdentity({"Comet", "Trotter", "7", "Gelding"});
    saveWork();
    EXPECT_EQ(storedMoment("Comet").toStdString(), "2026-03-15 09:05:07");
}

} // namespace
