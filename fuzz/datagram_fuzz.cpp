// Arbitrary bytes as a datagram of the live link: never a crash, and whatever is taken as a pair
// lies in the believable range the window plots and stores.
#include "domain/remote_link/datagram_decoder.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const kavren::DecodedDatagram decoded = kavren::decodeDatagram(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (decoded.kind == kavren::DecodedDatagram::Kind::Sample) {
        const kavren::LinkSample &sample = decoded.sample;
        if (!std::isfinite(sample.speedMps) || !(sample.speedMps > 0) ||
            sample.speedMps > kavren::MaxLinkSpeedMps ||
            sample.heartRate < kavren::MinLinkHeartRate ||
            sample.heartRate > kavren::MaxLinkHeartRate)
            std::abort();
    }
    if (size > std::size_t(kavren::MaxDatagramBytes) &&
        decoded.kind != kavren::DecodedDatagram::Kind::Dropped)
        std::abort(); // an oversized datagram is never read
    return 0;
}
