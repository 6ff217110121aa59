// Messages of the program: a modal message box whose text is the program's own fixed text.
#pragma once

#include <QString>

class QWidget;

namespace kavren {

void showMessage(QWidget *parent, const QString &text);
// A question with the buttons Yes and No and the critical icon; true for Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

} // namespace kavren
