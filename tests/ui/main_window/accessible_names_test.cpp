// Every control the keyboard reaches in the main window (its frames, shown or hidden, included)
// has an accessible name that a screen reader can say: its caption, never its object name.
#include "ui/main_window/laktat.h"
#include "support/program_folder.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QWidget>

#include <gtest/gtest.h>

using kavren::testing::ProgramFolder;

namespace {

QString accessibleNameOf(QWidget *control) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

} // namespace

// A control inside a combo box (its list of choices) speaks through the combo box.
bool partOfComboBox(const QWidget *control) {
    for (const QObject *owner = control->parent(); owner; owner = owner->parent())
        if (qobject_cast<const QComboBox *>(owner))
            return true;
    return false;
}

TEST(AccessibleNames, EveryControlTheKeyboardReachesHasACaptionOfItsOwn) {
    ProgramFolder folder;
    Laktat window(folder.path());
    QStringList unnamed;
    QMap<QString, QString> fieldNamed; // accessible name -> the field that has it
    int controls = 0;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy() ||
            partOfComboBox(control))
            continue;
        ++controls;
        const QString name = accessibleNameOf(control);
        if (name.isEmpty() || name == control->objectName())
            unnamed << control->objectName();
        // Fields take values: each must be told apart from the others of its frame.
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractSlider *>(control)) {
            EXPECT_FALSE(fieldNamed.contains(name))
                << control->objectName().toStdString() << " and "
                << fieldNamed.value(name).toStdString() << " are both \"" << name.toStdString()
                << "\"";
            fieldNamed.insert(name, control->objectName());
        }
    }
    EXPECT_GT(controls, 90);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

TEST(AccessibleNames, AStepFieldIsNamedByItsColumnAndStep) {
    ProgramFolder folder;
    Laktat window(folder.path());
    const std::pair<const char *, const char *> fields[] = {
        {"lakt1", "Lactate, step 1"}, {"puls3", "Heart rate, step 3"}, {"temp6", "Speed, step 6"}};
    for (const auto &[name, caption] : fields)
        EXPECT_EQ(accessibleNameOf(window.findChild<QLineEdit *>(name)), caption) << name;
}
