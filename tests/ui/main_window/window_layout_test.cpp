// The main window on screens of several sizes: every control can be reached without scrolling and
// none covers another; frames shown over others come to the front and take clicks; Tab follows
// the steps as they are typed.
#include "ui/main_window/laktat.h"
#include "ui/common/translations.h"
#include "ui/common/window_scale.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
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
    const char *picture = nullptr;   // file name of the picture taken on request
    bool picturePerLanguage = false; // a picture in each language, not only the original
};

void PrintTo(const ScreenCase &screen, std::ostream *out) {
    *out << screen.name;
}

// Each screen in each language of the window: the window is built after the language is chosen.
class ScreenSizeTest : public WindowLayoutTest,
                       public ::testing::WithParamInterface<std::tuple<ScreenCase, const char *>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(kavren::useLanguage(QString::fromLatin1(language())));
        WindowLayoutTest::SetUp();
    }
    void TearDown() override { kavren::useLanguage(QStringLiteral("original")); }
    const ScreenCase &screen() const { return std::get<0>(GetParam()); }
    const char *language() const { return std::get<1>(GetParam()); }
};

// The room a caption needs in its control by the control's font, and the room it has: a label's
// text on one line, or, where the label wraps, its longest word across and its lines down; a push
// button's text with the button's margin; a tick box's or option's text beside its indicator.
// Nothing for a control without a caption.
struct CaptionRoom {
    QString text;
    QSize needed;
    QSize room;
    bool fits() const { return needed.width() <= room.width() && needed.height() <= room.height(); }
};

std::optional<CaptionRoom> captionRoom(QWidget *control) {
    const QFontMetrics metrics(control->font());
    QStyle *style = control->style();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        const QString text = label->text();
        if (text.trimmed().isEmpty())
            return std::nullopt;
        const QSize room = label->contentsRect().size();
        if (!label->wordWrap())
            return CaptionRoom{
                text,
                {metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text).width(), 0},
                room};
        int widestWord = 0;
        for (const QString &word :
             text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        const int lines =
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                .height();
        return CaptionRoom{text, {widestWord, lines}, room};
    }
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button || button->text().trimmed().isEmpty())
        return std::nullopt;
    const QString text = button->text();
    int needed = metrics.horizontalAdvance(QString(text).remove(u'&'));
    if (qobject_cast<QPushButton *>(button))
        needed += style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    else if (qobject_cast<QRadioButton *>(button))
        needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    return CaptionRoom{text, {needed, 0}, button->size()};
}

// The captions of the window's area, the frames the menus open included, in the order the
// window builds its controls (the same in every language).
std::vector<std::pair<QWidget *, std::optional<CaptionRoom>>> captionRooms(QWidget *area) {
    std::vector<std::pair<QWidget *, std::optional<CaptionRoom>>> rooms;
    for (QWidget *control : area->findChildren<QWidget *>())
        rooms.emplace_back(control, captionRoom(control));
    return rooms;
}

// A translated window on the laptop screen: each caption fits its control, or, where the original
// text already does not, needs no more room than that.
class CaptionFitTest : public WindowLayoutTest, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override {
        ASSERT_TRUE(kavren::useLanguage(QString::fromLatin1(GetParam())));
        WindowLayoutTest::SetUp();
    }
    void TearDown() override { kavren::useLanguage(QStringLiteral("original")); }
};

} // namespace

TEST_P(ScreenSizeTest, EveryControlIsReachableAndNoneCoversAnother) {
    const QRect available = screen().available;
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
    const QRect available = screen().available;
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

// "window-1366x768.png" in the original texts, "window-1366x768-de.png" in German.
QString pictureName(const ScreenCase &screen, const char *language) {
    QString name = QString::fromLatin1(screen.picture);
    if (qstrcmp(language, "original") != 0)
        name.insert(name.lastIndexOf(u'.'), QLatin1Char('-') + QLatin1String(language));
    return name;
}

TEST_P(ScreenSizeTest, ACalculatedFourStepTestShowsWholeOnScreen) {
    const QRect available = screen().available;
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
    const bool original = qstrcmp(language(), "original") == 0;
    if (!folder.isEmpty() && screen().picture && (original || screen().picturePerLanguage))
        m_window->grab().save(QDir(folder).filePath(pictureName(screen(), language())));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenSizeTest,
    ::testing::Combine(::testing::Values(ScreenCase{"Laptop1366x768WithPanel",
                                                    QRect(0, 0, 1366, 728), "window-1366x768.png",
                                                    true},
                                         ScreenCase{"Screen1280x720", QRect(0, 0, 1280, 720)},
                                         ScreenCase{"Monitor1920x1080", QRect(0, 0, 1920, 1080),
                                                    "window-1920x1080.png"},
                                         ScreenCase{"Monitor2560x1440", QRect(0, 0, 2560, 1440)}),
                       ::testing::Values("original", "en", "de", "sv", "fr")),
    [](const ::testing::TestParamInfo<std::tuple<ScreenCase, const char *>> &run) {
        // The original texts keep the screen's own name.
        const std::string language = std::get<1>(run.param);
        return std::string(std::get<0>(run.param).name) +
               (language == "original" ? std::string() : "_" + language);
    });

TEST_P(CaptionFitTest, NoCaptionIsCutOnTheLaptopScreen) {
    const QRect laptop(0, 0, 1366, 728);
    showOn(laptop);
    const auto translated = captionRooms(area());
    kavren::useLanguage(QStringLiteral("original"));
    Laktat original(m_folder.path());
    original.setGeometry(laptop);
    original.fitToArea(laptop);
    const auto source = captionRooms(original.findChild<QWidget *>(QStringLiteral("laktatArea")));
    ASSERT_EQ(translated.size(), source.size());
    for (std::size_t i = 0; i < translated.size(); ++i) {
        const auto &[control, room] = translated[i];
        if (!room || room->fits())
            continue;
        const std::optional<CaptionRoom> &before = source[i].second;
        if (before &&
            room->needed.width() <= std::max(before->needed.width(), room->room.width()) &&
            room->needed.height() <= std::max(before->needed.height(), room->room.height()))
            continue;
        ADD_FAILURE() << control->objectName().toStdString() << " \"" << room->text.toStdString()
                      << "\" needs " << room->needed.width() << "x" << room->needed.height()
                      << " px, has " << room->room.width() << "x" << room->room.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFitTest, ::testing::Values("en", "de", "sv", "fr"),
                         [](const ::testing::TestParamInfo<const char *> &language) {
                             return std::string(language.param);
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
