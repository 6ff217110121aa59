// Small habits of controls that several windows share.
#pragma once

class QObject;
class QWidget;

namespace kavren {

// An event filter that brings the frame it watches to the front whenever the frame is shown, so
// that a frame shown over other controls never hides part of itself under another frame.
QObject *makeRaiseWhenShown(QObject *parent);
// The control takes the focus when the mouse comes over it.
void focusOnHover(QWidget *control);

} // namespace kavren
