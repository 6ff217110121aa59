// The two style frames of the main window, "Screen" (Frame1) and "Printer" (Frame2): small text
// fields that hold the colours, widths and sizes with which the graph and the report are drawn.
#pragma once

#include <QObject>
#include <QString>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace kavren {

class StylePanel : public QObject {
    Q_OBJECT
public:
    // Builds both frames as hidden children of the given window area.
    explicit StylePanel(QWidget *area);

    QGroupBox *screenFrame() const { return m_screenFrame; }
    QGroupBox *printerFrame() const { return m_printerFrame; }
    // The style field with this control name ("Text22" … "Text48", "Text59"); null when unknown.
    QLineEdit *field(const QString &name) const;

private:
    QGroupBox *m_screenFrame = nullptr;
    QGroupBox *m_printerFrame = nullptr;
};

} // namespace kavren
