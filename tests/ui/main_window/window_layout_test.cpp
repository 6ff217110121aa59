// The main window on screens of several sizes: every control can be reached without scrolling and
// none covers another; frames shown over others come to the front and take clicks; Tab follows
// the steps as they are typed.
#include "ui/main_window/laktat.h"
#include "ui/common/window_scale.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <tuple>

using kavren::testing::ProgramFolder;

namespace {

QString describe(const QRect &r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class WindowLayoutTest : public kavren::testing::WindowFixture {
protected:
    void SetUp() override { m_window = std::make_unique<Laktat>(m_folder.path()); }

    // The window as a maximised one on a screen with this available area.
    void showOn(const QRect &available) {
        m_window->setGeometry(available);
        m_window->fitToArea(available);
        m_window->show();
        QApplication::processEvents();
    }
    QWidget *area() { return m_window->findChild<QWidget *>(QStringLiteral("laktatArea")); }
    QScrollArea *scroller() {
        return m_window->findChild<QScrollArea *>(QStringLiteral("laktatScroller"));
    }
    const QObject *windowUnderTest() const override { return m_window.get(); }

    // The named controls the user can see, with their rectangles in window coordinates.
    std::vector<std::pair<QWidget *, QRect>> visibleControls() {
        std::vector<std::pair<QWidget *, QRect>> found;
        for (QWidget *widget : area()->findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_") || !widget->isVisible())
                continue;
            found.emplace_back(widget,
                               QRect(widget->mapTo(m_window.get(), QPoint(0, 0)), widget->size()));
        }
        return found;
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

struct ScreenCase {
    const char *name;
    QRect available;
    const char *picture = nullptr; // file name of the picture taken on request
};

void PrintTo(const ScreenCase &screen, std::ostream *out) {
    *out << screen.name;
}

class ScreenSizeTest : public WindowLayoutTest, public ::testing::WithParamInterface<ScreenCase> {};

} // namespace

TEST(WindowScaleTest, FactorFitsTheTighterSideAndStopsAtLegibleText) {
    // A 1000 x 500 layout: 2000 x 800 is bound by its height (800 / 500), 1500 x 1500 by its
    // width; 700 x 400 would need 0.7 and 0.8, under the 7/8 that keeps 8-point text at 7 points.
    EXPECT_DOUBLE_EQ(kavren::layoutFactorFor({1000, 500}, {2000, 800}), 1.6);
    EXPECT_DOUBLE_EQ(kavren::layoutFactorFor({1000, 500}, {1500, 1500}), 1.5);
    EXPECT_DOUBLE_EQ(kavren::layoutFactorFor({1000, 500}, {700, 400}), 0.875);
}

TEST(WindowScaleTest, ControlsThatTouchInTheDesignNeverOverlapWhenScaled) {
    // At 1.5 a control at 41 of width 43 would, with position and width rounded apart, end at
    // 62 + 65 = 127, one pixel into its neighbour at 84 * 1.5 = 126; at 2.03 one at 40 of width 44
    // would end at 81 + 89 = 170 and leave a gap before round(170.52) = 171. Rounded edges touch.
    for (const auto &[left, width, factor] :
         {std::tuple{41, 43, 1.5}, std::tuple{40, 44, 2.03}, std::tuple{40, 44, 0.875},
          std::tuple{40, 44, 1.37}}) {
        const QRect first = kavren::scaledRect(QRect(left, 10, width, 19), factor);
        const QRect second = kavren::scaledRect(QRect(left + width, 10, 41, 19), factor);
        EXPECT_EQ(first.right() + 1, second.left()) << factor;
    }
    // 4 * 1.5 = 6, 282 * 1.5 = 423, right edge 44 * 1.5 = 66, bottom 301 * 1.5 = 451.5 -> 452.
    EXPECT_EQ(kavren::scaledRect(QRect(4, 282, 40, 19), 1.5), QRect(6, 423, 60, 29));
}

TEST_P(ScreenSizeTest, EveryControlIsReachableAndNoneCoversAnother) {
    const QRect available = GetParam().available;
    showOn(available);
    const QRect viewport(scroller()->viewport()->mapTo(m_window.get(), QPoint(0, 0)),
                         scroller()->viewport()->size());
    EXPECT_TRUE(QRect(QPoint(0, 0), available.size()).contains(viewport));
    EXPECT_FALSE(scroller()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroller()->horizontalScrollBar()->isVisible());

    const auto controls = visibleControls();
    ASSERT_GT(controls.size(), 100u);
    for (const auto &[widget, rect] : controls)
        EXPECT_TRUE(viewport.contains(rect))
            << widget->objectName().toStdString() << " " << describe(rect).toStdString()
            << " outside " << describe(viewport).toStdString();
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i].first;
            QWidget *b = controls[j].first;
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                << a->objectName().toStdString() << " "
                << describe(controls[i].second).toStdString() << " and "
                << b->objectName().toStdString() << " "
                << describe(controls[j].second).toStdString();
        }
}

TEST_P(ScreenSizeTest, TheLayoutFillsTheScreenAsFarAsItsShapeAllows) {
    const QRect available = GetParam().available;
    showOn(available);
    // One side of the layout reaches across the viewport to within 2 % (a pixel or two of
    // rounding); the text never shrinks under 7 points.
    const QSize viewport = scroller()->viewport()->size();
    const double across = double(area()->width()) / viewport.width();
    const double down = double(area()->height()) / viewport.height();
    EXPECT_GE(std::max(across, down), 0.9) << across << " " << down;
    EXPECT_LE(std::max(across, down), 1.0) << across << " " << down;
    EXPECT_GE(area()->font().pointSizeF(), 7.0);
    // The graph's base size is kept in the twips of the run: the graph's design size.
    EXPECT_NEAR(m_window->graphBaseSize().width(), 11520, 15 / m_window->layoutFactor() + 1);
}

TEST_P(ScreenSizeTest, ACalculatedFourStepTestShowsWholeOnScreen) {
    const QRect available = GetParam().available;
    showOn(available);
    control<QRadioButton>("SSOption6")->click();
    typeIdentity({"Bella", "Trotter", "5", "Mare"});
    const char *more[][2] = {
        {"Text8", "North"}, {"Text60", "Ek"}, {"Text21", "220"}, {"Text57", "32"}};
    for (const auto &[name, value] : more)
        control<QLineEdit>(QString::fromLatin1(name))->setText(QString::fromLatin1(value));
    typeSteps(
        {{"1.0", "1.5", "2.5", "5.0"}, {"150", "165", "180", "195"}, {"300", "360", "420", "480"}});
    m_window->recalcTick();
    control<QPushButton>("Command9")->click();
    QApplication::processEvents();
    const QRect viewport(scroller()->viewport()->mapTo(m_window.get(), QPoint(0, 0)),
                         scroller()->viewport()->size());
    // The indices and the zones of the recovery row are on screen, the speed in metres per second
    // beside the steps too.
    for (const char *name :
         {"labelx(0)", "Vla2(0)", "VLA4(0)", "Hr2x(0)", "Hr4x(0)", "Label69", "Text18"}) {
        QWidget *cell = control<QWidget>(QString::fromLatin1(name));
        EXPECT_TRUE(
            viewport.contains(QRect(cell->mapTo(m_window.get(), QPoint(0, 0)), cell->size())))
            << name;
    }
    EXPECT_EQ(control<QLabel>("labelx(0)")->text(), "500");

    // Pictures of the window for a person to look at, on request.
    const QString folder = qEnvironmentVariable("KAVREN_WINDOW_SNAPSHOT_DIR");
    if (!folder.isEmpty() && GetParam().picture)
        m_window->grab().save(QDir(folder).filePath(QString::fromLatin1(GetParam().picture)));
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenSizeTest,
                         ::testing::Values(ScreenCase{"Laptop1366x768WithPanel",
                                                      QRect(0, 0, 1366, 728),
                                                      "window-1366x768.png"},
                                           ScreenCase{"Screen1280x720", QRect(0, 0, 1280, 720)},
                                           ScreenCase{"Monitor1920x1080", QRect(0, 0, 1920, 1080),
                                                      "window-1920x1080.png"},
                                           ScreenCase{"Monitor2560x1440", QRect(0, 0, 2560, 1440)}),
                         [](const ::testing::TestParamInfo<ScreenCase> &screen) {
                             return std::string(screen.param.name);
                         });

TEST_F(WindowLayoutTest, ATinyScreenKeepsLegibleTextAndScrolls) {
    showOn(QRect(0, 0, 800, 500));
    EXPECT_DOUBLE_EQ(m_window->layoutFactor(), kavren::MinimumLayoutFactor);
    EXPECT_DOUBLE_EQ(area()->font().pointSizeF(), 7.0);
    EXPECT_TRUE(scroller()->verticalScrollBar()->isVisible());
    // Every control can still be scrolled to: the layout lies whole inside the scrolled area.
    for (const auto &[widget, rect] : visibleControls())
        EXPECT_TRUE(QRect(QPoint(0, 0), area()->size())
                        .contains(QRect(widget->mapTo(area(), QPoint(0, 0)), widget->size())))
            << widget->objectName().toStdString();
}

// Clicks a button where the user would: at its centre, delivered to whatever lies on top there.
bool clickReaches(QWidget *window, QPushButton *button) {
    const QPoint inWindow = button->mapTo(window, button->rect().center());
    QWidget *top = window->childAt(inWindow);
    if (top != button)
        return false;
    bool clicked = false;
    const auto connection =
        QObject::connect(button, &QPushButton::clicked, [&clicked] { clicked = true; });
    const QPoint local = button->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, local, button->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, button->mapToGlobal(local),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(top, &press);
    QApplication::sendEvent(top, &release);
    QObject::disconnect(connection);
    return clicked;
}

TEST_F(WindowLayoutTest, FramesShownOverOthersComeToTheFrontAndTakeClicks) {
    showOn(QRect(0, 0, 1366, 728));
    // Buttons that ask ("Erase") get No, the answer of every box a test leaves unanswered; what
    // they say is not the point here.
    // The search frame is up, as after any search: the file list used to open beneath it.
    control<QPushButton>("SSCommand8")->click();
    const std::pair<const char *, const char *> openings[] = {{"dbas1", "fillista"},
                                                              {"bakg", "fillista"},
                                                              {"creat", "Frame5"},
                                                              {"Skärm", "Frame1"},
                                                              {"Skrivare", "Frame2"}};
    for (const auto &[action, frameName] : openings) {
        control<QAction>(QString::fromUtf8(action))->trigger();
        QApplication::processEvents();
        auto *frame = control<QWidget>(QString::fromLatin1(frameName));
        ASSERT_TRUE(frame->isVisible()) << action;
        const QList<QPushButton *> buttons = frame->findChildren<QPushButton *>();
        ASSERT_FALSE(buttons.isEmpty()) << frameName;
        for (QPushButton *button : buttons)
            if (button->isVisible() && button->isEnabled()) {
                // A Close button hides the frame: the next button is tried on a fresh opening.
                control<QAction>(QString::fromUtf8(action))->trigger();
                frame->show();
                EXPECT_TRUE(clickReaches(m_window.get(), button))
                    << frameName << " " << button->objectName().toStdString();
            }
        frame->hide();
    }
    // The network link box is shown by the program, never from a menu; it comes up front the same.
    if (auto *link = m_window->findChild<QWidget *>(QStringLiteral("SSFrame3"))) {
        link->show();
        const QPoint centre = link->mapTo(m_window.get(), link->rect().center());
        QWidget *top = m_window->childAt(centre);
        EXPECT_TRUE(top == link || link->isAncestorOf(top));
    }
}

TEST_F(WindowLayoutTest, TabGoesThroughLactateHeartRateAndSpeedOfEachStep) {
    showOn(QRect(0, 0, 1366, 728));
    m_window->activateWindow();
    const auto tabFrom = [this](const QString &name) {
        QWidget *field = control<QWidget>(name);
        field->setFocus();
        QApplication::processEvents();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(field, &tab);
        QWidget *focus = m_window->focusWidget();
        return focus ? focus->objectName() : QString();
    };
    EXPECT_EQ(tabFrom("lakt1"), "puls1");
    EXPECT_EQ(tabFrom("puls1"), "temp1");
    EXPECT_EQ(tabFrom("temp1"), "lakt2"); // not the metres per second beside it
    EXPECT_EQ(tabFrom("temp5"), "lakt6");
    EXPECT_EQ(tabFrom("temp6"), "Text56");
    EXPECT_EQ(tabFrom("Text57"), "lakt1");
    for (int i = 0; i < 6; ++i)
        for (const QString &name :
             {QStringLiteral("Text%1").arg(15 + i), QStringLiteral("Text49(%1)").arg(i)}) {
            auto *computed = control<QLineEdit>(name);
            EXPECT_TRUE(computed->isReadOnly()) << name.toStdString();
            EXPECT_EQ(computed->focusPolicy(), Qt::NoFocus) << name.toStdString();
        }
    // A heart-rate-only test hides the lactates: Tab skips them.
    control<QAction>("Pja")->trigger();
    EXPECT_EQ(tabFrom("temp1"), "puls2");
    EXPECT_EQ(tabFrom("Text57"), "puls1");
}
