// The search frame and the create frame as the window uses them: which criterion is chosen, the
// bytes a search looks for, the selected results in list order, and what clearing empties.
#include "ui/database/create_database_panel.h"
#include "ui/database/result_list_model.h"
#include "ui/database/search_panel.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using kavren::CreateDatabasePanel;
using kavren::ListedTest;
using kavren::SearchPanel;

namespace {

class SearchPanelTest : public kavren::testing::WindowFixture {
protected:
    const QObject *windowUnderTest() const override { return &m_area; }
    void listTests(int count) {
        std::vector<ListedTest> tests;
        for (int i = 0; i < count; ++i)
            tests.push_back({i + 1, QStringLiteral("Horse %1").arg(i),
                             QStringLiteral("2026-01-0%1").arg(i + 1)});
        m_panel->results()->setTests(std::move(tests));
    }

    QWidget m_area;
    SearchPanel *m_panel = new SearchPanel(&m_area, QRect(10, 20, 240, 464));
};

} // namespace

TEST_F(SearchPanelTest, AClickedOptionNamesItsOwnCriterion) {
    std::vector<int> clicked;
    QObject::connect(m_panel, &SearchPanel::criterionClicked,
                     [&clicked](int c) { clicked.push_back(c); });
    EXPECT_EQ(m_panel->chosenCriterion(), -1);
    // Option3 is the third criterion (age): index 2, not 3.
    control<QRadioButton>("Option3")->click();
    control<QRadioButton>("Option7")->click();
    EXPECT_EQ(clicked, (std::vector<int>{2, 6}));
    EXPECT_EQ(m_panel->chosenCriterion(), 6);
    // Chosen by the program the option is checked but nobody is told.
    m_panel->chooseCriterion(0);
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(clicked.size(), 2u);
    m_panel->chooseCriterion(SearchPanel::CriterionCount); // outside the options: nothing changes
    EXPECT_EQ(m_panel->chosenCriterion(), 0);
}

TEST_F(SearchPanelTest, AListedValueIsSearchedAsStoredATypedOneAsTyped) {
    // "Åsa" stored in Latin-1 (one byte C5) shows with a replacement character; its stored bytes
    // differ from the shown text's UTF-8, so the two ways of reading the value disagree.
    const QByteArray latin1("\xC5sa");
    m_panel->setCriterionValues({QStringLiteral("Bella"), QStringLiteral("\uFFFDsa")},
                                {QByteArray("Bella"), latin1});
    auto *values = control<QComboBox>("Combo1");
    ASSERT_EQ(values->count(), 2);
    EXPECT_EQ(values->currentIndex(), -1); // nothing chosen yet

    values->setCurrentIndex(1);
    EXPECT_EQ(m_panel->searchValue(), latin1);
    // Typing over the chosen value searches for the typed text.
    values->setEditText(QStringLiteral("Åsa"));
    EXPECT_EQ(m_panel->searchValue(), QByteArray("\xC3\x85sa"));
    m_panel->clearEnteredValue();
    EXPECT_EQ(values->currentText(), "");
    EXPECT_EQ(values->count(), 2); // the listed values stay
}

TEST_F(SearchPanelTest, SelectedResultsComeInListOrderWhateverTheOrderOfSelecting) {
    listTests(5);
    auto *list = control<QListView>("List1");
    for (int row : {3, 0, 2})
        list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    EXPECT_EQ(m_panel->selectedRows(), (std::vector<int>{0, 2, 3}));
}

TEST_F(SearchPanelTest, ClearEmptiesTheValuesAndResultsButKeepsTheTicksAndCriterion) {
    m_panel->setCriterionValues({QStringLiteral("Bella")}, {QByteArray("Bella")});
    listTests(3);
    m_panel->chooseCriterion(4);
    m_panel->setShowsTestPicture(true);
    m_panel->setErasesTests(true);
    m_panel->freezeBox()->setChecked(true);

    m_panel->clear();
    EXPECT_EQ(control<QComboBox>("Combo1")->count(), 0);
    EXPECT_EQ(control<QListView>("List1")->model()->rowCount(), 0);
    EXPECT_EQ(m_panel->results()->testAt(0), nullptr);
    EXPECT_EQ(m_panel->chosenCriterion(), 4);
    EXPECT_TRUE(control<QCheckBox>("SSCheck1")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("SSCheck2")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("SSCheck3")->isChecked());

    // Each tick answers for its own box.
    m_panel->setShowsTestPicture(false);
    EXPECT_FALSE(m_panel->showsTestPicture());
    EXPECT_TRUE(m_panel->erasesTests());
    m_panel->setErasesTests(false);
    EXPECT_FALSE(control<QCheckBox>("SSCheck3")->isChecked());
    EXPECT_TRUE(m_panel->freezeBox()->isChecked());
}

TEST_F(SearchPanelTest, TheFrameOwnsItsControlsUnderTheirOwnNames) {
    EXPECT_EQ(m_panel->objectName(), "SSFrame2");
    for (const char *name : {"Option1", "Option7", "Combo1", "SSCommand8", "List1", "SSCheck1",
                             "SSCheck2", "SSCheck3"}) {
        auto *child = m_panel->findChild<QWidget *>(QString::fromLatin1(name));
        ASSERT_NE(child, nullptr) << name;
        EXPECT_EQ(child->parentWidget(), m_panel) << name;
    }
    int requests = 0;
    QObject::connect(m_panel, &SearchPanel::valuesRequested, [&requests] { ++requests; });
    control<QPushButton>("SSCommand8")->click();
    EXPECT_EQ(requests, 1);
}

TEST(CreateDatabasePanelTest, CreateAsksCloseHidesAndOpenShowsTheFrameAgain) {
    QWidget area;
    auto *panel = new CreateDatabasePanel(&area, QRect(0, 0, 400, 80));
    area.show();
    int requests = 0;
    QObject::connect(panel, &CreateDatabasePanel::createRequested, [&requests] { ++requests; });
    panel->setPath(QStringLiteral("C:\\horses\\new"));
    EXPECT_EQ(panel->findChild<QLineEdit *>("Text55")->text(), "C:\\horses\\new");
    panel->findChild<QPushButton *>("Command4")->click();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(panel->path(), "C:\\horses\\new"); // the window reads it after the request
    panel->findChild<QPushButton *>("Command5")->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(requests, 1);
    panel->clearPath();
    panel->open();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->path(), "");
}
