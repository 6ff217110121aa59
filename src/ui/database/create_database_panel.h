// The frame "Create Database" (Frame5): the path of a new database (Text55), typed as
// folder/name (the box suggests a file in the data folder) or as a server address, with "Create"
// and "Close".
#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace kavren {

class CreateDatabasePanel : public QGroupBox {
    Q_OBJECT
public:
    // Places the frame on the window area at geometry (pixels of the design layout).
    CreateDatabasePanel(QWidget *area, const QRect &geometry);

    // The path typed (or the path of the database chosen in the file list).
    QString path() const;
    void setPath(const QString &path);
    void clearPath();
    // Shows the frame with the cursor in the path.
    void open();

signals:
    // "Create" was clicked.
    void createRequested();

private:
    QLineEdit *m_path = nullptr;     // Text55
    QPushButton *m_create = nullptr; // Command4
    QPushButton *m_close = nullptr;  // Command5
};

} // namespace kavren
