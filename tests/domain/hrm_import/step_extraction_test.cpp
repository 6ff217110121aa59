// Extracting steps from a read heart-rate file and the texts the main window takes over.
#include "domain/hrm_import/step_extraction.h"
#include "domain/hrm_import/take_over.h"

#include "support/hrm_text.h"

#include <gtest/gtest.h>

using kavren::extractSteps;
using kavren::HrmFile;
using kavren::readHrmFile;
using kavren::testing::HrmText;

namespace {

using LapTexts = std::array<QString, 12>;

// Samples every 5 s with speed 100 + i at sample i (t = 5·i s), so a mean names its window.
HrmFile risingFile(int laps = 12, int lines = 5) {
    HrmText text;
    for (int i = 0; i < laps; ++i)
        text.lap("00:0" + QByteArray::number(i) + ":00.0", 150 + i, QByteArray::number(20 + i),
                 lines);
    text.rising(200);
    return readHrmFile(text.build());
}

// The same samples with laps at the given times, the n-th with mean heart rate 150 + n.
HrmFile risingFileWithLapsAt(std::initializer_list<QByteArray> times) {
    HrmText text;
    int hr = 150;
    for (const QByteArray &time : times)
        text.lap(time, hr++);
    text.rising(200);
    return readHrmFile(text.build());
}

LapTexts texts(std::initializer_list<QString> given) {
    LapTexts result;
    std::copy(given.begin(), given.end(), result.begin());
    return result;
}

TEST(StepExtractionTest, AveragingWindowStartsAndEndsLessThanFiveSecondsBeforeTheMarks) {
    const HrmFile file = risingFileWithLapsAt({"00:00:20.0", "00:00:40.0", "00:01:05.0"});
    // Start 20 s: t = 15 lies exactly 5 s before and is left out, t = 20 starts the window. End
    // 40 s: t = 35 is 5 s before and goes on, t = 40 is the last taken. Samples 4…8 (speeds
    // 104…108) give 106; with "<=" it would be samples 3…7 and 105.
    const auto steps = extractSteps(file, texts({"00:00:20", "00:00:40"}));
    ASSERT_EQ(steps.size(), 1u);
    ASSERT_TRUE(steps[0].speedMps);
    EXPECT_FLOAT_EQ(*steps[0].speedMps, float(106.0 / 36));

    // Start 60 s, end 65 s: samples 12 and 13, mean 112.5 rounds half to even to 112.
    const auto half = extractSteps(file, texts({"00:01:00", "00:01:05"}));
    ASSERT_EQ(half.size(), 1u);
    EXPECT_FLOAT_EQ(*half[0].speedMps, float(112.0 / 36));

    // Start 22 s (not on a sample): t = 20 is 2 s before it and opens the window: 4…8 again.
    const auto between = extractSteps(file, texts({"00:00:22", "00:00:40"}));
    EXPECT_FLOAT_EQ(*between[0].speedMps, float(106.0 / 36));
}

TEST(StepExtractionTest, HeartRateAndLactateComeFromTheEndLap) {
    HrmText text;
    text.lap("00:01:00.0", 150, "0")
        .lap("00:02:00.0", 165, "42")
        .lap("00:03:00.0", 170, "  35")
        .lap("00:04:00.0", 180, "0");
    text.rising(60);
    const auto steps = extractSteps(readHrmFile(text.build()),
                                    texts({"00:01:00", "00:02:00", "00:03:00", "00:04:00"}));
    ASSERT_EQ(steps.size(), 2u);
    // The fourth field of the end lap's first line is its mean heart rate (165), not the
    // momentary 172 nor the minimum 156.
    EXPECT_EQ(steps[0].heartRate, 165.0f);
    EXPECT_EQ(steps[0].lactate, 4.2f);
    EXPECT_EQ(steps[1].heartRate, 180.0f);
    EXPECT_EQ(steps[1].lactate, 0.0f); // typed afterwards by the user
}

TEST(StepExtractionTest, NumberOfStepsFollowsTheLapPairs) {
    const HrmFile file = risingFile();
    LapTexts all = kavren::pairedLapTexts(file);
    EXPECT_EQ(extractSteps(file, all).size(), 6u);
    for (const std::size_t pairs : {2u, 3u, 5u}) {
        LapTexts some = all;
        for (std::size_t i = 2 * pairs; i < some.size(); ++i)
            some[i].clear();
        EXPECT_EQ(extractSteps(file, some).size(), pairs);
    }
    // Lactate of step n from lap 2n + 1 (value 20 + 2n + 1).
    EXPECT_EQ(extractSteps(file, all)[5].lactate, 3.1f);
}

TEST(StepExtractionTest, FaultsEndTheExtractionWithTheStepsSoFar) {
    const HrmFile file = risingFile();
    LapTexts bad = kavren::pairedLapTexts(file);
    bad[4] = "ab:cd:ef";
    EXPECT_EQ(extractSteps(file, bad).size(), 2u);
    bad[4] = "99:99:99";
    EXPECT_EQ(extractSteps(file, bad).size(), 2u);
    // A window that starts after the last sample (200 samples end at 995 s).
    LapTexts late = kavren::pairedLapTexts(file);
    late[2] = "00:20:00";
    EXPECT_EQ(extractSteps(file, late).size(), 1u);
    // Laps of two lines have no lactate line.
    const HrmFile shortLaps = risingFile(4, 2);
    EXPECT_EQ(extractSteps(shortLaps, kavren::pairedLapTexts(shortLaps)).size(), 0u);
    EXPECT_EQ(extractSteps(HrmFile{}, texts({"00:00:20", "00:00:40"})).size(), 0u);
}

// One lap at the end of each step, paired by typed times: the end lap is the lap with the typed
// time, not the lap at the field's position.
TEST(StepExtractionTest, TypedEndTimesFindTheirLaps) {
    HrmText text;
    text.lap("00:01:00.0", 131, "12")
        .lap("00:02:00.0", 134, "21")
        .lap("0:03:00.3", 130, "33")
        .lap("00:04:00.0", 122, "47");
    text.rising(60);
    const HrmFile file = readHrmFile(text.build());
    const auto steps = extractSteps(file, texts({"00:00:00", "00:01:00", "00:01:00", "00:02:00",
                                                 "00:02:00", "00:03:00", "00:03:00", "00:04:00"}));
    ASSERT_EQ(steps.size(), 4u);
    // Windows of samples 0…12, 12…24, 24…36 and 36…48 (speed 100 + i): means 106, 118, 130, 142.
    const float hr[] = {131, 134, 130, 122};
    const float lactate[] = {1.2f, 2.1f, 3.3f, 4.7f};
    const double speed[] = {106, 118, 130, 142};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(steps[i].heartRate, hr[i]) << i;
        EXPECT_EQ(steps[i].lactate, lactate[i]) << i;
        EXPECT_FLOAT_EQ(*steps[i].speedMps, float(speed[i] / 36)) << i;
    }
    // 00:10:00 is the file's length, not a lap: that pair is not found and ends the steps.
    EXPECT_EQ(extractSteps(file, texts({"00:00:00", "00:01:00", "00:01:00", "00:10:00", "00:02:00",
                                        "00:03:00"}))
                  .size(),
              1u);
}

TEST(StepExtractionTest, CorrectedStartTimeMovesTheWindow) {
    const HrmFile file = risingFile();
    LapTexts corrected = kavren::pairedLapTexts(file); // step 1 runs 00:00:00 to 00:01:00
    corrected[0] = "00:00:30";
    // Samples 6…12 (30 s to 60 s): mean speed 109.
    EXPECT_FLOAT_EQ(*extractSteps(file, corrected)[0].speedMps, float(109.0 / 36));
}

TEST(StepExtractionTest, FileWithoutSpeedGivesStepsWithoutSpeed) {
    HrmText text;
    text.params.replace("SMode=111000100", "SMode=001000100");
    text.lap("00:00:10.0", 150, "11").lap("00:00:20.0", 160, "22");
    text.sampleLines = {"150\t760", "151\t761", "152\t762", "153\t763", "154\t764"};
    const auto steps = extractSteps(readHrmFile(text.build()), texts({"00:00:10", "00:00:20"}));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_FALSE(steps[0].speedMps);
    EXPECT_EQ(steps[0].lactate, 2.2f);
}

TEST(TakeOverTest, ThreeToSixStepsFillTheStepFields) {
    const HrmFile file = readHrmFile(HrmText().build());
    std::vector<kavren::ExtractedStep> steps(3);
    steps[0] = {4.2f, 165, float(112.0 / 36)};
    steps[1] = {0, 170, std::nullopt};
    steps[2] = {1.5f, 180, 5.0f};
    const kavren::TakeOverPlan plan = kavren::planTakeOver(file, steps);
    ASSERT_TRUE(plan.fillSteps);
    ASSERT_EQ(plan.steps.size(), 3u);
    EXPECT_EQ(plan.steps[0].lactate, "4.2");
    EXPECT_EQ(plan.steps[0].heartRate, "165");
    // 1000 m at 112/36 m/s take 321.43 s: 5 min 21.43 s, written 5.2143 and rounded to 5.21.
    EXPECT_EQ(plan.steps[0].pace, "5.21");
    EXPECT_EQ(plan.steps[1].pace, "");    // no speed: the pace stays empty
    EXPECT_EQ(plan.steps[2].pace, "3.2"); // 200 s: 3 min 20 s
}

TEST(TakeOverTest, TwoOrSevenStepsFillNothingButTheHeader) {
    const HrmFile file = readHrmFile(HrmText().build());
    for (const std::size_t count : {2u, 7u}) {
        const kavren::TakeOverPlan plan =
            kavren::planTakeOver(file, std::vector<kavren::ExtractedStep>(count, {2, 160, 5.0f}));
        EXPECT_FALSE(plan.fillSteps) << count;
        EXPECT_TRUE(plan.steps.empty());
        EXPECT_EQ(plan.dateCell, "2026-03-15  09:05:07");
        EXPECT_EQ(plan.recordingDate, "2026-03-15");
        EXPECT_EQ(plan.maxHr, "205");
        EXPECT_EQ(plan.restHr, "32");
        EXPECT_TRUE(plan.stepCountProblem.startsWith(count == 2 ? "2 steps were found"
                                                                : "More than six steps were"))
            << plan.stepCountProblem.toStdString();
    }
    EXPECT_EQ(kavren::planTakeOver(file, {}).stepCountProblem, "");
}

} // namespace
