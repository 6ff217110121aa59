#include "ui/common/language_page.h"

#include "io/language_preference.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kavren {

LanguagePage::LanguagePage(const QString &dataFolder, QWidget *parent)
    : QWidget(parent), m_dataFolder(dataFolder) {
    setObjectName(QStringLiteral("languagePage"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(tr("Language of the window:"), this);
    layout->addWidget(caption);
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("languageChoice"));
    // The item's data is the code that the preferences file keeps.
    for (const QString &code : languageCodes())
        m_languages->addItem(languageName(code), code);
    m_languages->setCurrentIndex(m_languages->findData(readLanguage(dataFolder)));
    caption->setBuddy(m_languages);
    layout->addWidget(m_languages);
    auto *note = new QLabel(tr("The language changes when Kavren starts next."), this);
    note->setObjectName(QStringLiteral("languageNote"));
    note->setWordWrap(true);
    layout->addWidget(note);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("languageProblem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    layout->addStretch();
}

bool LanguagePage::save() {
    if (writeLanguage(m_dataFolder, m_languages->currentData().toString()))
        return true;
    m_problem->setText(
        tr("The language could not be kept: the preferences file cannot be written."));
    return false;
}

} // namespace kavren
