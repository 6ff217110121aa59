// The "Preferences" dialog with the "Lactate levels" page: what is no level is named and left
// out, OK keeps the levels and Cancel keeps nothing.
#include "ui/common/preferences_dialog.h"

#include "io/lactate_levels.h"
#include "ui/common/lactate_levels_page.h"
#include "support/program_folder.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace kavren {
namespace {

TEST(PreferencesDialog, LactateLevelsAreKeptOnOkOnly) {
    const testing::ProgramFolder folder;
    ASSERT_TRUE(writeLactateLevels(folder.path(), {2.5}));
    for (const bool ok : {false, true}) {
        PreferencesDialog dialog;
        EXPECT_EQ(dialog.windowTitle(), "Preferences");
        auto *page = new LactateLevelsPage(folder.path());
        dialog.addPage(page, QStringLiteral("Lactate levels"), [page] { return page->save(); });
        auto *field = page->findChild<QLineEdit *>("extraLactateLevels");
        EXPECT_EQ(field->text(), "2.5");
        field->setText(QStringLiteral("3 1,5 x"));
        EXPECT_TRUE(page->findChild<QLabel *>("extraLactateLevelsProblem")->text().endsWith(": x"));
        if (ok)
            dialog.accept();
        else
            dialog.reject();
        const std::vector<double> kept =
            ok ? std::vector<double>{1.5, 3} : std::vector<double>{2.5};
        EXPECT_EQ(readLactateLevels(folder.path()), kept);
    }
}

} // namespace
} // namespace kavren
