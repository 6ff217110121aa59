// Clearing the threshold frame and the training zones leaves every field and label empty, also
// those that emptying the speed field fills again (an empty speed shows speeds of 0).
#include "ui/threshold/threshold_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

using kavren::ThresholdPanel;

namespace {

QString text(const QWidget &area, const char *name) {
    const QString objectName = QString::fromLatin1(name);
    if (auto *field = area.findChild<QLineEdit *>(objectName))
        return field->text();
    if (auto *label = area.findChild<QLabel *>(objectName))
        return label->text();
    ADD_FAILURE() << "no control " << name;
    return QStringLiteral("<missing>");
}

} // namespace

TEST(ThresholdClearTest, ClearingLeavesNoSpeedOrZoneBehind) {
    QWidget area;
    kavren::CurrentTest test;
    ThresholdPanel panel(
        &area, QRect(0, 0, 240, 184), QRect(0, 200, 768, 68), test, [] { return false; },
        [] { return true; });
    area.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText("4");
    // 4 m/s: 14.4 km/h and 240 m/min, worked out by hand.
    ASSERT_EQ(text(area, "Label25"), "14.4");
    ASSERT_EQ(text(area, "Label65"), "240");
    area.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText("4");
    for (const char *label : {"Label64(0)", "Label64(4)", "label68", "Label69"})
        area.findChild<QLabel *>(QString::fromLatin1(label))->setText("150-170");

    panel.clearThreshold();
    for (const char *name : {"Text1", "Text2", "Text3", "Label18", "Label25", "Label58", "Label65"})
        EXPECT_EQ(text(area, name), "") << name;
    EXPECT_EQ(text(area, "Label64(0)"), "150-170"); // the zones stay
    EXPECT_EQ(text(area, "label68"), "150-170");

    area.findChild<QLineEdit *>(QStringLiteral("Text3"))->setText("5");
    panel.clear();
    for (const char *name : {"Text1", "Text2", "Text3", "Label18", "Label25", "Label58", "Label65",
                             "Text58", "Label64(0)", "Label64(4)", "label68", "Label69"})
        EXPECT_EQ(text(area, name), "") << name;
}
