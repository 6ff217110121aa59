#include "ui/common/lactate_levels_page.h"

#include "io/lactate_levels.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kavren {

LactateLevelsPage::LactateLevelsPage(const QString &dataFolder, QWidget *parent)
    : QWidget(parent), m_dataFolder(dataFolder) {
    setObjectName(QStringLiteral("lactateLevelsPage"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(
        tr("Extra lactate levels (mmol/l) for the speed and heart rate, e.g. 1.5 3:"), this);
    layout->addWidget(caption);
    m_levels = new QLineEdit(lactateLevelsText(readLactateLevels(dataFolder)), this);
    m_levels->setObjectName(QStringLiteral("extraLactateLevels"));
    caption->setBuddy(m_levels);
    layout->addWidget(m_levels);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("extraLactateLevelsProblem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    layout->addStretch();
    connect(m_levels, &QLineEdit::textChanged, this, &LactateLevelsPage::check);
}

void LactateLevelsPage::check() {
    const LactateLevels levels = parseLactateLevels(m_levels->text());
    m_problem->setText(
        levels.rejected.isEmpty()
            ? QString()
            : tr("Left out (a level is above 0 and at most %1 mmol/l, at most %2 levels): %3")
                  .arg(MaxLactateLevel)
                  .arg(MaxExtraLevels)
                  .arg(levels.rejected.join(QStringLiteral(", "))));
}

bool LactateLevelsPage::save() {
    if (writeLactateLevels(m_dataFolder, parseLactateLevels(m_levels->text()).levels))
        return true;
    m_problem->setText(tr("The levels could not be kept: the preferences file cannot be written."));
    return false;
}

} // namespace kavren
