#include "domain/hrm_import/hrm_file.h"

#include "domain/exercise/numeric_text.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kavren {

namespace {

constexpr double KmPerMile = 1.609344;
constexpr int BeatToBeatInterval = 238;
constexpr int LongestInterval = 86400; // a day: longer intervals are taken as this
constexpr double HighestHeartRate = 1000;
constexpr double HighestSpeedKmh10 = 100000;
// No line of a heart-rate file comes near this; a longer one is junk and is skipped unread.
constexpr qsizetype LongestLine = 64 * 1024;

// The characters 0x80…0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString decodeLine(QByteArrayView bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Cp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool allDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isGap(QChar c) {
    return c == u'\t' || c == u' ';
}

// The fields of a data line, split at tabs and blanks.
QStringList fieldsOf(QStringView line) {
    QStringList fields;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && isGap(line[i]))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isGap(line[i]))
            ++i;
        if (i > start)
            fields.append(line.mid(start, i - start).toString());
    }
    return fields;
}

class Reader {
public:
    HrmFile file;
    void readLine(const QString &line);
    void skipLine() { ++file.skippedLines; }
    void finish();

private:
    void readParam(const QString &line);
    void readNoteLine(const QString &line);
    void readLapLine(const QString &line);
    void readSample(const QString &line);

    QString m_section;
    QString m_sMode;
    QStringList m_noteLines;
    bool m_noteEnded = false;
    bool m_lapsEnded = false;
    bool m_sawSamples = false;
    std::vector<QString> m_sampleLines;
};

void Reader::readLine(const QString &line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
        m_section = trimmed.mid(1, trimmed.size() - 2).trimmed().toLower();
        if (m_section == u"hrdata")
            m_sawSamples = true;
        return;
    }
    if (m_section == u"params")
        readParam(line);
    else if (m_section == u"note")
        readNoteLine(line);
    else if (m_section == u"inttimes")
        readLapLine(line);
    else if (m_section == u"hrdata" && !trimmed.isEmpty())
        m_sampleLines.push_back(trimmed);
}

void Reader::readParam(const QString &line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return;
    const QString key = line.left(equals).trimmed().toLower();
    const QString value = line.mid(equals + 1).trimmed();
    const QString whole = line.trimmed();
    if (key == u"date")
        file.dateLine = whole;
    else if (key == u"starttime")
        file.startTimeLine = whole;
    else if (key == u"interval")
        file.intervalText = value;
    else if (key == u"maxhr")
        file.maxHrLine = whole;
    else if (key == u"resthr")
        file.restHrLine = whole;
    else if (key == u"smode")
        m_sMode = value;
}

// The note runs to its first empty line.
void Reader::readNoteLine(const QString &line) {
    if (m_noteEnded)
        return;
    if (line.trimmed().isEmpty())
        m_noteEnded = true;
    else
        m_noteLines.append(line);
}

// A lap starts at each line that begins with a time; the lines after it belong to it until the
// next such line. An empty line ends the block.
void Reader::readLapLine(const QString &line) {
    if (m_lapsEnded)
        return;
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty()) {
        m_lapsEnded = !file.laps.empty();
        return;
    }
    const auto gap = std::find_if(trimmed.begin(), trimmed.end(), isGap);
    if (const auto time = parseLapTime(QStringView(trimmed.begin(), gap))) {
        file.laps.push_back({*time, {line}});
        return;
    }
    if (file.laps.empty())
        ++file.skippedLines;
    else
        file.laps.back().lines.append(line);
}

void Reader::readSample(const QString &line) {
    QStringList fields = fieldsOf(line);
    const auto hr = fields.isEmpty() ? std::nullopt : readStrictNumber(fields[0]);
    if (!hr || *hr < 0 || *hr >= HighestHeartRate) {
        ++file.skippedLines;
        return;
    }
    HrmSample sample;
    sample.heartRate = int(intFloor(*hr));
    if (file.hasSpeed) {
        const auto speed = fields.size() > 1 ? readStrictNumber(fields[1]) : std::nullopt;
        if (!speed || *speed < 0 || *speed >= HighestSpeedKmh10) {
            ++file.skippedLines;
            return;
        }
        sample.speedKmh10 = file.usUnits ? *speed * KmPerMile : *speed;
        if (file.usUnits)
            fields[1] = writeNumber(roundHalfEven(sample.speedKmh10, 1));
    }
    sample.text = fields.join(u'\t');
    file.samples.push_back(std::move(sample));
}

void Reader::finish() {
    if (!m_noteLines.isEmpty())
        file.noteText = m_noteLines.join(u',');
    // The first SMode digit says whether the second column is speed, the eighth whether speeds are
    // in miles. A file without a readable SMode is taken as heart rate and speed.
    const bool flags =
        (m_sMode.size() == 8 || m_sMode.size() == 9) &&
        std::all_of(m_sMode.begin(), m_sMode.end(), [](QChar c) { return c == u'0' || c == u'1'; });
    if (flags) {
        file.hasSpeed = m_sMode[0] == u'1';
        file.usUnits = m_sMode[7] == u'1';
    }
    file.sampleHeadings = {QCoreApplication::translate("HeartRateFile", "Pulse\nb/min")};
    const auto on = [&](int digit) { return !flags || m_sMode[digit] == u'1'; };
    if (on(0))
        file.sampleHeadings << QCoreApplication::translate("HeartRateFile", "Speed\nkm/h*10");
    if (flags) {
        // Power balance and pedalling index share one column.
        const std::pair<bool, QString> further[] = {
            {on(1), QCoreApplication::translate("HeartRateFile", "Cadence\nrpm")},
            {on(2), file.usUnits ? QCoreApplication::translate("HeartRateFile", "Altitude\nft")
                                 : QCoreApplication::translate("HeartRateFile", "Altitude\nm")},
            {on(3), QCoreApplication::translate("HeartRateFile", "Power\nW")},
            {on(4) || on(5), QCoreApplication::translate("HeartRateFile", "Balance\n/PI")},
        };
        for (const auto &[shown, heading] : further)
            if (shown)
                file.sampleHeadings << heading;
    }
    if (!m_sawSamples) {
        file.refusal = HrmRefusal::NoSampleSection;
        return;
    }
    if (readNumber(file.intervalText) == BeatToBeatInterval) {
        file.refusal = HrmRefusal::BeatToBeat;
        file.laps.clear();
        return;
    }
    file.samples.reserve(m_sampleLines.size());
    for (const QString &line : m_sampleLines)
        readSample(line);
}

QString twoDigits(long long value) {
    return QString::number(value).rightJustified(2, u'0');
}

QString valueAfterEquals(const QString &line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1).trimmed();
}

} // namespace

QString LapTime::clockText() const {
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds);
}

std::optional<LapTime> parseLapTime(QStringView text) {
    const auto parts = text.trimmed().split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    QStringView secondsPart = parts[2];
    QStringView tenthsPart;
    if (const qsizetype dot = secondsPart.indexOf(u'.'); dot >= 0) {
        tenthsPart = secondsPart.mid(dot + 1);
        secondsPart = secondsPart.left(dot);
        if (!allDigits(tenthsPart))
            return std::nullopt;
    }
    for (QStringView part : {parts[0], parts[1], secondsPart})
        if (!allDigits(part) || part.size() > 4)
            return std::nullopt;
    LapTime time;
    time.hours = parts[0].toInt();
    time.minutes = parts[1].toInt();
    time.seconds = secondsPart.toInt();
    time.tenths = tenthsPart.isEmpty() ? 0 : tenthsPart.left(1).toInt();
    if (time.minutes > 59 || time.seconds > 59)
        return std::nullopt;
    return time;
}

int HrmFile::intervalSeconds() const {
    const double value = readNumber(intervalText);
    if (!(value > 0))
        return 0;
    return int(std::min<double>(intFloor(value), LongestInterval));
}

QString HrmFile::recordingDate() const {
    const QString value = valueAfterEquals(dateLine);
    if (value.size() != 8 || !allDigits(value))
        return {};
    return value.left(4) + u'-' + value.mid(4, 2) + u'-' + value.mid(6, 2);
}

QString HrmFile::startClockTime() const {
    const auto time = parseLapTime(valueAfterEquals(startTimeLine));
    return time ? time->clockText() : QString();
}

QString HrmFile::maxHr() const {
    return valueAfterEquals(maxHrLine);
}

QString HrmFile::restHr() const {
    return valueAfterEquals(restHrLine);
}

HrmFile readHrmFile(const QByteArray &bytes) {
    Reader reader;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line(bytes.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > LongestLine)
            reader.skipLine();
        else
            reader.readLine(decodeLine(line));
        start = end + 1;
    }
    reader.finish();
    return reader.file;
}

std::array<QString, 12> pairedLapTexts(const HrmFile &file) {
    std::array<QString, 12> texts;
    const std::size_t shown = std::min<std::size_t>(file.laps.size() / 2 * 2, texts.size());
    for (std::size_t i = 0; i < shown; ++i)
        texts[i] = file.laps[i].time.clockText();
    return texts;
}

QString elapsedTimeText(long long seconds) {
    seconds = std::max(0LL, seconds);
    return twoDigits(seconds / 3600) + u':' + twoDigits(seconds % 3600 / 60) + u':' +
           twoDigits(seconds % 60);
}

} // namespace kavren
