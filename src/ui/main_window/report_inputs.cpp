#include "ui/main_window/report_inputs.h"

#include "ui/comparison/comparison_panel.h"
#include "ui/entry/entry_panel.h"
#include "ui/threshold/threshold_panel.h"

namespace kavren {

namespace {

// The comparison table as shown: the dates and the values of up to six tests, and the per cents.
ReportTable tableShown(const ComparisonPanel &comparison) {
    ReportTable table;
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r) {
        table.values[0][r] = comparison.dateText(int(r));
        for (std::size_t c = 1; c < ReportTable::ValueColumns; ++c) {
            table.values[c][r] = comparison.valueText(int(c) - 1, int(r));
            table.extrapolated[c][r] = comparison.isExtrapolated(int(c) - 1, int(r));
        }
    }
    for (std::size_t c = 0; c < ReportTable::ChangeColumns; ++c)
        for (std::size_t r = 0; r < ReportTable::ChangeRows; ++r)
            table.changes[c][r] = comparison.percentText(int(c), int(r));
    return table;
}

} // namespace

ReportInputs reportInputs(const ReportSources &sources) {
    ReportInputs in;
    copyIdentity(sources.entry.identity(), in);
    in.comments = sources.entry.comments();
    const TestSteps steps = sources.entry.steps();
    for (std::size_t i = 0; i < StepRows; ++i) {
        in.lactate[i] = steps[i].lactate;
        in.hr[i] = steps[i].hr;
        in.speed[i] = steps[i].speedText;
    }
    in.speedCaption = sources.entry.speedCaptionText();
    in.recovery = sources.test.speedUnit == SpeedUnit::RecoveryTime;
    const ThresholdPanel &threshold = sources.threshold;
    in.thresholdLactate = threshold.thresholdLactateText();
    in.thresholdHr = threshold.thresholdHrText();
    in.thresholdSpeed = threshold.thresholdSpeedText();
    in.thresholdPace = threshold.paceText();
    in.table = tableShown(sources.comparison);
    in.zones = threshold.zoneTexts();
    in.curves = sources.analysis.frozenCurves;
    in.curveSlot = sources.test.curveSlot;
    in.fit = sources.test.fit;
    in.scale = sources.test.scale;
    in.freezeChecked = sources.freezeChecked;
    in.picture = sources.picture;
    in.styles = sources.styles;
    in.comparedIntervals = sources.analysis.comparison.comparedIntervals;
    in.discipline = sources.test.discipline;
    in.uncertain = sources.percent.uncertain;
    return in;
}

} // namespace kavren
