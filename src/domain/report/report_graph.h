// The graph of the report page: the axis frame with its labels, the kept curves with their points
// and the threshold cross-lines, drawn below the text blocks with the printer styles.
#pragma once

#include "domain/report/report_page.h"

#include <vector>

namespace kavren {

// The axis ranges the page prints with, chosen again from the axis tops the screen left: the
// lactate axis top and scale, the heart-rate axis top and scale, and in a recovery test the base.
GraphScale reportAxisScale(const GraphScale &screen, bool recovery);

// A label of the page's axes: its text and its top-left corner in graph coordinates.
struct ReportAxisLabel {
    QString text;
    QPointF at;
};
std::vector<ReportAxisLabel> reportLactateLabels(const GraphScale &scale);
std::vector<ReportAxisLabel> reportHrLabels(const GraphScale &scale, bool recovery);
std::vector<ReportAxisLabel> reportXLabels(bool recovery);

// How a graph differs from the classic page's: the page scale that puts the graph coordinates
// where it stands, a colour of its own for each kept test's lactate and heart-rate curves and
// points (empty: the printer styles), heart-rate points as crosses beside filled lactate dots, and
// the size of its titles and labels.
struct ReportGraphLook {
    UserScale pageScale = GraphPageScale;
    std::array<std::optional<QColor>, FrozenCurves::Slots> lactateColours{};
    std::array<std::optional<QColor>, FrozenCurves::Slots> hrColours{};
    bool distinctMarks = false;
    double fontSize = 10;
};

// Draws steps 9 to 13 of the page on the graph's own scale; returns the scale it printed with.
GraphScale drawReportGraph(DrawingSurface &surface, const ReportInputs &inputs,
                           const ReportGraphLook &look = {});

} // namespace kavren
