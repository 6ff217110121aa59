// Messages of the program: a modal message box whose text is the program's own fixed text.
#pragma once

#include <QString>

class QWidget;

namespace kavren {

void showMessage(QWidget *parent, const QString &text);

} // namespace kavren
