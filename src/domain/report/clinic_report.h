// The clinic report: the page a vet hands to a trainer. The clinic's name, address and logo and a
// title above the test date and the horse's identity in a grid; the index table with units and
// the per-cent changes against the earlier tests; the input data with units; the training zones
// and the threshold; the graph of the kept tests with a legend, in the screen's colours, with
// lactate and heart-rate points told apart; the comments in full; footnotes for extrapolated
// values and the fitting method; a footer with the program, its version and the page number.
// Drawn through the drawing surface like the classic page, on a user scale in millimetres of
// the drawing area's width (180 across, as deep as the page's proportions make it).
#pragma once

#include "domain/report/report_page.h"

#include <QImage>
#include <QString>

#include <array>

namespace kavren {

// The clinic's details as the clinic's preferences hold them.
struct ClinicDetails {
    QString name;
    QString address; // one line per line of the address
    QImage logo;     // null when none
};

struct ClinicReportInputs {
    ReportInputs page; // everything the classic page shows
    ClinicDetails clinic;
    QString testDate; // the date of the test (not of printing)
    // The date of each kept test, by slot, for the graph's legend.
    std::array<QString, FrozenCurves::Slots> keptDates;
    QString program; // "Kavren Equine 1.2.3"
    // The 95 % interval of each index value and whether a per-cent change lies within the
    // uncertainty of its two values (such a change is printed grey). Indexed like the table;
    // empty and false until the intervals are computed.
    std::array<std::array<QString, ReportTable::ValueRows>, ReportTable::ValueColumns> intervals;
    std::array<std::array<bool, ReportTable::ChangeRows>, ReportTable::ChangeColumns>
        changeWithinUncertainty{};
};

inline constexpr double ClinicPageWidth = 180;
inline constexpr char ClinicReportTitle[] =
    QT_TRANSLATE_NOOP("ClinicReport", "Exercise test report");
inline constexpr char FitMethodFootnote[] = QT_TRANSLATE_NOOP(
    "ClinicReport", "Lactate curve: least-squares fit of ln(lactate) against speed; heart rate: "
                    "least-squares straight line.");

// Fills `intervals` under the speed layout's index values from the page's compared intervals, in
// the discipline's unit ("95 % CI 452.1–475.0", "95 % CI unbounded"; nothing where the test has no
// such value or its interval cannot be given), and `changeWithinUncertainty` from the grey
// per-cent cells.
void fillIndexUncertainty(ClinicReportInputs &inputs);

inline constexpr char WithinUncertaintyFootnote[] =
    QT_TRANSLATE_NOOP("ClinicReport", "grey: within the uncertainty of the two tests");

// The colour of kept test `slot` on the clinic report: the screen's colours for the test in the
// first slot, then distinct colours that stand out on white paper.
QColor clinicLactateColour(const StyleSettings &styles, int slot);
QColor clinicHrColour(const StyleSettings &styles, int slot);

void drawClinicReport(DrawingSurface &surface, const ClinicReportInputs &inputs);

} // namespace kavren
