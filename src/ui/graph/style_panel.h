// The two style frames of the main window, "Screen" (Frame1) and "Printer" (Frame2): small text
// fields that hold the colours, widths and sizes with which the graph and the report are drawn,
// each colour field with a preview that follows what is typed.
#pragma once

#include "domain/drawing/style_settings.h"
#include "io/settings_file.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kavren {

class GraphWidget;

class StylePanel : public QObject {
    Q_OBJECT
public:
    // Builds both frames as hidden children of the given window area.
    explicit StylePanel(QWidget *area);

    // The text of the style field with this control name ("Text22" … "Text48", "Text59"), and
    // setting it as typing would; an unknown name reads empty and sets nothing.
    QString styleText(const QString &name) const;
    void setStyleText(const QString &name, const QString &text);
    // Both frames are hidden; each comes to the front through this filter whenever it is shown.
    void hideFrames();
    void raiseWhenShown(QObject *raiser);

    // The texts of all 28 fields as they stand now (read at the moment of drawing).
    StyleSettings settings() const;
    // Puts the texts into the fields; each change updates its preview as typing would.
    void setSettings(const StyleSettings &settings);

    // The style lines (1–25) of the settings file into their fields, a line that could not be read
    // leaving its field's default; and the fields' texts as the file keeps them.
    void showStyleLines(const std::array<std::optional<QString>, StyleLineCount> &lines);
    std::array<QString, StyleLineCount> styleLines() const;

    // The graph whose background follows the background colour field (Text42) at once.
    void setGraph(GraphWidget *graph);
    // Colours the caption of the heart-rate row (Label54) with the first heart-rate curve's
    // colour (Text45); a value without a palette colour leaves the caption as it is.
    void colourHeartRateCaption();

public slots:
    // Menu "Preferences" → "Screen".
    void showScreenFrame();
    // Menu "Preferences" → "Printer"; also enables the frame's "Close" button (Command13).
    void showPrinterFrame();

signals:
    // The background colour field changed to a value with a palette colour.
    void backgroundColourChanged(const QColor &colour);

private:
    // The style field with this control name; null when unknown.
    QLineEdit *field(const QString &name) const;
    void buildScreenFrame(QWidget *area);
    void buildPrinterFrame(QWidget *area);
    QLineEdit *addField(QWidget *frame, const char *name, int x, int y);
    QLabel *addLabel(QWidget *frame, const QString &text, int x, int y, const char *name = nullptr);
    QFrame *addSwatch(QWidget *frame, const char *name, int x, int y);
    void addRule(QWidget *frame, int y);
    void connectPreviews();
    void previewBackground(const QString &text);
    // Shows a field's value in its preview (if it has one), as typing it would.
    void refreshPreview(QLineEdit *edit, const QString &text);

    QGroupBox *m_screenFrame = nullptr;
    QGroupBox *m_printerFrame = nullptr;
    QPushButton *m_printerClose = nullptr;
    QLabel *m_heartRateCaption = nullptr;       // Label54
    QHash<QString, QLineEdit *> m_fields;       // by control name
    QHash<QString, QWidget *> m_previewTargets; // swatches and coloured captions, by name
    QHash<QLineEdit *, std::function<void(const QString &)>> m_previews;
    GraphWidget *m_graph = nullptr;
};

} // namespace kavren
