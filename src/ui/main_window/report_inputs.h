// The report page's inputs as the window's features show them at the moment of printing.
#pragma once

#include "domain/analysis/calculation_run.h"
#include "domain/analysis/comparison_table.h"
#include "domain/exercise/current_exercise.h"
#include "domain/report/report_page.h"

namespace kavren {

class ComparisonPanel;
class EntryPanel;
class ThresholdPanel;

struct ReportSources {
    const EntryPanel &entry;           // the horse's identity, the comments and the steps
    const ThresholdPanel &threshold;   // the threshold and the training zones
    const ComparisonPanel &comparison; // the table with its extrapolated values
    const CurrentTest &test;
    const AnalysisState &analysis;
    const PercentCells &percent; // the per-cent cells shown, with their grey ones
    bool freezeChecked = false;  // "Freeze curve"
    QImage picture;              // the graph's background picture
    StyleSettings styles;
};

ReportInputs reportInputs(const ReportSources &sources);

} // namespace kavren
