// The style values: their conversions for whatever a user may type, the previews that follow a
// typed colour, the graph background, and the frames' buttons.
#include "ui/graph/graph_widget.h"
#include "ui/graph/style_panel.h"
#include "domain/drawing/style_settings.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

using namespace kavren;

namespace {

struct ConversionCase {
    const char *text;
    std::optional<int> palette; // palette number, or empty when the step fails
    std::optional<int> width;
    std::optional<int> pattern;
    std::optional<int> raw; // the 0xBBGGRR value the raw colour stands for
};

void PrintTo(const ConversionCase &c, std::ostream *out) {
    *out << '"' << c.text << '"';
}

// The colour a 0xBBGGRR value stands for, worked out apart from the conversion under test.
QColor colourOfBbggrr(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

class StyleConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(StyleConversionTest, ConvertsOrFails) {
    const ConversionCase &c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    const auto colour = stylePaletteColour(text);
    ASSERT_EQ(colour.has_value(), c.palette.has_value()) << '"' << c.text << '"';
    if (c.palette) {
        EXPECT_EQ(*colour, *colourOfPaletteNumber(*c.palette)) << c.text;
    }
    EXPECT_EQ(styleWidth(text), c.width) << '"' << c.text << '"';
    const auto pattern = styleFillPattern(text);
    ASSERT_EQ(pattern.has_value(), c.pattern.has_value()) << '"' << c.text << '"';
    if (c.pattern) {
        EXPECT_EQ(int(*pattern), *c.pattern) << c.text;
    }
    const auto raw = styleRawColour(text);
    ASSERT_EQ(raw.has_value(), c.raw.has_value()) << '"' << c.text << '"';
    if (c.raw) {
        EXPECT_EQ(*raw, colourOfBbggrr(*c.raw)) << c.text;
    }
}

constexpr std::nullopt_t none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, StyleConversionTest,
    testing::Values(
        // Whole numbers, with blanks around them.
        ConversionCase{"12", 12, 12, none, 12}, ConversionCase{" 12 ", 12, 12, none, 12},
        ConversionCase{" 4 ", 4, 4, 4, 4}, ConversionCase{"+3", 3, 3, 3, 3},
        ConversionCase{"7", 7, 7, 7, 7},
        // Halves go to the even neighbour before the range check.
        ConversionCase{"12.5", 12, 12, none, 12}, ConversionCase{"13.5", 14, 14, none, 14},
        ConversionCase{"0.5", 0, none, 0, 0}, ConversionCase{"1.5", 2, 2, 2, 2},
        ConversionCase{"2.5", 2, 2, 2, 2}, ConversionCase{"1e1", 10, 10, none, 10},
        // Not a number as a whole: the leading number does not count.
        ConversionCase{"12x", none, none, none, none},
        ConversionCase{"1 2", none, none, none, none},
        ConversionCase{"12,5", none, none, none, none}, ConversionCase{"", none, none, none, none},
        ConversionCase{"x", none, none, none, none}, ConversionCase{"abc", none, none, none, none},
        ConversionCase{".", none, none, none, none}, ConversionCase{"2 x", none, none, none, none},
        // Numbers out of range.
        ConversionCase{"-1", none, none, none, none}, ConversionCase{"16", none, 16, none, 16},
        ConversionCase{"8", 8, 8, none, 8}, ConversionCase{"1E30", none, none, none, none},
        ConversionCase{"16777215", none, none, none, 0xFFFFFF},
        ConversionCase{"16777216", none, none, none, none},
        ConversionCase{"99999999999", none, none, none, none}));

struct SizeCase {
    const char *text;
    double size;
};

void PrintTo(const SizeCase &c, std::ostream *out) {
    *out << '"' << c.text << '"';
}

class StyleSizeTest : public testing::TestWithParam<SizeCase> {};

// A size keeps the numeric reading rule: its leading number, or 0.
TEST_P(StyleSizeTest, ReadsByTheNumericRuleAndFailsToZero) {
    EXPECT_DOUBLE_EQ(styleSize(QString::fromLatin1(GetParam().text)), GetParam().size)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(TypedTexts, StyleSizeTest,
                         testing::Values(SizeCase{".07", 0.07}, SizeCase{" 0.05 ", 0.05},
                                         SizeCase{"0.1x", 0.1}, SizeCase{"x", 0}, SizeCase{"", 0},
                                         SizeCase{"1E999", 0}));

class StylePanelTest : public testing::Test {
protected:
    QWidget area;
    StylePanel panel{&area};
    QLineEdit *field(const char *name) {
        return area.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QGroupBox *frame(const char *name) {
        return area.findChild<QGroupBox *>(QString::fromLatin1(name));
    }
    QColor previewOf(const char *name, QPalette::ColorRole role) {
        auto *widget = area.findChild<QWidget *>(QString::fromLatin1(name));
        return widget ? widget->palette().color(role) : QColor();
    }
};

TEST_F(StylePanelTest, SwatchFollowsAValidColourAndKeepsItOtherwise) {
    field("Text44")->setText(QStringLiteral("12"));
    EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(255, 0, 0));
    for (const char *bad : {"16", "x", "", "-1", "1E30", "12x", "1 2", "9,0"}) {
        field("Text44")->setText(QString::fromLatin1(bad));
        EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(255, 0, 0)) << bad;
    }
}

TEST_F(StylePanelTest, DesignDefaultsShowInThePreviews) {
    // Loading fires each field's change action, so the defaults are shown from the start.
    EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(0, 0, 255));      // Text44 "9"
    EXPECT_EQ(previewOf("Shape3", QPalette::Window), QColor(255, 0, 0));      // Text45 "12"
    EXPECT_EQ(previewOf("Frame9", QPalette::Window), QColor(192, 192, 192));  // Text59 "7"
    EXPECT_EQ(previewOf("Label31", QPalette::WindowText), QColor(0, 0, 128)); // Text30 "1"
}

TEST_F(StylePanelTest, FillColourLabelShowsThePaletteColourOfTheRawValue) {
    field("Text37")->setText(QStringLiteral("4"));
    EXPECT_EQ(previewOf("Label38", QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(*styleRawColour(panel.settings().printLactateMarkFill), QColor(4, 0, 0));
    field("Text37")->setText(QStringLiteral("9x"));
    EXPECT_EQ(previewOf("Label38", QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_FALSE(styleRawColour(panel.settings().printLactateMarkFill).has_value());
}

TEST_F(StylePanelTest, BackgroundColourReachesTheGraphAtOnce) {
    GraphWidget graph;
    panel.setGraph(&graph);
    EXPECT_EQ(graph.backgroundColour(), QColor(0, 128, 0)); // design "2"
    field("Text42")->setText(QStringLiteral("9"));
    EXPECT_EQ(graph.backgroundColour(), QColor(0, 0, 255));
    EXPECT_EQ(previewOf("Frame8", QPalette::Window), QColor(0, 0, 255));
    field("Text42")->setText(QStringLiteral("x"));
    EXPECT_EQ(graph.backgroundColour(), QColor(0, 0, 255));
}

TEST_F(StylePanelTest, OnlyTheGraphLastGivenFollowsTheBackgroundColour) {
    GraphWidget first;
    GraphWidget second;
    panel.setGraph(&first);
    panel.setGraph(&second);
    field("Text42")->setText(QStringLiteral("9"));
    EXPECT_EQ(first.backgroundColour(), QColor(0, 128, 0)); // still design "2"
    EXPECT_EQ(second.backgroundColour(), QColor(0, 0, 255));
}

TEST_F(StylePanelTest, AnUnchangedValueShowsItsPreviewAgain) {
    auto *swatch = area.findChild<QWidget *>(QStringLiteral("Shape1"));
    ASSERT_NE(swatch, nullptr);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, Qt::black);
    swatch->setPalette(palette);
    panel.setSettings(StyleSettings{}); // Text44 keeps its "9"
    EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(0, 0, 255));
}

TEST_F(StylePanelTest, HeartRateCaptionTakesTheHeartRateCurveColourWhenAsked) {
    EXPECT_EQ(previewOf("Label54", QPalette::WindowText), QColor(0, 0, 255)); // the row's blue
    field("Text45")->setText(QStringLiteral("4"));
    EXPECT_EQ(previewOf("Label54", QPalette::WindowText), QColor(0, 0, 255));
    panel.colourHeartRateCaption();
    EXPECT_EQ(previewOf("Label54", QPalette::WindowText), QColor(128, 0, 0));
    field("Text45")->setText(QStringLiteral("16")); // no palette colour: the caption keeps its own
    panel.colourHeartRateCaption();
    EXPECT_EQ(previewOf("Label54", QPalette::WindowText), QColor(128, 0, 0));
}

TEST_F(StylePanelTest, SettingsRoundTripThroughTheFields) {
    StyleSettings settings;
    settings.circleSize = QStringLiteral("0.1");
    settings.printLactateWidth = QStringLiteral("3");
    panel.setSettings(settings);
    EXPECT_EQ(field("Text23")->text(), QStringLiteral("0.1"));
    EXPECT_EQ(field("Text40")->text(), QStringLiteral("3"));
    EXPECT_EQ(panel.settings().speedAxisColour, QStringLiteral("7"));
    EXPECT_EQ(styleFields().size(), 28u);
}

TEST_F(StylePanelTest, MenusShowTheFramesAndCloseHidesThem) {
    area.show();
    auto *close13 = frame("Frame2")->findChild<QPushButton *>(QStringLiteral("Command13"));
    ASSERT_NE(close13, nullptr);
    EXPECT_FALSE(close13->isEnabled());
    panel.showPrinterFrame();
    EXPECT_TRUE(frame("Frame2")->isVisible());
    EXPECT_TRUE(close13->isEnabled());
    close13->click();
    EXPECT_FALSE(frame("Frame2")->isVisible());
    panel.showScreenFrame();
    EXPECT_EQ(frame("Frame1")->title(), QStringLiteral("Screen"));
    frame("Frame1")->findChild<QPushButton *>(QStringLiteral("Command12"))->click();
    EXPECT_FALSE(frame("Frame1")->isVisible());
}

} // namespace
