// Reads one datagram of the registering device: a pair "speed:heart rate" (speed in m/s, heart
// rate in b/min, "." or "," as decimal sign), the sign-off text, or something to drop. Works on the
// raw bytes alone, so the socket and the fuzzer feed it the same way.
#pragma once

#include <QByteArrayView>

namespace kavren {

// A datagram longer than this is dropped unread: a pair is a dozen bytes.
inline constexpr qsizetype MaxDatagramBytes = 512;
// Highest believable speed of a horse in m/s (90 km/h); anything faster is a faulty reading.
inline constexpr double MaxLinkSpeedMps = 25;
// Believable heart rates in b/min after rounding.
inline constexpr int MinLinkHeartRate = 20;
inline constexpr int MaxLinkHeartRate = 300;

// One received pair: the speed as sent, the heart rate rounded to a whole number (halves to even).
struct LinkSample {
    double speedMps = 0;
    int heartRate = 0;
};

struct DecodedDatagram {
    enum class Kind { Sample, SignOff, Dropped };
    Kind kind = Kind::Dropped;
    LinkSample sample; // only for Kind::Sample
};

// Any datagram containing "utloggad" is the sign-off. A pair needs a ":" with a number on each
// side (read by the numeric reading rule), plain ASCII text, a finite speed above 0 and at most
// 25 m/s that is still above 0 in single precision (as the step table holds it), and a rounded
// heart rate from 20 to 300. Everything else is dropped.
DecodedDatagram decodeDatagram(QByteArrayView bytes);

} // namespace kavren
