#include "graph/style_panel.h"

#include <QGroupBox>
#include <QLineEdit>

namespace kavren {

namespace {

struct FieldDefault {
    const char *name;
    const char *text;
};

// Design texts of the fields before the settings file is read.
constexpr FieldDefault ScreenFields[] = {
    {"Text44", "9"}, {"Text43", "15"}, {"Text45", "12"}, {"Text46", "14"}, {"Text22", "2"},
    {"Text23", ".07"}, {"Text24", "1"}, {"Text25", "1"}, {"Text41", "2"}, {"Text42", "2"},
    {"Text59", "7"},
};
constexpr FieldDefault PrinterFields[] = {
    {"Text40", ""}, {"Text34", "4"}, {"Text47", "11"}, {"Text26", "4"}, {"Text30", "1"},
    {"Text48", "2"}, {"Text27", "0.05"}, {"Text28", "1"}, {"Text31", "4"}, {"Text37", "4"},
    {"Text35", "1"}, {"Text36", "1"}, {"Text32", "0"}, {"Text38", "4"}, {"Text39", "2"},
    {"Text29", "1"}, {"Text33", "0"},
};

template <std::size_t N>
void addFields(QGroupBox *frame, const FieldDefault (&fields)[N]) {
    int row = 0;
    for (const FieldDefault &f : fields) {
        auto *edit = new QLineEdit(QString::fromLatin1(f.text), frame);
        edit->setObjectName(QString::fromLatin1(f.name));
        edit->setGeometry(12 + (row % 4) * 60, 24 + (row / 4) * 26, 50, 22);
        ++row;
    }
}

} // namespace

StylePanel::StylePanel(QWidget *area) : QObject(area) {
    m_screenFrame = new QGroupBox(tr("Screen"), area);
    m_screenFrame->setObjectName(QStringLiteral("Frame1"));
    addFields(m_screenFrame, ScreenFields);
    m_screenFrame->hide();

    m_printerFrame = new QGroupBox(tr("Printer"), area);
    m_printerFrame->setObjectName(QStringLiteral("Frame2"));
    addFields(m_printerFrame, PrinterFields);
    m_printerFrame->hide();
}

QLineEdit *StylePanel::field(const QString &name) const {
    if (auto *edit = m_screenFrame->findChild<QLineEdit *>(name))
        return edit;
    return m_printerFrame->findChild<QLineEdit *>(name);
}

} // namespace kavren
