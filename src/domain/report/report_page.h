// The one-page test report: the horse's identity and comments, the comparison table, the typed
// steps, the optional threshold, the training zones and the graph of the test (or of every kept
// curve) with both axes. The page is a plain function of what the main window holds, drawn on any
// drawing surface: the printer page, a PDF file, the print preview or a recording for tests.
#pragma once

#include "domain/analysis/comparison_cells.h"
#include "domain/exercise/curve_fit.h"
#include "domain/exercise/exercise_step.h"
#include "domain/plot/frozen_curves.h"
#include "domain/exercise/graph_scale.h"
#include "domain/drawing/drawing_surface.h"
#include "domain/drawing/style_settings.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

namespace kavren {

// The two user scales of the page, each over the whole printable area: the text blocks and the
// picture first, then the graph below them.
inline constexpr UserScale PageScale{4, 32, 16, -5};
inline constexpr UserScale GraphPageScale{2, 42, 17, -5};

// The comparison table as its cells read: value columns date, V200 (La(0)), VLa2 (La(5)), VLa4
// (La(10)), Hr2 (La(20)), Hr4 (Hr(0)), Hr5, Hr10, Hr20 for rows 0…5, and the per-cent columns of
// V200 … Hr20 for the lines of rows 1…5.
struct ReportTable {
    static constexpr int ValueColumns = 9;
    static constexpr int ChangeColumns = 8;
    static constexpr int ValueRows = 6;
    static constexpr int ChangeRows = 5;
    std::array<std::array<QString, ValueRows>, ValueColumns> values;
    std::array<std::array<QString, ChangeRows>, ChangeColumns> changes;
    // Values read off the fitted line beyond the measured steps: printed with a "*" after the
    // number and explained once in a footnote under the table. Indexed like `values`.
    std::array<std::array<bool, ValueRows>, ValueColumns> extrapolated{};
};

// Everything the page shows, gathered from the main window at the moment of printing.
struct ReportInputs {
    // Identity, as typed: Text4, Text5, Text6, Text7, Text8, Text60, the maximum heart rate Text21
    // and the comments Text56.
    QString name, breed, age, sex, stable, trainer, maxHr, comments;
    // The six step rows as typed: lakt i, puls i, temp i.
    std::array<QString, StepRows> lactate, hr, speed;
    QString speedCaption; // caption of the speed column (Label3)
    bool recovery = false;
    // The optional threshold: lactate (Text1), heart rate (Text2), speed in m/s (Text3) and the
    // same speed as min/km pace (Label18).
    QString thresholdLactate, thresholdHr, thresholdSpeed, thresholdPace;
    ReportTable table;
    std::array<QString, 5> zones; // Label64(0…4)
    FrozenCurves curves;
    int curveSlot = 0; // kept curves 1…curveSlot are drawn
    CurveFit fit;      // the last run's fit, for the threshold cross-lines
    GraphScale scale;  // as the screen graph left it
    bool freezeChecked = false;
    QImage picture; // the graph's background picture; null when there is none
    StyleSettings styles;
    // The indices of the table's tests with their 95 % intervals (row r: element r), the per-cent
    // cells shown grey because their change is within the uncertainty of the two tests, and the
    // discipline whose unit the table's speeds are in.
    std::array<TestIntervals, ComparisonCells::ListSize> comparedIntervals{};
    UncertainPercentCells uncertain;
    QString discipline;
};

// The comment as printed lines: CR LF, LF and CR each end a line; at most the first seven lines.
QStringList reportCommentLines(const QString &comments);

// Draws the page. Returns the graph scale with the axis ranges the page chose again (lactate
// axis top and scale, heart-rate axis top and scale, and the recovery test's heart-rate base).
GraphScale drawReportPage(DrawingSurface &surface, const ReportInputs &inputs);

} // namespace kavren
