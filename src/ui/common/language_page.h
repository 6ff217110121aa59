// The "Language" page of the preferences: the language of the window's texts, which changes when
// the program starts next.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace kavren {

class LanguagePage : public QWidget {
    Q_OBJECT
public:
    // Shows the language kept for the data folder.
    explicit LanguagePage(const QString &dataFolder, QWidget *parent = nullptr);

    // Keeps the chosen language; false (with the reason on the page) when the file could not be
    // written.
    bool save();

private:
    QString m_dataFolder;
    QComboBox *m_languages = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace kavren
