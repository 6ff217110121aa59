// The datagram decoder: what a pair, a sign-off and a dropped datagram are.
#include "domain/remote_link/datagram_decoder.h"

#include <QByteArray>

#include <gtest/gtest.h>

using namespace kavren;

namespace {

using Kind = DecodedDatagram::Kind;

DecodedDatagram decode(const QByteArray &bytes) {
    return decodeDatagram(QByteArrayView(bytes));
}

struct PairCase {
    const char *text;
    double speed;
    int heartRate;
};

} // namespace

TEST(DatagramDecoder, PairsGiveTheSpeedAndTheHeartRateRoundedHalfToEven) {
    const PairCase cases[] = {
        {"7.5:168", 7.5, 168},        {"7.5:168\r\n", 7.5, 168}, // a sender ending its line
        {" 6.25 : 150.4", 6.25, 150}, // blanks are ignored by the reading rule
        {"5:170.5", 5, 170},          // halfway: the even neighbour, not 171
        {"5:171.5", 5, 172},          // halfway: the even neighbour, not 171 (cut)
        {"5:169.5", 5, 170},          // floor would give 169
        {"25:150", 25, 150},          // the fastest believable speed is kept
        {"0.01:19.5", 0.01, 20},      // 19.5 rounds to 20, inside the range
        {"3:300.5", 3, 300},          // 300.5 rounds to 300, inside the range
        {"8:160:99", 8, 160},         // the heart rate is the number after the first ":"
        {"5,5:140", 5.5, 140},        // a comma is a decimal sign, as in typed fields: not 5
        {"7,5:171,5", 7.5, 172},      // on both sides: 171.5 rounds to 172, not 171
    };
    for (const PairCase &c : cases) {
        const DecodedDatagram decoded = decode(c.text);
        ASSERT_EQ(decoded.kind, Kind::Sample) << c.text;
        EXPECT_DOUBLE_EQ(decoded.sample.speedMps, c.speed) << c.text;
        EXPECT_EQ(decoded.sample.heartRate, c.heartRate) << c.text;
    }
}

TEST(DatagramDecoder, AnyTextContainingTheSignOffWordSignsOff) {
    for (const char *text : {"utloggad", "12 utloggad\r\n", "7.5:168 utloggad", "H\xe4st utloggad"})
        EXPECT_EQ(decode(text).kind, Kind::SignOff) << text;
}

TEST(DatagramDecoder, MalformedAndUnbelievableDatagramsAreDropped) {
    const char *dropped[] = {
        "",          "7.5",       "7.5:",     ":168",      "abc:150",  "7.5:abc",
        "1e999:150", "7.5:1e999", "nan:150",  "inf:150",   "0:150",    "-3:150",
        "1e-60:150", "25.01:150", "7.5:19.4", "7.5:300.6", "7.5:-120", "utlogga",
    };
    for (const char *text : dropped)
        EXPECT_EQ(decode(text).kind, Kind::Dropped) << '"' << text << '"';
}

TEST(DatagramDecoder, TextOfOtherEncodingsAndBinaryJunkIsDropped) {
    // "7.5:168" as UTF-16 little- and big-endian: every other byte is 0.
    const QByteArray utf16le("7\0.\0"
                             "5\0:\0"
                             "1\0"
                             "6\0"
                             "8\0",
                             14);
    const QByteArray utf16be("\0"
                             "7\0.\0"
                             "5\0:\0"
                             "1\0"
                             "6\0"
                             "8",
                             14);
    const QByteArray latin1Degree("7.5:168\xb0");
    const QByteArray junk("\x01\xff\x7f:\x80\x10", 6);
    for (const QByteArray &bytes : {utf16le, utf16be, latin1Degree, junk})
        EXPECT_EQ(decode(bytes).kind, Kind::Dropped) << bytes.toHex().constData();
}

TEST(DatagramDecoder, DatagramsLongerThan512BytesAreDroppedUnread) {
    // A pair padded with blanks to exactly the limit is still a pair; one byte more is dropped,
    // even when it is the sign-off.
    QByteArray atLimit("7.5:168");
    atLimit.append(QByteArray(MaxDatagramBytes - atLimit.size(), ' '));
    EXPECT_EQ(decode(atLimit).kind, Kind::Sample);
    EXPECT_EQ(decode(atLimit + ' ').kind, Kind::Dropped);
    EXPECT_EQ(decode(QByteArray(MaxDatagramBytes, ' ') + "utloggad").kind, Kind::Dropped);
    EXPECT_EQ(decode(QByteArray(64 * 1024, '7')).kind, Kind::Dropped);
}
