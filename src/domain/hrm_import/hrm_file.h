// Reading a heart-rate monitor file (.hrm): the header values the take-over needs, the note, the
// laps with their lines, and the samples. A plain function of the file's bytes, so that it can be
// checked on small written files and fed arbitrary bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace kavren {

// A lap time (or a start time) as hours, minutes, seconds and tenths.
struct LapTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int tenths = 0;
    // Whole seconds since midnight (the time of day the extraction compares).
    long long wholeSeconds() const { return hours * 3600LL + minutes * 60LL + seconds; }
    // hh:mm:ss, the form shown in the lap-time fields.
    QString clockText() const;
};

// Reads "h:mm:ss.d", "hh:mm:ss", "9:5:45.0" and the like: hours, minutes and seconds split at ":",
// tenths after a "."; every part must be plain digits. Minutes or seconds above 59 give no time.
std::optional<LapTime> parseLapTime(QStringView text);

// One lap of the lap block: its lines as in the file, the first beginning with the lap time.
struct HrmLap {
    LapTime time;
    QStringList lines;
};

struct HrmSample {
    int heartRate = 0;     // b/min
    double speedKmh10 = 0; // km/h × 10 (converted from mph × 10 for US units); 0 without speed
    QString text;          // the sample's fields as listed, tab-separated, speed in km/h × 10
};

enum class HrmRefusal {
    None,
    NoSampleSection, // no [HRData]: not a heart-rate file, or cut off before its samples
    BeatToBeat,      // Interval=238: R-R intervals, not samples at a fixed interval
};

struct HrmFile {
    HrmRefusal refusal = HrmRefusal::None;

    // Header values, kept as whole lines as the take-over cuts them: "Date=yyyymmdd" and so on.
    QString dateLine;
    QString startTimeLine;
    QString maxHrLine;
    QString restHrLine;
    QString intervalText; // the text after "Interval="
    QString noteText;     // the note's lines joined with ","

    bool hasSpeed = true; // the second sample column is speed
    bool usUnits = false; // speeds were mph × 10 and have been converted
    // The heading of each sample column, name and unit on two lines, heart rate first, as the SMode
    // flags name them (speed, cadence, altitude, power, balance); speed is listed in km/h × 10 also
    // where the file had mph. Without readable flags: heart rate and speed.
    QStringList sampleHeadings;

    std::vector<HrmLap> laps;       // every lap of the file, in order
    std::vector<HrmSample> samples; // every sample, in order
    int skippedLines = 0;           // lines that could not be read and were passed over

    // Seconds between samples: the whole-number value of intervalText, never negative and at most
    // 86,400 (a day), so that the elapsed time of every sample stays a count of seconds that the
    // list and the lap windows can hold. An interval of 0 is what a missing or unreadable one
    // gives.
    int intervalSeconds() const;
    // The yyyy-mm-dd date of dateLine, or empty when it is not eight digits.
    QString recordingDate() const;
    // The hh:mm:ss start time of startTimeLine, or empty when it does not read as a time.
    QString startClockTime() const;
    QString maxHr() const;
    QString restHr() const;
};

// Reads the whole file. Line ends CR LF or LF; text in UTF-8 or, where that does not decode,
// Windows-1252. A line that cannot be read is skipped and counted; nothing here throws.
HrmFile readHrmFile(const QByteArray &bytes);

// The laps in pairs, first lap with second and so on, for the twelve lap-time fields: a lap
// without partner is dropped and laps after the twelfth are not shown. Unused fields are empty.
std::array<QString, 12> pairedLapTexts(const HrmFile &file);

// Elapsed time of a sample as hh:mm:ss (3599 s gives 00:59:59, 3600 s gives 01:00:00); hours
// beyond 99 write more digits.
QString elapsedTimeText(long long seconds);

} // namespace kavren
