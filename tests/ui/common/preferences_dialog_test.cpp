// The "Preferences" dialog with the "Lactate levels" page: what is no level is named and left
// out, OK keeps the levels and Cancel keeps nothing. The "Language" page keeps the chosen
// language's code.
#include "ui/common/preferences_dialog.h"

#include "io/lactate_levels.h"
#include "io/language_preference.h"
#include "ui/common/lactate_levels_page.h"
#include "ui/common/language_page.h"
#include "support/program_folder.h"

#include <QComboBox>
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

TEST(PreferencesDialog, TheChosenLanguageIsKeptByItsCodeForTheNextStart) {
    const testing::ProgramFolder folder;
    ASSERT_TRUE(writeLanguage(folder.path(), QStringLiteral("fr")));
    PreferencesDialog dialog;
    auto *page = new LanguagePage(folder.path());
    dialog.addPage(page, QStringLiteral("Language"), [page] { return page->save(); });
    auto *choice = page->findChild<QComboBox *>("languageChoice");
    EXPECT_EQ(choice->currentText(), "Français");
    EXPECT_EQ(page->findChild<QLabel *>("languageNote")->text(),
              "The language changes when Kavren starts next.");
    choice->setCurrentIndex(choice->findText(QStringLiteral("Deutsch")));
    dialog.accept();
    EXPECT_EQ(readLanguage(folder.path()), "de");
}

} // namespace
} // namespace kavren
