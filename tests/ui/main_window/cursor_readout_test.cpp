// The cursor readout: which kept curve the pointer rests on (rounded tenths for the first two
// kept curves, rounded-down tenths for the others), and the label `Label80` on the main window.
#include "ui/main_window/laktat.h"
#include "domain/plot/cursor_readout.h"
#include "ui/graph/cursor_readout_panel.h"
#include "ui/graph/graph_widget.h"
#include "support/program_folder.h"
#include "support/qt_printers.h"
#include "support/typed_test.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

using kavren::PointSeries;
using kavren::PointTable;
using kavren::readoutSlot;

namespace {

// One stored point, at column 50 and row 30 (a point drawn at X 5.0…5.09, Y 3.0).
PointTable tableWith(int slot, PointSeries series, int point) {
    PointTable table;
    table.at(slot, series, point) = {50, 30};
    return table;
}

} // namespace

TEST(CursorReadout, FirstTwoKeptCurvesMatchRoundedTenths) {
    for (const int slot : {0, 1}) {
        const PointTable table = tableWith(slot, PointSeries::HeartRate, 1);
        // 49.5 and 50.5 both round half to even to 50; 50.7 rounds to 51.
        EXPECT_EQ(readoutSlot(table, 4.95, 3.0), slot);
        EXPECT_EQ(readoutSlot(table, 5.05, 3.0), slot);
        EXPECT_EQ(readoutSlot(table, 4.97, 2.96), slot);
        EXPECT_EQ(readoutSlot(table, 5.07, 3.0), std::nullopt);
        EXPECT_EQ(readoutSlot(table, 5.0, 3.07), std::nullopt); // the row must match as well
    }
}

TEST(CursorReadout, LaterKeptCurvesMatchRoundedDownTenths) {
    for (const int slot : {2, 5}) {
        const PointTable table = tableWith(slot, PointSeries::Lactate, 2);
        EXPECT_EQ(readoutSlot(table, 5.07, 3.0), slot);
        EXPECT_EQ(readoutSlot(table, 5.0, 3.09), slot);
        EXPECT_EQ(readoutSlot(table, 4.97, 3.0), std::nullopt); // 49.7 rounds down to 49
        EXPECT_EQ(readoutSlot(table, 5.11, 3.0), std::nullopt);
        EXPECT_EQ(readoutSlot(table, 5.0, 2.99), std::nullopt);
    }
    // Slot 6 is never looked at.
    EXPECT_EQ(readoutSlot(tableWith(6, PointSeries::HeartRate, 0), 5.0, 3.0), std::nullopt);
}

TEST(CursorReadout, FirstMatchingSlotWinsAndCaptionsCountFromOne) {
    PointTable table = tableWith(3, PointSeries::HeartRate, 0);
    table.at(1, PointSeries::Lactate, 0) = {50, 30};
    EXPECT_EQ(readoutSlot(table, 5.0, 3.0), 1);
    EXPECT_EQ(readoutSlot(table, std::nan(""), 3.0), std::nullopt);
    EXPECT_EQ(readoutSlot(table, 1e300, 3.0), std::nullopt);
    EXPECT_EQ(kavren::readoutCaption(0), "    1");
    EXPECT_EQ(kavren::readoutCaption(5), "    6");
}

namespace {

class ReadoutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<Laktat>(m_folder.path());
        m_graph = m_window->findChild<kavren::GraphWidget *>("lakta");
        m_label = m_window->findChild<QLabel *>("Label80");
        ASSERT_NE(m_graph, nullptr);
        ASSERT_NE(m_label, nullptr);
    }
    void typeTest(const QStringList &lactates, const QStringList &hrs, const QStringList &speeds) {
        m_window->findChild<QRadioButton *>("SSOption6")->click();
        // All six rows are typed; a shorter list leaves its fields empty.
        auto rows = [](QStringList texts) {
            texts.resize(6);
            return texts;
        };
        kavren::testing::typeSteps(m_window.get(), {rows(lactates), rows(hrs), rows(speeds)});
        m_window->recalcTick();
        m_window->findChild<QPushButton *>("Command9")->click();
    }
    // Two kept tests. Test 1: 5, 6, 7 m/s, heart rate up to 180 (axis 65…185, 0.1 per b/min).
    // Test 2: 5.5, 6.5, 7.5, 8.5 m/s, heart rate up to 195 from 155 (axis 120…240, 0.1).
    void keepTwoTests() {
        m_window->findChild<QCheckBox *>("SSCheck2")->click();
        typeTest({"1.0", "1.5", "2.5"}, {"150", "165", "180"}, {"300", "360", "420"});
        typeTest({"1.2", "1.8", "2.6", "3.5"}, {"155", "170", "185", "195"},
                 {"330", "390", "450", "510"});
    }
    void movePointer(QPointF graphPosition) {
        const QPointF at = m_graph->map().toDevice(graphPosition);
        QMouseEvent move(QEvent::MouseMove, at, m_graph->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_graph, &move);
    }
    // Lets the window run until the label is hidden again; false if it never is.
    bool labelHidesAgain() {
        QElapsedTimer waited;
        waited.start();
        while (!m_label->isHidden() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return m_label->isHidden();
    }

    kavren::testing::ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
    kavren::GraphWidget *m_graph = nullptr;
    QLabel *m_label = nullptr;
};

} // namespace

TEST_F(ReadoutWindowTest, PointerOnAKeptPointShowsItsCurveForAMoment) {
    keepTwoTests();
    EXPECT_TRUE(m_label->isHidden());
    // Second point of the second test: X 6.5, (170 − 120) · 0.1 = 5.0.
    movePointer({6.5, 5.0});
    EXPECT_FALSE(m_label->isHidden());
    EXPECT_EQ(m_label->text(), "    2");
    EXPECT_EQ(kavren::CursorReadoutPanel::ShowMilliseconds, 600);
    // The window keeps working: a later match, on the first test's first point
    // (X 5, (150 − 65) · 0.1 = 8.5), shows its own number.
    movePointer({5.0, 8.5});
    EXPECT_EQ(m_label->text(), "    1");
    EXPECT_TRUE(labelHidesAgain());
}

TEST_F(ReadoutWindowTest, FourthPointsAndAnUntickedBoxShowNothing) {
    keepTwoTests();
    // Fourth point of the second test: X 8.5, (195 − 120) · 0.1 = 7.5.
    movePointer({8.5, 7.5});
    EXPECT_TRUE(m_label->isHidden());
    m_window->findChild<QCheckBox *>("SSCheck2")->click();
    typeTest({"1.0", "1.5", "2.5"}, {"150", "165", "180"}, {"300", "360", "420"});
    movePointer({5.0, 8.5});
    EXPECT_TRUE(m_label->isHidden());
}
