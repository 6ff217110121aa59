#include "domain/remote_link/datagram_decoder.h"

#include "domain/exercise/numeric_text.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cmath>

namespace kavren {

namespace {

// Printable ASCII and the blanks a sender may end its line with; any other byte means the text is
// not ours (another encoding, binary junk).
bool isPlainTextByte(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    return (c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n';
}

bool isSignOff(QByteArrayView bytes) {
    return bytes.indexOf(QByteArrayView("utloggad")) >= 0;
}

} // namespace

DecodedDatagram decodeDatagram(QByteArrayView bytes) {
    DecodedDatagram decoded;
    if (bytes.size() > MaxDatagramBytes || bytes.isEmpty())
        return decoded;
    if (isSignOff(bytes)) {
        decoded.kind = DecodedDatagram::Kind::SignOff;
        return decoded;
    }
    // The text widened into a buffer on the stack: a datagram must not cost an allocation.
    std::array<char16_t, MaxDatagramBytes> text;
    qsizetype colon = -1;
    bool comma = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (!isPlainTextByte(byte))
            return decoded;
        if (byte == ':' && colon < 0)
            colon = i;
        comma = comma || byte == ',';
        text[std::size_t(i)] = char16_t(static_cast<unsigned char>(byte));
    }
    if (colon < 0)
        return decoded;
    QStringView speedText(text.data(), colon);
    QStringView hrText(text.data() + colon + 1, bytes.size() - colon - 1);
    // A comma is a decimal sign, as in the typed fields ("5,5:140" is 5.5 m/s). Only a datagram
    // that has one pays for the copies.
    QString speedWithPoints;
    QString hrWithPoints;
    if (comma) {
        speedWithPoints = withDecimalPoints(speedText.toString());
        hrWithPoints = withDecimalPoints(hrText.toString());
        speedText = speedWithPoints;
        hrText = hrWithPoints;
    }
    if (!beginsWithNumber(speedText) || !beginsWithNumber(hrText))
        return decoded;

    const double speed = readNumber(speedText);
    const double hr = readNumber(hrText);
    if (!std::isfinite(speed) || !std::isfinite(hr))
        return decoded;
    // The speed is kept in single precision: one that vanishes there is no speed either.
    if (!(speed > 0) || speed > MaxLinkSpeedMps || !(float(speed) > 0))
        return decoded;
    const double heartRate = roundHalfEven(hr);
    if (heartRate < MinLinkHeartRate || heartRate > MaxLinkHeartRate)
        return decoded;
    decoded.kind = DecodedDatagram::Kind::Sample;
    decoded.sample = {speed, int(heartRate)};
    return decoded;
}

} // namespace kavren
