// The import flow on its own, without the main window: what it signals and what it leaves in the
// test when the import window is closed without taking anything over.
#include "ui/hrm_import/import_controller.h"

#include "support/recording_surface.h"
#include "support/window_fixture.h"

#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

using namespace kavren;
using kavren::testing::findControl;

namespace {

// "Close" puts back the display the import found, whichever unit that was: the import itself
// always switches to the heart-rate-only display in min/km.
TEST(ImportController, CloseHandsBackTheDisplayItFound) {
    for (const SpeedUnit unit : {SpeedUnit::KmPerHour, SpeedUnit::MetrePerMin}) {
        QWidget window;
        CurrentTest test;
        test.speedUnit = unit;
        AnalysisState analysis;
        SampleBuffer samples;
        RecordingSurface surface;
        ImportScreenReading screen;
        screen.freezeChecked = [] { return false; };
        screen.firstLactate = [] { return QString(); };
        screen.loadSettleMs = [] { return 0; };
        ImportController import(&window, test, analysis, samples, surface, std::move(screen));
        int openings = 0;
        std::optional<std::pair<bool, SpeedUnit>> restored;
        QObject::connect(&import, &ImportController::importOpening, [&] {
            ++openings;
            test.hrOnly = true; // as the window's heart-rate-only display sets it
            test.speedUnit = SpeedUnit::MinPerKm;
        });
        QObject::connect(&import, &ImportController::displayRestored,
                         [&](bool hrOnly, SpeedUnit shown) {
                             restored = {hrOnly, shown};
                         });

        import.openImport();
        EXPECT_EQ(openings, 1);
        EXPECT_TRUE(test.importedFromFile);
        QWidget *polar = window.findChild<QWidget *>(QStringLiteral("Polar"));
        ASSERT_NE(polar, nullptr);
        findControl<QPushButton>(polar, "Command2")->click();

        ASSERT_TRUE(restored.has_value());
        EXPECT_FALSE(restored->first);
        EXPECT_EQ(restored->second, unit);
        EXPECT_FALSE(test.importedFromFile);
    }
}

} // namespace
