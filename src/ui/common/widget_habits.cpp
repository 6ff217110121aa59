#include "ui/common/widget_habits.h"

#include <QEvent>
#include <QWidget>

namespace kavren {
namespace {

class RaiseWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show)
            if (auto *frame = qobject_cast<QWidget *>(watched))
                frame->raise();
        return false;
    }
};

class FocusOnHover : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Enter)
            if (auto *control = qobject_cast<QWidget *>(watched))
                control->setFocus();
        return false;
    }
};

} // namespace

QObject *makeRaiseWhenShown(QObject *parent) {
    return new RaiseWhenShown(parent);
}

void focusOnHover(QWidget *control) {
    control->installEventFilter(new FocusOnHover(control));
}

} // namespace kavren
