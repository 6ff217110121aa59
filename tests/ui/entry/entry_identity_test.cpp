// The horse's identity read from and written to the entry fields: each part lands in its own
// field, and writing the same text again leaves a field (and those listening to it) alone.
#include "ui/entry/entry_panel.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using kavren::EntryPanel;
using kavren::HorseField;
using kavren::HorseIdentity;

TEST(EntryIdentityTest, EachPartHasItsOwnField) {
    QWidget area;
    EntryPanel panel(&area);
    // Eight different texts: a part written to a neighbour's field shows up as a mismatch.
    const HorseIdentity identity{"Bella", "Trotter", "5", "Mare", "North", "O'Brien", "220", "38"};
    panel.setIdentity(identity);
    const std::pair<const char *, QString> fields[] = {
        {"Text4", "Bella"}, {"Text5", "Trotter"},  {"Text6", "5"},    {"Text7", "Mare"},
        {"Text8", "North"}, {"Text60", "O'Brien"}, {"Text21", "220"}, {"Text57", "38"}};
    for (const auto &[name, text] : fields) {
        auto *field = area.findChild<QLineEdit *>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(field->text(), text) << name;
    }

    const HorseIdentity read = panel.identity();
    EXPECT_EQ(read.name, "Bella");
    EXPECT_EQ(read.stable, "North");
    EXPECT_EQ(read.trainer, "O'Brien");
    EXPECT_EQ(read.maxHr, "220");
    EXPECT_EQ(read.restHr, "38");

    // Changing only the maximum heart rate tells only its listeners.
    int maxHrChanges = 0;
    int nameChanges = 0;
    QObject::connect(area.findChild<QLineEdit *>(QStringLiteral("Text21")), &QLineEdit::textChanged,
                     [&maxHrChanges] { ++maxHrChanges; });
    QObject::connect(area.findChild<QLineEdit *>(QStringLiteral("Text4")), &QLineEdit::textChanged,
                     [&nameChanges] { ++nameChanges; });
    HorseIdentity changed = read;
    changed.maxHr = "210";
    panel.setIdentity(changed);
    EXPECT_EQ(maxHrChanges, 1);
    EXPECT_EQ(nameChanges, 0);

    panel.setIdentity({});
    for (const auto &[name, text] : fields)
        EXPECT_EQ(area.findChild<QLineEdit *>(QString::fromLatin1(name))->text(), "") << name;
}
