// The "Lactate levels" page of the preferences: the extra lactate levels (mmol/l) at which the
// indices give the speed and heart rate besides VLa2 and VLa4, typed as numbers separated by
// blanks. What is no level is named under the field and left out when the page is kept.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace kavren {

class LactateLevelsPage : public QWidget {
    Q_OBJECT
public:
    // Shows the levels kept for the data folder.
    explicit LactateLevelsPage(const QString &dataFolder, QWidget *parent = nullptr);

    // Keeps the usable levels typed; false (with the reason under the field) when the file could
    // not be written.
    bool save();

private:
    void check();

    QString m_dataFolder;
    QLineEdit *m_levels = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace kavren
