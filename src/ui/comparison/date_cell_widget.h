// A date cell of the comparison table: keeps the whole stored date and time as its text and, when
// the cell is too narrow for it, shows it shortened in the middle so that the time stays readable.
#pragma once

#include <QLabel>

namespace kavren {

class DateCellWidget : public QLabel {
    Q_OBJECT
public:
    DateCellWidget(const QString &name, QWidget *parent);

    // The text as the cell shows it in its present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kavren
