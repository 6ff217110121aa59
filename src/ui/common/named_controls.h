// Controls made with the object name they are known by (the form's names: "Text4", "Command9", ...)
// and, where the form places them, their geometry, usually a twipsRect of the run.
#pragma once

#include <QAnyStringView>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kavren {

// A control of type T in parent, named name.
template <typename T> T *namedControl(QWidget *parent, QAnyStringView name) {
    auto *control = new T(parent);
    control->setObjectName(name);
    return control;
}

// A captioned control (label, button, tick box, frame) in parent, named name.
template <typename T>
T *namedControl(QWidget *parent, QAnyStringView name, const QString &caption) {
    auto *control = new T(caption, parent);
    control->setObjectName(name);
    return control;
}

// A control of type T in parent, named name, at geometry.
template <typename T> T *namedControl(QWidget *parent, QAnyStringView name, const QRect &geometry) {
    T *control = namedControl<T>(parent, name);
    control->setGeometry(geometry);
    return control;
}

// A captioned control in parent, named name, at geometry.
template <typename T>
T *namedControl(QWidget *parent, QAnyStringView name, const QString &caption,
                const QRect &geometry) {
    T *control = namedControl<T>(parent, name, caption);
    control->setGeometry(geometry);
    return control;
}

} // namespace kavren
