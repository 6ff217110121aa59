// The create frame's controls, placed in twips inside the frame.
#include "ui/database/create_database_panel.h"

#include "ui/common/twips.h"

#include <QLineEdit>
#include <QPushButton>

namespace kavren {

namespace {

constexpr int ButtonHeight = 375;

} // namespace

CreateDatabasePanel::CreateDatabasePanel(QWidget *area, const QRect &geometry)
    : QGroupBox(tr("Create Database (folder/name or server address)"), area) {
    setObjectName(QStringLiteral("Frame5"));
    setGeometry(geometry);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("Text55"));
    m_path->setGeometry(twipsRect(120, 300, 5760, 300));
    m_create = new QPushButton(tr("Create"), this);
    m_create->setObjectName(QStringLiteral("Command4"));
    m_create->setGeometry(twipsRect(120, 720, 1200, ButtonHeight));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("Command5"));
    m_close->setGeometry(twipsRect(1440, 720, 1200, ButtonHeight));
    connect(m_create, &QPushButton::clicked, this, &CreateDatabasePanel::createRequested);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
}

QString CreateDatabasePanel::path() const {
    return m_path->text();
}

void CreateDatabasePanel::setPath(const QString &path) {
    m_path->setText(path);
}

void CreateDatabasePanel::clearPath() {
    m_path->clear();
}

void CreateDatabasePanel::open() {
    show();
    m_path->setFocus();
}

} // namespace kavren
