// Range choice, ticks and labels of the screen graph's axes.
#include "domain/plot/graph_axes.h"

#include "domain/exercise/numeric_text.h"

namespace kavren {

LactateRange chooseLactateRange(double m) {
    LactateRange range;
    int step = 2;
    if (m > 12) {
        range.axisMax = 24;
        range.scale = 0.5f;
    } else if (m > 8) {
        range.axisMax = 12;
        range.scale = 1.0f;
    } else if (m > 6) {
        range.axisMax = 8;
        range.scale = 1.5f;
    } else {
        range.axisMax = 6;
        range.scale = 2.0f;
        step = 1;
    }
    for (int v = step; v <= int(range.axisMax); v += step)
        range.labels.push_back(v);
    return range;
}

HrRange chooseHrRange(double h, double firstHr, bool recovery) {
    HrRange range;
    int first = 0;
    int step = 15;
    int firstRow = 0;
    if (recovery || (h > 185 && firstHr <= 119)) {
        range.axisMax = 240;
        range.base = 60;
        range.scale = 1.0f / 15;
        first = 60;
    } else if (h > 185) {
        range.axisMax = 240;
        range.base = 120;
        range.scale = 0.1f;
        first = 120;
        step = 10;
    } else if (h > 135) {
        range.axisMax = 185;
        range.base = 65;
        range.scale = 0.1f;
        first = 75;
        step = 10;
        firstRow = 1;
        range.labelRise = 0.5;
    } else {
        range.axisMax = 135;
        range.base = 75;
        range.scale = 0.2f;
        first = 75;
        step = 5;
        range.labelRise = 0.5;
    }
    for (int row = firstRow; row <= 12; ++row)
        range.labels.push_back({first + (row - firstRow) * step, row});
    return range;
}

void applyRanges(GraphScale &scale, const LactateRange &lactate, const HrRange &hr) {
    scale.lactateAxisMax = lactate.axisMax;
    scale.lactateScale = lactate.scale;
    scale.hrAxisMax = hr.axisMax;
    scale.hrBase = hr.base;
    scale.hrScale = hr.scale;
}

QString printedNumber(double value) {
    return writeSignedBlank(value) + QLatin1Char(' ');
}

std::vector<double> tickXs(bool recovery) {
    std::vector<double> xs;
    if (!recovery) {
        for (int k = 5; k <= 14; ++k)
            xs.push_back(k);
        return xs;
    }
    for (int k = 4; k <= 14; ++k) {
        xs.push_back(k);
        xs.push_back(k + 1.0 / 3);
        xs.push_back(k + 2.0 / 3);
    }
    return xs;
}

std::vector<FrameText> xLabels(bool recovery) {
    std::vector<FrameText> labels;
    if (!recovery) {
        for (int k = 5; k <= 15; ++k)
            labels.push_back({printedNumber(60 * k), QPointF(k - 0.15, -0.5)});
        return labels;
    }
    for (int j = 1; j <= 16; ++j)
        labels.push_back({printedNumber(2 * j), QPointF(4 + 2.0 * j / 3 - 0.15, -0.5)});
    return labels;
}

std::vector<FrameText> lactateLabels(const LactateRange &range) {
    std::vector<FrameText> labels;
    for (int v : range.labels)
        labels.push_back({printedNumber(v), QPointF(15.2, double(float(v) * range.scale) + 0.3)});
    return labels;
}

std::vector<FrameText> hrLabels(const HrRange &range) {
    std::vector<FrameText> labels;
    for (const HrLabel &label : range.labels)
        labels.push_back({printedNumber(label.value), QPointF(3.2, label.row + range.labelRise)});
    return labels;
}

GraphAxes chooseGraphAxes(bool recovery, double m, double h, double firstHr) {
    GraphAxes axes;
    axes.recovery = recovery;
    axes.lactate = chooseLactateRange(m);
    axes.hr = chooseHrRange(h, firstHr, recovery);
    axes.ticks = tickXs(recovery);
    axes.xLabels = xLabels(recovery);
    axes.lactateLabels = lactateLabels(axes.lactate);
    axes.hrLabels = hrLabels(axes.hr);
    return axes;
}

GraphAxes chooseSingleTestAxes(const GraphScale &scale, const AxisChoiceInput &input) {
    const double m = input.recovery ? double(scale.lactateAxisMax) : input.lastLactate;
    const double h = input.forceFullHrAxis ? 240.0 : input.lastHr;
    return chooseGraphAxes(input.recovery, m, h, input.firstHr);
}

GraphAxes chooseCommonScaleAxes(const GraphScale &scale, bool recovery, double firstHr) {
    return chooseGraphAxes(recovery, scale.lactateAxisMax, scale.hrAxisMax, firstHr);
}

} // namespace kavren
