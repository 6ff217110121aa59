// The screen styles shipped in the settings file keep the graph legible: every drawn element
// stands out from the graph background, every label can be read, and the measured points show
// on top of the curves. Contrast is the WCAG 2.1 ratio of relative luminances.
#include "app/settings_file.h"
#include "graph/palette.h"
#include "graph/style_settings.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace kavren;

namespace {

double channelLuminance(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour) {
    return 0.2126 * channelLuminance(colour.red()) + 0.7152 * channelLuminance(colour.green()) +
           0.0722 * channelLuminance(colour.blue());
}

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The shipped file's screen values by control name; Text59 from its own line.
std::map<QString, QString> shippedScreenSet() {
    QFile file(QStringLiteral(KAVREN_SOURCE_DIR "/resources/def4.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const SettingsValues values = parseSettings(file.readAll());
    std::map<QString, QString> set;
    for (std::size_t i = 0; i < StyleLines.size(); ++i)
        if (values.styles[i])
            set[QString::fromLatin1(StyleLines[i].control)] = *values.styles[i];
    EXPECT_TRUE(values.tempoAxisColour.has_value());
    set[QStringLiteral("Text59")] = QString::number(values.tempoAxisColour.value_or(-1));
    return set;
}

} // namespace

TEST(LegibleScreenSetTest, ContrastRatioFollowsTheRelativeLuminance) {
    // Black on white is (1 + 0.05) / (0 + 0.05) = 21. Palette green (0, 128, 0): 128/255 = 0.50196,
    // ((0.50196 + 0.055) / 1.055)^2.4 = 0.21586, times 0.7152 = 0.15438, so against white
    // 1.05 / 0.20438 = 5.137. Light red (255, 0, 0) has 0.2126: 1.05 / 0.2626 = 3.998 on white.
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0, 128, 0), Qt::white), 5.137, 0.001);
    EXPECT_NEAR(contrastRatio(Qt::white, QColor(0, 128, 0)), 5.137, 0.001);
    EXPECT_NEAR(contrastRatio(QColor(255, 0, 0), Qt::white), 3.998, 0.001);
}

TEST(LegibleScreenSetTest, ShippedScreenSetStandsOutFromTheGraphBackground) {
    const std::map<QString, QString> set = shippedScreenSet();
    const auto colour = [&set](const char *control) {
        const auto found = stylePaletteColour(set.at(QString::fromLatin1(control)));
        EXPECT_TRUE(found.has_value()) << control;
        return found.value_or(QColor());
    };
    const QColor background = colour("Text42");

    // Lines, curves, points and marks: at least 3:1 against the background.
    const std::pair<const char *, const char *> drawn[] = {
        {"Text44", "lactate axis, points and curve"},
        {"Text45", "heart-rate axis, points and line"},
        {"Text43", "lactate curves of kept tests"},
        {"Text46", "heart-rate lines of kept tests"},
        {"Text41", "threshold cross"},
        {"Text59", "speed axis"}};
    for (const auto &[control, what] : drawn)
        EXPECT_GE(contrastRatio(colour(control), background), 3.0) << control << " " << what;
    // The speed axis ticks take the tempo-axis number as a raw colour value.
    const auto ticks = styleRawColour(set.at(QStringLiteral("Text59")));
    ASSERT_TRUE(ticks.has_value());
    EXPECT_GE(contrastRatio(*ticks, background), 3.0) << "speed axis ticks";

    // Axis titles and labels are text: at least 4.5:1.
    for (const char *control : {"Text44", "Text45", "Text59"})
        EXPECT_GE(contrastRatio(colour(control), background), 4.5) << control << " labels";
    EXPECT_NE(colour("Text41"), background) << "the threshold cross would vanish";
}

TEST(LegibleScreenSetTest, MeasuredPointsShowOnTopOfTheCurves) {
    const std::map<QString, QString> set = shippedScreenSet();
    const auto curveWidth = styleWidth(set.at(QStringLiteral("Text22")));
    const auto circleWidth = styleWidth(set.at(QStringLiteral("Text24")));
    ASSERT_TRUE(curveWidth && circleWidth);
    // An outline thinner than the curve disappears where the curve runs through the point.
    EXPECT_GE(*circleWidth, *curveWidth);
    EXPECT_GE(*circleWidth, 2);
    // The circle stands clear of the curve through it: on the smallest graph of a 1280 x 720
    // screen (about 700 pixels over the 13 x units) its diameter is at least four curve widths.
    const double pixelsPerUnit = 700.0 / 13;
    EXPECT_GE(2 * styleSize(set.at(QStringLiteral("Text23"))) * pixelsPerUnit, 4.0 * *curveWidth);
}
