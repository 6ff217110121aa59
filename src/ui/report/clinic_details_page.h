// The clinic's details for the clinic report, set once: the clinic's name, its address and its
// logo. Kept in the preferences file of the data folder, group "Clinic"; a chosen logo is copied
// into the data folder, so the report finds it wherever the picture came from.
#pragma once

#include "domain/report/clinic_report.h"

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kavren {

// The clinic's details as saved in the data folder (all empty when none are saved).
ClinicDetails readClinicDetails(const QString &dataFolder);

class ClinicDetailsPage : public QWidget {
    Q_OBJECT
public:
    explicit ClinicDetailsPage(const QString &dataFolder, QWidget *parent = nullptr);

    // Takes a picture file as the logo (shown at once, kept on save); false with a message
    // when the file is not a picture.
    bool chooseLogo(const QString &path);
    void removeLogo();
    // Writes the details into the preferences file; false when the logo cannot be kept.
    bool save();

private:
    void showLogo();

    QString m_dataFolder;
    QLineEdit *m_name;
    QPlainTextEdit *m_address;
    QLabel *m_logoView;
    QImage m_logo;
};

// "Clinic details...": the page in a dialog of its own; saves on OK.
void editClinicDetails(const QString &dataFolder, QWidget *parent);

} // namespace kavren
