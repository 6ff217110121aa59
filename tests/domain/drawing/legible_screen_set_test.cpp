// The screen styles shipped in the settings file keep the graph legible: every drawn element
// stands out from the graph background, every label can be read, and the measured points show
// on top of the curves. Contrast is the WCAG 2.1 ratio of relative luminances.
#include "io/settings_file.h"
#include "domain/drawing/axis_frame.h"
#include "domain/drawing/curve_plot.h"
#include "domain/drawing/live_point.h"
#include "domain/drawing/palette.h"
#include "domain/drawing/style_settings.h"
#include "support/recording_surface.h"

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

double wcagContrast(const QColor &a, const QColor &b) {
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

// The shipped file's screen values over the design defaults.
StyleSettings shippedStyles() {
    StyleSettings styles;
    const std::map<QString, QString> set = shippedScreenSet();
    for (const StyleField &field : styleFields())
        if (const auto found = set.find(QString::fromLatin1(field.controlName)); found != set.end())
            styles.*field.value = found->second;
    return styles;
}

// Everything drawn as data on a graph of this background: a point and a curve of every style and
// colour, the threshold cross and a live point.
std::vector<SurfaceStep> drawnData(const StyleSettings &styles, const QColor &background) {
    RecordingSurface surface;
    surface.setScale(3, 13, 16, -3);
    surface.setBackdrop(background);
    PlotItems items;
    for (MarkStyle style :
         {MarkStyle::LactatePoint, MarkStyle::HrPoint, MarkStyle::KeptLactatePoint,
          MarkStyle::KeptHrPoint, MarkStyle::KeptExtraLactateMark})
        items.marks.push_back({{6, 5}, style});
    for (CurveColour colour :
         {CurveColour::Lactate, CurveColour::HeartRate, CurveColour::LactateOthers,
          CurveColour::HeartRateOthers, CurveColour::HeartRateOfFile})
        items.curves.push_back({colour, 0.01, {{6, 4}}});
    drawCurvePlot(surface, styles, items);
    ThresholdCross cross;
    cross.lines = {QLineF(15, 2, 6, 2)};
    drawThresholdCross(surface, styles, cross);
    drawLivePoint(surface, 7.5, 168, 0.1);
    // The frame of a single test and the common-scale one: axes, titles, grid, ticks and labels.
    // The titles' pen dots in the background colour are left out: they are meant not to show.
    const GraphAxes axes = chooseGraphAxes(false, 8, 190, 130);
    drawAxisFrame(surface, styles, axes);
    drawCommonScaleFrame(surface, styles, axes);
    std::vector<SurfaceStep> steps = surface.steps();
    std::erase_if(steps, [](const SurfaceStep &step) {
        return step.kind == SurfaceStep::Kind::Point && step.a.y() == 12.8;
    });
    return steps;
}

} // namespace

TEST(LegibleScreenSetTest, EveryDrawnColourStandsOutFromTheBackgroundOfTheSettingsInUse) {
    // The shipped white background (the live point is white) and the design defaults' green one
    // (lactate light blue 2.2:1, heart rate light red 1.2:1, the threshold cross green on green).
    const std::pair<const char *, StyleSettings> sets[] = {{"shipped", shippedStyles()},
                                                           {"design defaults", StyleSettings{}}};
    for (const auto &[name, styles] : sets) {
        const auto background = stylePaletteColour(styles.backgroundColour);
        ASSERT_TRUE(background.has_value()) << name;
        const std::vector<SurfaceStep> steps = drawnData(styles, *background);
        ASSERT_GT(steps.size(), 5u + 5u + 1u + 1u) << name;
        for (const SurfaceStep &step : steps)
            EXPECT_GE(wcagContrast(step.colour, *background), 3.0)
                << name << ": " << step.colour.name().toStdString() << " drawn at " << step.a.x()
                << " " << step.a.y();
    }
    // A colour that stands out keeps its own colour: the green cross on white (5.1:1).
    EXPECT_EQ(drawnData(StyleSettings{}, Qt::white).at(10).colour, QColor(0, 128, 0));
    // A vanishing colour turns black on a light background, white on a dark one: light yellow
    // on light grey is 1.6:1, dark blue on black 1.3:1.
    StyleSettings hr;
    hr.hrColour = QStringLiteral("14");
    const auto hrPoint = [&hr](const QColor &background) {
        return drawnData(hr, background).at(1).colour; // the heart-rate point
    };
    EXPECT_EQ(hrPoint(QColor(192, 192, 192)), QColor(0, 0, 0));
    EXPECT_EQ(hrPoint(QColor(0, 0, 128)), QColor(255, 255, 0)); // stands out as it is
    hr.hrColour = QStringLiteral("1");
    EXPECT_EQ(hrPoint(QColor(0, 0, 0)), QColor(255, 255, 255));
}

TEST(LegibleScreenSetTest, ContrastRatioFollowsTheRelativeLuminance) {
    // Black on white is (1 + 0.05) / (0 + 0.05) = 21. Palette green (0, 128, 0): 128/255 = 0.50196,
    // ((0.50196 + 0.055) / 1.055)^2.4 = 0.21586, times 0.7152 = 0.15438, so against white
    // 1.05 / 0.20438 = 5.137. Light red (255, 0, 0) has 0.2126: 1.05 / 0.2626 = 3.998 on white.
    EXPECT_NEAR(wcagContrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(wcagContrast(QColor(0, 128, 0), Qt::white), 5.137, 0.001);
    EXPECT_NEAR(wcagContrast(Qt::white, QColor(0, 128, 0)), 5.137, 0.001);
    EXPECT_NEAR(wcagContrast(QColor(255, 0, 0), Qt::white), 3.998, 0.001);
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
        EXPECT_GE(wcagContrast(colour(control), background), 3.0) << control << " " << what;
    // The speed axis ticks take the tempo-axis number as a raw colour value.
    const auto ticks = styleRawColour(set.at(QStringLiteral("Text59")));
    ASSERT_TRUE(ticks.has_value());
    EXPECT_GE(wcagContrast(*ticks, background), 3.0) << "speed axis ticks";

    // Axis titles and labels are text: at least 4.5:1.
    for (const char *control : {"Text44", "Text45", "Text59"})
        EXPECT_GE(wcagContrast(colour(control), background), 4.5) << control << " labels";
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
