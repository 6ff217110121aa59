// The main window on a database file that is read-only or locked: a save and an erase say why,
// the test stays on screen and no saved test is lost.
#include "ui/main_window/laktat.h"
#include "support/store_probe.h"
#include "ui/common/message_dialog.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/refusing_store.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

using namespace kavren::testing;

namespace {

class RefusedWindowTest : public WindowFixture, public ::testing::WithParamInterface<Refusal> {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_window->setLoadSettleTime(0);
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    void typeTest(const QString &name) {
        typeThreeStepTest(name);
        m_window->recalcTick();
    }
    QStringList savedNames() const {
        QStringList names;
        for (const auto &row : rowsOf(m_folder.filePath("Start.mdb"), "SELECT Namn FROM mytable"))
            names << row[0].toString();
        return names;
    }
    QString word() const {
        return GetParam() == Refusal::ReadOnly ? "is read-only" : "is locked by another program";
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedWindowTest,
                         ::testing::Values(Refusal::ReadOnly, Refusal::Locked),
                         [](const ::testing::TestParamInfo<Refusal> &param) {
                             return param.param == Refusal::ReadOnly ? "ReadOnly" : "Locked";
                         });

} // namespace

TEST_P(RefusedWindowTest, ASaveSaysWhyAndKeepsTheTestOnScreen) {
    typeTest("Bella");
    control<QPushButton>("Command6")->click(); // the default database, as usual
    typeTest("Sally");
    {
        const RefusingStores refusing(GetParam());
        MessageLog messages;
        control<QPushButton>("Command6")->click();
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].startsWith("The test was not saved"));
        EXPECT_TRUE(messages.texts()[0].contains(word())) << messages.texts()[0].toStdString();
    }
    EXPECT_EQ(control("Text4")->text(), "Sally");
    EXPECT_EQ(control("puls3")->text(), "166");
    EXPECT_EQ(savedNames(), QStringList{"Bella"});
}

TEST_P(RefusedWindowTest, AnEraseSaysWhyAndLosesNoTest) {
    {
        MessageLog unexpected;
        for (const char *name : {"Bella", "Bella"}) {
            typeTest(QString::fromLatin1(name));
            control<QPushButton>("Command6")->click();
        }
        ASSERT_TRUE(unexpected.texts().isEmpty()) << unexpected.texts().join('|').toStdString();
    }
    auto *results = listTestsOf("Bella");
    ASSERT_EQ(results->model()->rowCount(), 2);
    results->selectionModel()->select(results->model()->index(0, 0), QItemSelectionModel::Select);
    control<QCheckBox>("SSCheck3")->setChecked(true);
    {
        const RefusingStores refusing(GetParam());
        // A read-only file still gives the clicked test, so the erase is asked for and then
        // refused; a locked one does not even give the clicked test.
        QStringList expected{"Do you want to erase ?"};
        if (GetParam() == Refusal::Locked)
            expected.clear();
        MessageLog answerYes;
        if (!expected.isEmpty())
            kavren::MessageAnswers::setNextAnswer(QMessageBox::Yes);
        emit results->clicked(results->model()->index(0, 0));
        const QStringList texts = answerYes.texts();
        ASSERT_EQ(texts.size(), expected.size() + 1) << texts.join('|').toStdString();
        EXPECT_EQ(texts.mid(0, expected.size()), expected);
        EXPECT_TRUE(texts.last().contains(word())) << texts.last().toStdString();
    }
    EXPECT_EQ(savedNames(), (QStringList{"Bella", "Bella"}));
}
