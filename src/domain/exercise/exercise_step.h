// One row of the entry grid as text, the way the user sees it.
#pragma once

#include <QString>

#include <array>

namespace kavren {

struct TestStep {
    QString speedText; // temp i: the speed as typed in the current unit
    QString lactate;   // lakt i, mmol/l
    QString hr;        // puls i, b/min
    QString speedMs;   // Text(14+i): metres per second, cut to two decimals
    QString altSpeed;  // Text49(i-1): the second speed display
    QString pace;      // kept in the window: metres per minute ("Trav") or min'sec per km
};

constexpr int StepRows = 6;
using TestSteps = std::array<TestStep, StepRows>;

// The lactate every step of a heart-rate-only test carries, in the fields, in the stored step data
// and in a kept curve: a test is recognised as heart-rate-only by this value in its first step.
inline constexpr float kHeartRateOnlyLactate = 0.1f;
inline const QString kHeartRateOnlyLactateText = QStringLiteral("0.1");

} // namespace kavren
