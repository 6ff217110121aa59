// The style values: their conversions for whatever a user may type, the previews that follow a
// typed colour, the graph background, and the frames' buttons.
#include "graph/graph_widget.h"
#include "graph/style_panel.h"
#include "graph/style_settings.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

struct ConversionCase {
    const char *text;
    std::optional<int> palette; // palette number, or empty when the step fails
    std::optional<int> width;
    std::optional<int> pattern;
    bool rawConverts;
};

class StyleConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(StyleConversionTest, ConvertsOrFails) {
    const ConversionCase &c = GetParam();
    const QString text = QString::fromLatin1(c.text);
    const auto colour = stylePaletteColour(text);
    ASSERT_EQ(colour.has_value(), c.palette.has_value()) << c.text;
    if (c.palette) {
        EXPECT_EQ(*colour, *colourOfPaletteNumber(*c.palette)) << c.text;
    }
    EXPECT_EQ(styleWidth(text), c.width) << c.text;
    const auto pattern = styleFillPattern(text);
    ASSERT_EQ(pattern.has_value(), c.pattern.has_value()) << c.text;
    if (c.pattern) {
        EXPECT_EQ(int(*pattern), *c.pattern) << c.text;
    }
    EXPECT_EQ(styleRawColour(text).has_value(), c.rawConverts) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    TypedTexts, StyleConversionTest,
    testing::Values(ConversionCase{"12", 12, 12, std::nullopt, true},
                    ConversionCase{"", std::nullopt, std::nullopt, std::nullopt, false},
                    ConversionCase{"abc", std::nullopt, std::nullopt, std::nullopt, false},
                    ConversionCase{"-1", std::nullopt, std::nullopt, std::nullopt, false},
                    ConversionCase{"16", std::nullopt, 16, std::nullopt, true},
                    ConversionCase{"99999999999", std::nullopt, std::nullopt, std::nullopt, false},
                    ConversionCase{"1E30", std::nullopt, std::nullopt, std::nullopt, false},
                    ConversionCase{"0.5", 0, std::nullopt, 0, true}, // half to even: 0
                    ConversionCase{"1.5", 2, 2, 2, true},
                    ConversionCase{"8", 8, 8, std::nullopt, true},
                    ConversionCase{" 4 ", 4, 4, 4, true}));

TEST(StyleSize, ReadsByTheNumericRuleAndFailsToZero) {
    EXPECT_DOUBLE_EQ(styleSize(QStringLiteral(".07")), 0.07);
    EXPECT_DOUBLE_EQ(styleSize(QStringLiteral("x")), 0);
    EXPECT_DOUBLE_EQ(styleSize(QString()), 0);
}

class StylePanelTest : public testing::Test {
protected:
    QWidget area;
    StylePanel panel{&area};
    QLineEdit *field(const char *name) { return panel.field(QString::fromLatin1(name)); }
    QColor previewOf(const char *name, QPalette::ColorRole role) {
        auto *widget = area.findChild<QWidget *>(QString::fromLatin1(name));
        return widget ? widget->palette().color(role) : QColor();
    }
};

TEST_F(StylePanelTest, SwatchFollowsAValidColourAndKeepsItOtherwise) {
    field("Text44")->setText(QStringLiteral("12"));
    EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(255, 0, 0));
    for (const char *bad : {"16", "x", "", "-1", "1E30"}) {
        field("Text44")->setText(QString::fromLatin1(bad));
        EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(255, 0, 0)) << bad;
    }
}

TEST_F(StylePanelTest, DesignDefaultsShowInThePreviews) {
    // Loading fires each field's change action, so the defaults are shown from the start.
    EXPECT_EQ(previewOf("Shape1", QPalette::Window), QColor(0, 0, 255));   // Text44 "9"
    EXPECT_EQ(previewOf("Shape3", QPalette::Window), QColor(255, 0, 0));   // Text45 "12"
    EXPECT_EQ(previewOf("Frame9", QPalette::Window), QColor(192, 192, 192)); // Text59 "7"
    EXPECT_EQ(previewOf("Label31", QPalette::WindowText), QColor(0, 0, 128)); // Text30 "1"
}

TEST_F(StylePanelTest, FillColourLabelShowsThePaletteColourOfTheRawValue) {
    field("Text37")->setText(QStringLiteral("4"));
    EXPECT_EQ(previewOf("Label38", QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(*styleRawColour(panel.settings().printLactateMarkFill), QColor(4, 0, 0));
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
    auto *close13 = panel.printerFrame()->findChild<QPushButton *>(QStringLiteral("Command13"));
    ASSERT_NE(close13, nullptr);
    EXPECT_FALSE(close13->isEnabled());
    panel.showPrinterFrame();
    EXPECT_TRUE(panel.printerFrame()->isVisible());
    EXPECT_TRUE(close13->isEnabled());
    close13->click();
    EXPECT_FALSE(panel.printerFrame()->isVisible());
    panel.showScreenFrame();
    EXPECT_EQ(panel.screenFrame()->title(), QStringLiteral("Screen"));
    panel.screenFrame()->findChild<QPushButton *>(QStringLiteral("Command12"))->click();
    EXPECT_FALSE(panel.screenFrame()->isVisible());
}

} // namespace
