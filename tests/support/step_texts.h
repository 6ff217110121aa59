// Step fields as typed: the texts of up to six steps, the rest left empty.
#pragma once

#include "domain/analysis/curve_fitting.h"

#include <QString>

#include <cstddef>
#include <initializer_list>

namespace kavren::testing {

inline StepTexts stepTexts(std::initializer_list<const char *> values) {
    StepTexts result;
    std::size_t i = 0;
    for (const char *value : values)
        result[i++] = QString::fromUtf8(value);
    return result;
}

} // namespace kavren::testing
