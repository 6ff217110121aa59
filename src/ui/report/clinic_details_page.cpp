// The clinic details page and its dialog.
#include "ui/report/clinic_details_page.h"

#include "io/preferences_file.h"
#include "ui/common/message_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace kavren {

namespace {

const QString Group = QStringLiteral("Clinic");
const QString LogoFileName = QStringLiteral("clinic-logo.png");
// The logo is kept no larger than this, which prints sharp at its size on the report.
constexpr int LargestLogoSide = 1200;

} // namespace

ClinicDetails readClinicDetails(const QString &dataFolder) {
    QSettings settings(preferencesPath(dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    ClinicDetails details;
    details.name = settings.value(QStringLiteral("name")).toString();
    details.address = settings.value(QStringLiteral("address")).toString();
    const QString logo = settings.value(QStringLiteral("logo")).toString();
    if (!logo.isEmpty())
        details.logo = QImage(QDir(dataFolder).filePath(logo));
    return details;
}

ClinicDetailsPage::ClinicDetailsPage(const QString &dataFolder, QWidget *parent)
    : QWidget(parent), m_dataFolder(dataFolder), m_name(new QLineEdit(this)),
      m_address(new QPlainTextEdit(this)), m_logoView(new QLabel(this)) {
    setObjectName(QStringLiteral("ClinicDetailsPage"));
    m_name->setObjectName(QStringLiteral("clinicName"));
    m_address->setObjectName(QStringLiteral("clinicAddress"));
    m_logoView->setObjectName(QStringLiteral("clinicLogo"));
    m_logoView->setFixedSize(160, 80);
    m_logoView->setAlignment(Qt::AlignCenter);
    auto *choose = new QPushButton(tr("Choose logo..."), this);
    auto *remove = new QPushButton(tr("Remove logo"), this);
    auto *logoButtons = new QVBoxLayout;
    logoButtons->addWidget(choose);
    logoButtons->addWidget(remove);
    logoButtons->addStretch();
    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logoView);
    logoRow->addLayout(logoButtons);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Clinic name"), m_name);
    form->addRow(tr("Address"), m_address);
    form->addRow(tr("Logo"), logoRow);

    const ClinicDetails details = readClinicDetails(dataFolder);
    m_name->setText(details.name);
    m_address->setPlainText(details.address);
    m_logo = details.logo;
    showLogo();
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Choose logo"), QString(), tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
        if (!path.isEmpty())
            chooseLogo(path);
    });
    connect(remove, &QPushButton::clicked, this, &ClinicDetailsPage::removeLogo);
}

void ClinicDetailsPage::showLogo() {
    if (m_logo.isNull()) {
        m_logoView->setText(tr("No logo"));
        return;
    }
    m_logoView->setPixmap(QPixmap::fromImage(
        m_logo.scaled(m_logoView->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool ClinicDetailsPage::chooseLogo(const QString &path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage logo = reader.read();
    if (logo.isNull()) {
        showWarning(
            this, tr("Clinic details"),
            tr("%1 is not a picture that can be read.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (logo.width() > LargestLogoSide || logo.height() > LargestLogoSide)
        logo = logo.scaled(LargestLogoSide, LargestLogoSide, Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
    m_logo = logo;
    showLogo();
    return true;
}

void ClinicDetailsPage::removeLogo() {
    m_logo = QImage();
    showLogo();
}

bool ClinicDetailsPage::save() {
    QSettings settings(preferencesPath(m_dataFolder), QSettings::IniFormat);
    settings.beginGroup(Group);
    settings.setValue(QStringLiteral("name"), m_name->text().trimmed());
    settings.setValue(QStringLiteral("address"), m_address->toPlainText().trimmed());
    if (m_logo.isNull()) {
        settings.remove(QStringLiteral("logo"));
        return true;
    }
    if (!m_logo.save(QDir(m_dataFolder).filePath(LogoFileName), "PNG")) {
        showWarning(
            this, tr("Clinic details"),
            tr("The logo could not be kept in %1.").arg(QDir::toNativeSeparators(m_dataFolder)));
        return false;
    }
    settings.setValue(QStringLiteral("logo"), LogoFileName);
    return true;
}

void editClinicDetails(const QString &dataFolder, QWidget *parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("clinicDetailsDialog"));
    dialog.setWindowTitle(QObject::tr("Clinic details"));
    auto *page = new ClinicDetailsPage(dataFolder, &dialog);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(page);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (page->save())
            dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

} // namespace kavren
