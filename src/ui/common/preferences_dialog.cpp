#include "ui/common/preferences_dialog.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kavren {

PreferencesDialog::PreferencesDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("preferences"));
    setWindowTitle(tr("Preferences"));
    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    layout->addWidget(m_pages);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PreferencesDialog::addPage(QWidget *page, const QString &title, std::function<bool()> save) {
    m_pages->addTab(page, title);
    if (save)
        m_saves.push_back(std::move(save));
}

void PreferencesDialog::accept() {
    bool kept = true;
    for (const auto &save : m_saves)
        kept = save() && kept;
    if (kept)
        QDialog::accept();
}

} // namespace kavren
