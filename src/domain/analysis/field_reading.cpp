#include "domain/analysis/field_reading.h"

namespace kavren {

bool isHrOnlySentinel(QStringView lactateText) {
    return readNumber(lactateText) == 0.1;
}

} // namespace kavren
