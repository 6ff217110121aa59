#include "domain/analysis/continuous_hr_line.h"

#include "domain/analysis/indices.h"
#include "domain/exercise/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace kavren {

namespace {

constexpr double LineStep = 0.05;
constexpr float FileHrBase = 120;

// Fits hr = C + D·x over the samples with every sum in single precision. False when there is no
// sample, all share one speed or a coefficient is not finite.
bool fitSamples(const SampleBuffer &buffer, float &intercept, float &slope) {
    const int last = std::min<int>(buffer.sampleCount, buffer.rows() - 1);
    if (last < 0)
        return false;
    float sumXh = 0, sumH = 0, sumXx = 0, sumX = 0;
    for (int i = 0; i <= last; ++i) {
        const float h = buffer.hrSpeedTable[std::size_t(i)][0];
        const float x = buffer.hrSpeedTable[std::size_t(i)][1];
        sumXh += x * h;
        sumH += h;
        sumXx += x * x;
        sumX += x;
    }
    const float n = float(last + 1);
    const float denominator = n * sumXx - sumX * sumX;
    if (denominator == 0)
        return false;
    const float d = (n * sumXh - sumX * sumH) / denominator;
    const float c = sumH / n - d * sumX / n;
    if (!std::isfinite(d) || !std::isfinite(c))
        return false;
    intercept = c;
    slope = d;
    return true;
}

void writeSyntheticSteps(const SampleBuffer &buffer, float c, float d, ContinuousHrResult &result) {
    const double width = (double(buffer.maxSpeed) - 4) / 6;
    for (int k = 1; k <= StepRows; ++k) {
        const double x = 4 + k * width;
        const double hr = roundHalfEven(double(c) + double(d) * x);
        if (std::isfinite(hr))
            result.hrTexts[std::size_t(k - 1)] = writeNumber(hr);
        if (const auto speed = toSingle(x))
            result.speedTexts[std::size_t(k - 1)] =
                writeNumber(roundHalfEven(double(speedToPace(*speed)), 2));
    }
}

} // namespace

ContinuousHrResult continuousHrLine(const SampleBuffer &buffer, const IndexRunInputs &indexInputs,
                                    CurrentTest &test, ComparisonCells &cells) {
    ContinuousHrResult result;
    float c = 0, d = 0;
    result.fitted = fitSamples(buffer, c, d);
    if (result.fitted) {
        test.fit.hrIntercept = c;
        test.fit.hrSlope = d;
        test.fitDouble.hrIntercept = c;
        test.fitDouble.hrSlope = d;
        writeSyntheticSteps(buffer, c, d, result);
    }
    test.scale.hrScale = kRecordingHrScale;
    test.scale.hrBase = FileHrBase;

    result.line.colour = CurveColour::HeartRateOfFile;
    result.line.pieceWidth = LineStep;
    const double cd = test.fitDouble.hrIntercept;
    const double dd = test.fitDouble.hrSlope;
    forEachVisibleSample(4.0, buffer.maxSpeed, LineStep, 0.0, 1.0, [&](double x) {
        const double y = (cd + dd * x - FileHrBase) * kRecordingHrScale;
        result.line.pieceStarts.emplace_back(x, y);
    });
    // The line of all samples is the test's heart-rate line; a recording has no lactate curve.
    IndexRunInputs inputs = indexInputs;
    inputs.fit.hrFitted = result.fitted;
    inputs.fit.lactateFitted = false;
    runIndexRun(inputs, test, cells);
    return result;
}

} // namespace kavren
