// Coefficients of the fitted lactate curve ln(lactate) = A + B·x and heart-rate line
// hr = C + D·x, x being the speed in m/s (minutes after work in a recovery test).
#pragma once

namespace kavren {

template <typename Real> struct CurveFitOf {
    Real lactateIntercept = 0; // A
    Real lactateSlope = 0;     // B
    Real hrIntercept = 0;      // C
    Real hrSlope = 0;          // D
};

// The single-precision fit that the threshold calculator, the cursor readout and the common-scale
// redraw use, and the double-precision one that the test indices use.
using CurveFit = CurveFitOf<float>;
using CurveFitDouble = CurveFitOf<double>;

} // namespace kavren
