// Control positions are designed in twips: 1/1440 inch, 15 to a logical pixel at 96 dpi.
#pragma once

#include <QRect>

namespace kavren {

constexpr int twips(int value) {
    return (value + (value >= 0 ? 7 : -7)) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace kavren
