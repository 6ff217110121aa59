// Reading heart-rate files the tests write: header values, note, laps, samples, units and the
// files that are refused.
#include "domain/hrm_import/hrm_file.h"
#include "domain/hrm_import/take_over.h"

#include "support/hrm_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using kavren::HrmFile;
using kavren::HrmRefusal;
using kavren::readHrmFile;
using kavren::testing::HrmText;

namespace {

class LineEndTest : public ::testing::TestWithParam<const char *> {};

TEST_P(LineEndTest, HeaderNoteAndSamplesReadTheSameWithEitherLineEnd) {
    HrmText text;
    text.noteLines = {"a", "b"};
    text.lap("00:01:00.0", 160).lap("0:02:00.0", 170).rising(3);
    const HrmFile file = readHrmFile(text.build(GetParam()));

    EXPECT_EQ(file.refusal, HrmRefusal::None);
    EXPECT_EQ(file.dateLine, "Date=20260315");
    EXPECT_EQ(file.startTimeLine, "StartTime=9:05:07.0");
    EXPECT_EQ(file.intervalText, "5");
    EXPECT_EQ(file.maxHr(), "205");
    EXPECT_EQ(file.restHr(), "32");
    EXPECT_EQ(file.noteText, "a,b");
    EXPECT_EQ(file.recordingDate(), "2026-03-15");
    EXPECT_EQ(file.startClockTime(), "09:05:07"); // one-digit hour written with two
    ASSERT_EQ(file.laps.size(), 2u);
    EXPECT_EQ(file.laps[1].lines.size(), 5);
    ASSERT_EQ(file.samples.size(), 3u);
    EXPECT_EQ(file.samples[2].heartRate, 152);
    EXPECT_EQ(file.samples[2].speedKmh10, 102);
    EXPECT_EQ(file.samples[2].text, "152\t102\t20");
    EXPECT_EQ(file.skippedLines, 0);
}

INSTANTIATE_TEST_SUITE_P(HrmFile, LineEndTest, ::testing::Values("\n", "\r\n"));

TEST(HrmFileTest, NoteInWindowsCodePageOrUtf8) {
    HrmText latin1;
    latin1.noteLines = {"Sprang p\xE5 glansis"};
    EXPECT_EQ(readHrmFile(latin1.build("\r\n")).noteText, QStringLiteral("Sprang p\u00E5 glansis"));
    HrmText utf8;
    utf8.noteLines = {"Sprang p\xC3\xA5 glansis", "\x80 5"}; // 0x80 is the euro sign in cp1252
    EXPECT_EQ(readHrmFile(utf8.build()).noteText,
              QStringLiteral("Sprang p\u00E5 glansis,\u20AC 5"));
    HrmText empty;
    EXPECT_EQ(readHrmFile(empty.build()).noteText, "");
}

TEST(HrmFileTest, LapsArePairedAndAtMostTwelveShown) {
    HrmText three;
    three.lap("0:06:59.2", 150).lap("9:5:45.0", 160).lap("00:20:00.0", 170);
    const auto texts = kavren::pairedLapTexts(readHrmFile(three.build()));
    EXPECT_EQ(texts[0], "00:06:59"); // tenths dropped, hour padded
    EXPECT_EQ(texts[1], "09:05:45");
    EXPECT_EQ(texts[2], ""); // the third lap has no partner

    HrmText fourteen;
    for (int i = 1; i <= 14; ++i)
        fourteen.lap(QByteArray("00:") + QByteArray::number(10 + i) + ":00.0", 150);
    const HrmFile file = readHrmFile(fourteen.build());
    EXPECT_EQ(file.laps.size(), 14u);
    const auto shown = kavren::pairedLapTexts(file);
    EXPECT_EQ(shown[11], "00:22:00");
}

TEST(HrmFileTest, SectionsAreFoundByNameInAnyOrder) {
    HrmText text;
    text.lap("00:01:00.0", 150).lap("00:02:00.0", 160).rising(2);
    QByteArray moved = text.build();
    const QByteArray zones = "[HRZones]\n190\n170\n\n";
    moved.remove(moved.indexOf(zones), zones.size());
    moved.insert(moved.indexOf("[IntTimes]"), zones);
    moved.insert(moved.indexOf("[Note]"), "[Trip]\n1882\n\n");
    const HrmFile file = readHrmFile(moved);
    EXPECT_EQ(file.laps.size(), 2u);
    EXPECT_EQ(file.samples.size(), 2u);
    EXPECT_EQ(file.skippedLines, 0);
}

TEST(HrmFileTest, ThreeLineLapsOfOlderVersions) {
    HrmText text;
    text.params.replace("Version=106", "Version=105");
    text.lap("00:01:00.0", 150, "21", 3)
        .lap("00:02:00.0", 160, "42", 3)
        .lap("00:03:00.0", 170, "63", 3);
    const HrmFile file = readHrmFile(text.build());
    ASSERT_EQ(file.laps.size(), 3u);
    EXPECT_EQ(file.laps[2].lines.value(2), "63\t0\t0\t0\t0");
}

TEST(HrmFileTest, ElapsedTimeText) {
    EXPECT_EQ(kavren::elapsedTimeText(0), "00:00:00");
    EXPECT_EQ(kavren::elapsedTimeText(3599), "00:59:59");
    EXPECT_EQ(kavren::elapsedTimeText(3600), "01:00:00");
    EXPECT_EQ(kavren::elapsedTimeText(36005), "10:00:05");
}

TEST(HrmFileTest, MilesPerHourBecomeKilometresPerHour) {
    HrmText text;
    text.params.replace("SMode=111000100", "SMode=101000010");
    text.sampleLines = {"140\t100\t33", "141\t125\t33"};
    const HrmFile file = readHrmFile(text.build());
    EXPECT_TRUE(file.usUnits);
    ASSERT_EQ(file.samples.size(), 2u);
    // 10.0 mph = 16.09344 km/h; 12.5 mph = 20.1168 km/h.
    EXPECT_DOUBLE_EQ(file.samples[0].speedKmh10, 160.9344);
    EXPECT_DOUBLE_EQ(file.samples[1].speedKmh10, 201.168);
    EXPECT_EQ(file.samples[0].text, "140\t160.9\t33");
}

TEST(HrmFileTest, WithoutSpeedColumnTheSecondColumnIsNotSpeed) {
    for (const QByteArray mode : {"SMode=001000100", "SMode=00000000"}) {
        HrmText text;
        text.params.replace("SMode=111000100", mode);
        text.sampleLines = {"120\t760", "121"};
        const HrmFile file = readHrmFile(text.build());
        EXPECT_FALSE(file.hasSpeed) << mode.constData();
        ASSERT_EQ(file.samples.size(), 2u);
        EXPECT_EQ(file.samples[0].speedKmh10, 0);
        EXPECT_EQ(file.samples[0].text, "120\t760");
        EXPECT_EQ(file.samples[1].heartRate, 121);
    }
}

// Each flag names its column in the fixed order of the sample lines; the eighth digit makes
// altitude feet (speed is listed in km/h × 10 either way); balance and pedalling index share one.
TEST(HrmFileTest, SampleHeadingsFollowTheFlags) {
    const struct {
        const char *mode;
        QStringList headings;
    } cases[] = {
        {"SMode=111000100", {"Speed\nkm/h*10", "Cadence\nrpm", "Altitude\nm"}},
        {"SMode=101000010", {"Speed\nkm/h*10", "Altitude\nft"}},
        {"SMode=001000100", {"Altitude\nm"}},
        {"SMode=10010100", {"Speed\nkm/h*10", "Power\nW", "Balance\n/PI"}},
        {"SMode=11111111",
         {"Speed\nkm/h*10", "Cadence\nrpm", "Altitude\nft", "Power\nW", "Balance\n/PI"}},
        {"SMode=1x1", {"Speed\nkm/h*10"}}, // unreadable: heart rate and speed, as read
    };
    for (const auto &[mode, headings] : cases) {
        HrmText text;
        text.params.replace("SMode=111000100", mode);
        EXPECT_EQ(readHrmFile(text.build()).sampleHeadings, QStringList{"Pulse\nb/min"} + headings)
            << mode;
    }
}

TEST(HrmFileTest, RefusedFiles) {
    HrmText beats;
    beats.params.replace("Interval=5", "Interval=238");
    beats.lap("00:01:00.0", 150).lap("00:02:00.0", 160).sampleLines = {"812", "790"};
    const HrmFile rr = readHrmFile(beats.build());
    EXPECT_EQ(rr.refusal, HrmRefusal::BeatToBeat);
    EXPECT_TRUE(rr.samples.empty());
    EXPECT_TRUE(rr.laps.empty());

    QByteArray cut = HrmText().lap("00:01:00.0", 150).build();
    cut.truncate(cut.indexOf("[HRData]"));
    EXPECT_EQ(readHrmFile(cut).refusal, HrmRefusal::NoSampleSection);
    EXPECT_EQ(readHrmFile(QByteArray("\x00\xFF\x13junk", 7)).refusal, HrmRefusal::NoSampleSection);
}

TEST(HrmFileTest, BadSampleLinesAreSkippedAndCounted) {
    HrmText text;
    text.sampleLines = {"150\t100", "abc\t100", "-5\t100",    "1e300\t100",
                        "151\t-3",  "152",      "153\t1e300", "154\t101"};
    const HrmFile file = readHrmFile(text.build());
    ASSERT_EQ(file.samples.size(), 2u);
    EXPECT_EQ(file.samples[1].heartRate, 154);
    EXPECT_EQ(file.skippedLines, 6);
}

TEST(HrmFileTest, TenMegabyteLineIsSkipped) {
    HrmText text;
    text.sampleLines = {"150\t100", QByteArray(10 << 20, '7'), "151\t101"};
    const HrmFile file = readHrmFile(text.build());
    EXPECT_EQ(file.samples.size(), 2u);
    EXPECT_EQ(file.skippedLines, 1);
}

TEST(HrmFileTest, LapTimesThatAreNoTimesStartNoLap) {
    HrmText text;
    text.lapLines = {"99:99:99.9\t1\t2\t3\t4", "00:01:00.0\t150\t140\t145\t160", "1:2\t0", "x"};
    const HrmFile file = readHrmFile(text.build());
    ASSERT_EQ(file.laps.size(), 1u);
    EXPECT_EQ(file.skippedLines, 1); // the line before any lap
    EXPECT_EQ(file.laps[0].lines.size(), 3);
}

class FileChoiceTest : public ::testing::Test {
protected:
    QString make(const QString &relative) {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QTemporaryDir m_dir;
};

// A day's recordings are numbered 01, 02, 03…: each name is read as itself, also beside its
// neighbours and in a folder whose name has a dot.
TEST_F(FileChoiceTest, EveryNumberedFileIsReadAsChosen) {
    const QString folder = m_dir.filePath("horses.2026");
    for (const char *name : {"10092501.hrm", "10092502.hrm", "10092503.hrm", "run.hrm"}) {
        const QString path = make(QStringLiteral("horses.2026/") + QLatin1String(name));
        EXPECT_EQ(kavren::hrmFileToRead(folder, QLatin1String(name)), path) << name;
    }
}

} // namespace

TEST(HrmFileTest, IntervalIsWholeSecondsFromNoneToADay) {
    const std::pair<const char *, int> cases[] = {
        {"5", 5},         {"2.9", 2},       {"-3", 0},       {"abc", 0},
        {"86400", 86400}, {"86401", 86400}, {"1e30", 86400},
    };
    for (const auto &[text, seconds] : cases) {
        HrmFile file;
        file.intervalText = QString::fromLatin1(text);
        EXPECT_EQ(file.intervalSeconds(), seconds) << text;
    }
}
