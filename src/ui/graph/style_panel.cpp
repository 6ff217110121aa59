// Builds the "Screen" and "Printer" style frames and keeps their colour previews in step with the
// typed values: a value without a palette colour leaves its preview as it was.
#include "ui/graph/style_panel.h"

#include "ui/graph/graph_widget.h"
#include "domain/drawing/palette.h"
#include "ui/common/named_controls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <functional>

namespace kavren {

namespace {

// The window's design colours: light blue frames, dark blue swatches, red group titles.
const QColor FrameColour(192, 192, 255);
const QColor SwatchColour(0, 0, 192);
const QColor TitleRed(255, 0, 0);
const QColor RowBlue(0, 0, 255);

constexpr int FieldWidth = 36;
constexpr int FieldHeight = 20;

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QGroupBox *newFrame(QWidget *area, const QString &caption, const char *name, int width,
                    int height) {
    auto *frame = namedControl<QGroupBox>(area, name, caption);
    frame->setAutoFillBackground(true);
    setRole(frame, QPalette::Window, FrameColour);
    frame->resize(width, height);
    frame->hide();
    return frame;
}

} // namespace

StylePanel::StylePanel(QWidget *area) : QObject(area) {
    buildScreenFrame(area);
    buildPrinterFrame(area);
    connectPreviews();
}

QLineEdit *StylePanel::addField(QWidget *frame, const char *name, int x, int y,
                                const QString &accessibleName) {
    auto *edit = new QLineEdit(frame);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    edit->setGeometry(x, y, FieldWidth, FieldHeight);
    m_fields.insert(edit->objectName(), edit);
    return edit;
}

QLabel *StylePanel::addLabel(QWidget *frame, const QString &text, int x, int y, const char *name) {
    auto *label = new QLabel(text, frame);
    if (name) {
        label->setObjectName(QString::fromLatin1(name));
        m_previewTargets.insert(label->objectName(), label);
    }
    label->move(x, y + 2);
    label->adjustSize();
    return label;
}

QFrame *StylePanel::addSwatch(QWidget *frame, const char *name, int x, int y) {
    auto *swatch = new QFrame(frame);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    setRole(swatch, QPalette::Window, SwatchColour);
    swatch->setGeometry(x, y + 2, 16, 16);
    m_previewTargets.insert(swatch->objectName(), swatch);
    return swatch;
}

void StylePanel::addRule(QWidget *frame, int y) {
    auto *rule = new QFrame(frame);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(6, y, frame->width() - 12, 4);
}

void StylePanel::buildScreenFrame(QWidget *area) {
    QGroupBox *f = m_screenFrame = newFrame(area, tr("Screen"), "Frame1", 280, 290);
    setRole(addLabel(f, tr(" Curve             1                         2  -  6"), 8, 20),
            QPalette::WindowText, TitleRed);
    setRole(addLabel(f, tr("Lactate"), 8, 42), QPalette::WindowText, RowBlue);
    addField(f, "Text44", 96, 42, tr("Screen: Lactate, curve 1, colour"));
    addSwatch(f, "Shape1", 136, 42);
    addField(f, "Text43", 180, 42, tr("Screen: Lactate, curves 2 - 6, colour"));
    addSwatch(f, "Shape2", 220, 42);
    m_heartRateCaption = addLabel(f, tr("Pulse"), 8, 66, "Label54");
    setRole(m_heartRateCaption, QPalette::WindowText, RowBlue);
    addField(f, "Text45", 96, 66, tr("Screen: Pulse, curve 1, colour"));
    addSwatch(f, "Shape3", 136, 66);
    addField(f, "Text46", 180, 66, tr("Screen: Pulse, curves 2 - 6, colour"));
    addSwatch(f, "Shape4", 220, 66);
    addLabel(f, tr("Width"), 48, 90);
    addField(f, "Text22", 96, 90, tr("Screen: Curve width"));
    addLabel(f, tr("Circles"), 8, 118);
    addLabel(f, tr("Size"), 66, 118);
    addField(f, "Text23", 96, 118, tr("Screen: Circles, size"));
    addLabel(f, tr("Width"), 140, 118);
    addField(f, "Text24", 180, 118, tr("Screen: Circles, width"));
    addLabel(f, tr("Helplines"), 8, 142);
    addLabel(f, tr("Width"), 140, 142);
    addField(f, "Text25", 180, 142, tr("Screen: Helplines, width"));
    addLabel(f, tr("Threshold"), 8, 170);
    addLabel(f, tr("Color(0-15)"), 96, 170);
    addField(f, "Text41", 180, 170, tr("Screen: Threshold, color (0-15)"));
    addSwatch(f, "Frame6", 220, 170);
    addLabel(f, tr("Background"), 8, 194);
    addLabel(f, tr("Color(0-15)"), 96, 194);
    addField(f, "Text42", 180, 194, tr("Screen: Background, color (0-15)"));
    addSwatch(f, "Frame8", 220, 194);
    addLabel(f, tr("Tempo axis"), 8, 218);
    addLabel(f, tr("Color(0-15)"), 96, 218);
    addField(f, "Text59", 180, 218, tr("Screen: Tempo axis, color (0-15)"));
    addSwatch(f, "Frame9", 220, 218);
    auto *close = new QPushButton(tr("Close"), f);
    close->setObjectName(QStringLiteral("Command12"));
    close->setGeometry(180, 252, 76, 26);
    connect(close, &QPushButton::clicked, f, &QWidget::hide);
}

void StylePanel::buildPrinterFrame(QWidget *area) {
    QGroupBox *f = m_printerFrame = newFrame(area, tr("Printer"), "Frame2", 330, 330);
    setRole(addLabel(f, tr("Curve       1              2 - 6"), 150, 18), QPalette::WindowText,
            TitleRed);
    setRole(addLabel(f, tr("Curves"), 8, 18), QPalette::WindowText, TitleRed);
    setRole(addLabel(f, tr("Lactate"), 8, 40), QPalette::WindowText, RowBlue);
    addLabel(f, tr("Width"), 60, 40);
    addField(f, "Text40", 100, 40, tr("Printer: Lactate curve, width"));
    addLabel(f, tr("Color"), 142, 40, "Label35");
    addField(f, "Text34", 180, 40, tr("Printer: Lactate curve 1, color"));
    addField(f, "Text47", 250, 40, tr("Printer: Lactate curves 2 - 6, color"));
    setRole(addLabel(f, tr("Pulse"), 8, 64), QPalette::WindowText, RowBlue);
    addLabel(f, tr("Width"), 60, 64);
    addField(f, "Text26", 100, 64, tr("Printer: Pulse curve, width"));
    addLabel(f, tr("Color"), 142, 64, "Label31");
    addField(f, "Text30", 180, 64, tr("Printer: Pulse curve 1, color"));
    addField(f, "Text48", 250, 64, tr("Printer: Pulse curves 2 - 6, color"));
    addRule(f, 90);

    setRole(addLabel(f, tr("Marks"), 8, 98), QPalette::WindowText, TitleRed);
    addLabel(f, tr("Size"), 60, 98);
    addField(f, "Text27", 100, 98, tr("Printer: Marks, size"));
    addLabel(f, tr("Width"), 142, 98);
    addField(f, "Text28", 180, 98, tr("Printer: Marks, width"));
    addLabel(f, tr("Type(0-8)"), 222, 98, "Label33");
    addField(f, "Text32", 284, 98, tr("Printer: Marks, type (0-8)"));
    addLabel(f, tr("Color(lactate)"), 8, 124, "Label32");
    addField(f, "Text31", 100, 124, tr("Printer: Marks, color (lactate)"));
    addLabel(f, tr("Fill color"), 142, 124, "Label38");
    addField(f, "Text37", 210, 124, tr("Printer: Marks, fill color (lactate)"));
    addLabel(f, tr("Color(Hr)"), 8, 148, "Label36");
    addField(f, "Text35", 100, 148, tr("Printer: Marks, color (Hr)"));
    addLabel(f, tr("Fill color"), 142, 148, "Label37");
    addField(f, "Text36", 210, 148, tr("Printer: Marks, fill color (Hr)"));
    addRule(f, 174);

    setRole(addLabel(f, tr("Lactate lines"), 8, 182), QPalette::WindowText, TitleRed);
    addLabel(f, tr("Width"), 100, 182);
    addField(f, "Text38", 142, 182, tr("Printer: Lactate lines, width"));
    addLabel(f, tr("Color(0-15)"), 184, 182, "Label41");
    addField(f, "Text39", 260, 182, tr("Printer: Lactate lines, color (0-15)"));
    addRule(f, 208);

    setRole(addLabel(f, tr("Help lines"), 8, 216), QPalette::WindowText, TitleRed);
    addLabel(f, tr("Width"), 100, 216);
    addField(f, "Text29", 142, 216, tr("Printer: Help lines, width"));
    addLabel(f, tr("Color(0-15)"), 184, 216, "Label34");
    addField(f, "Text33", 260, 216, tr("Printer: Help lines, color (0-15)"));

    m_printerClose = new QPushButton(tr("Close"), f);
    m_printerClose->setObjectName(QStringLiteral("Command13"));
    m_printerClose->setGeometry(240, 290, 76, 26);
    m_printerClose->setEnabled(false);
    connect(m_printerClose, &QPushButton::clicked, f, &QWidget::hide);
}

void StylePanel::connectPreviews() {
    // Field, preview control, and which colour of the preview the value sets.
    struct Preview {
        const char *field;
        const char *preview;
        QPalette::ColorRole role;
    };
    static constexpr Preview previews[] = {
        {"Text30", "Label31", QPalette::WindowText}, {"Text31", "Label32", QPalette::WindowText},
        {"Text32", "Label33", QPalette::WindowText}, {"Text33", "Label34", QPalette::WindowText},
        {"Text34", "Label35", QPalette::WindowText}, {"Text35", "Label36", QPalette::WindowText},
        {"Text36", "Label37", QPalette::WindowText}, {"Text37", "Label38", QPalette::WindowText},
        {"Text39", "Label41", QPalette::WindowText}, {"Text41", "Frame6", QPalette::Window},
        {"Text43", "Shape2", QPalette::Window},      {"Text44", "Shape1", QPalette::Window},
        {"Text45", "Shape3", QPalette::Window},      {"Text46", "Shape4", QPalette::Window},
        {"Text59", "Frame9", QPalette::Window},
    };
    for (const Preview &p : previews) {
        QLineEdit *edit = field(QString::fromLatin1(p.field));
        QWidget *target = m_previewTargets.value(QString::fromLatin1(p.preview));
        const QPalette::ColorRole role = p.role;
        m_previews.insert(edit, [target, role](const QString &text) {
            if (const auto colour = paletteColourOfText(text))
                setRole(target, role, *colour);
        });
    }
    m_previews.insert(field(QStringLiteral("Text42")),
                      [this](const QString &text) { previewBackground(text); });
    for (auto it = m_previews.cbegin(); it != m_previews.cend(); ++it) {
        QLineEdit *edit = it.key();
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit](const QString &text) { refreshPreview(edit, text); });
    }
    setSettings(StyleSettings{});
}

void StylePanel::refreshPreview(QLineEdit *edit, const QString &text) {
    if (const auto preview = m_previews.constFind(edit); preview != m_previews.cend())
        (*preview)(text);
}

void StylePanel::previewBackground(const QString &text) {
    // The graph (through the signal) first, then the swatch Frame8.
    const auto colour = paletteColourOfText(text);
    if (!colour)
        return;
    emit backgroundColourChanged(*colour);
    setRole(m_previewTargets.value(QStringLiteral("Frame8")), QPalette::Window, *colour);
}

void StylePanel::colourHeartRateCaption() {
    if (const auto colour = paletteColourOfText(field(QStringLiteral("Text45"))->text()))
        setRole(m_heartRateCaption, QPalette::WindowText, *colour);
}

QLineEdit *StylePanel::field(const QString &name) const {
    return m_fields.value(name);
}

QString StylePanel::styleText(const QString &name) const {
    const QLineEdit *edit = field(name);
    return edit ? edit->text() : QString();
}

void StylePanel::setStyleText(const QString &name, const QString &text) {
    if (QLineEdit *edit = field(name))
        edit->setText(text);
}

void StylePanel::hideFrames() {
    m_screenFrame->hide();
    m_printerFrame->hide();
}

void StylePanel::raiseWhenShown(QObject *raiser) {
    m_screenFrame->installEventFilter(raiser);
    m_printerFrame->installEventFilter(raiser);
}

StyleSettings StylePanel::settings() const {
    StyleSettings settings;
    for (const StyleField &f : styleFields())
        settings.*f.value = field(QString::fromLatin1(f.controlName))->text();
    return settings;
}

void StylePanel::setSettings(const StyleSettings &settings) {
    for (const StyleField &f : styleFields()) {
        QLineEdit *edit = field(QString::fromLatin1(f.controlName));
        const QString &text = settings.*f.value;
        if (edit->text() == text)
            refreshPreview(edit, text); // the preview follows even an unchanged value
        else
            edit->setText(text);
    }
}

void StylePanel::setGraph(GraphWidget *graph) {
    if (m_graph)
        disconnect(this, &StylePanel::backgroundColourChanged, m_graph, nullptr);
    m_graph = graph;
    if (!m_graph)
        return;
    connect(this, &StylePanel::backgroundColourChanged, m_graph, &GraphWidget::setBackgroundColour);
    previewBackground(field(QStringLiteral("Text42"))->text());
}

void StylePanel::showStyleLines(const std::array<std::optional<QString>, StyleLineCount> &lines) {
    for (std::size_t i = 0; i < StyleLines.size(); ++i)
        if (lines[i])
            setStyleText(QString::fromLatin1(StyleLines[i].control), *lines[i]);
}

std::array<QString, StyleLineCount> StylePanel::styleLines() const {
    std::array<QString, StyleLineCount> texts;
    for (std::size_t i = 0; i < StyleLines.size(); ++i)
        texts[i] = styleText(QString::fromLatin1(StyleLines[i].control));
    return texts;
}

void StylePanel::showScreenFrame() {
    m_screenFrame->show();
    m_screenFrame->raise();
}

void StylePanel::showPrinterFrame() {
    m_printerFrame->show();
    m_printerFrame->raise();
    m_printerClose->setEnabled(true);
}

} // namespace kavren
