// The clinic report drawn top to bottom with a running y (millimetres down from the top of the
// drawing area); every text is fitted or wrapped into the width of its column.
#include "domain/report/clinic_report.h"

#include "domain/analysis/extrapolation.h"
#include "domain/drawing/palette.h"
#include "domain/plot/graph_axes.h"
#include "domain/exercise/numeric_text.h"
#include "domain/report/page_text.h"
#include "domain/report/report_graph.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace kavren {

namespace {

constexpr double W = ClinicPageWidth;
constexpr double Gap = 1.5; // between columns
const QColor Black(0, 0, 0);
const QColor Grey(128, 128, 128);
const QColor Rule(160, 160, 160);

// Colours of kept tests after the first: dark enough for white paper and apart from each other.
const QColor KeptLactate[] = {QColor(200, 80, 0), QColor(120, 0, 160), QColor(0, 130, 60),
                              QColor(150, 110, 0), QColor(0, 120, 140)};
const QColor KeptHr[] = {QColor(230, 140, 60), QColor(180, 100, 220), QColor(80, 190, 110),
                         QColor(200, 170, 60), QColor(70, 180, 200)};

class Writer {
public:
    explicit Writer(DrawingSurface &surface) : s(surface) {}

    void font(double size, bool bold, const QColor &colour = Black) {
        s.setFontSize(size);
        s.setBold(bold);
        s.setTextColour(colour);
    }
    // The distance of two lines of text in the current font, in millimetres of the page: the
    // font's line height with a little leading.
    double lineHeight() {
        const QPointF before = s.pen();
        s.moveTo({0, 0});
        s.printText(QString());
        const double height = s.pen().y();
        s.moveTo(before);
        return height > 0 ? 1.2 * height : 4;
    }
    // Text at (x, y) fitted into width.
    void text(double x, double y, const QString &text, double width) {
        const QString shown = fittedToWidth(s, text, width);
        if (shown.isEmpty())
            return;
        s.moveTo({x, y});
        s.printText(shown);
    }
    // Text at (x, y) ending at x + width (right-aligned) when it fits.
    void rightText(double x, double y, const QString &text, double width) {
        const QString shown = fittedToWidth(s, text, width);
        this->text(x + width - s.textWidth(shown), y, shown, width);
    }
    // Wrapped text from (x, y), at most maxLines lines; returns the y below it.
    double paragraph(double x, double y, const QString &text, double width, int maxLines) {
        const double h = lineHeight();
        int used = 0;
        for (const QString &part : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            for (const QString &line : wrappedToWidth(s, part, width, maxLines - used)) {
                this->text(x, y, line, width);
                y += h;
                ++used;
            }
            if (used >= maxLines)
                break;
        }
        return y;
    }
    void rule(double y, double from = 0, double to = W) {
        s.setLineWidth(1);
        s.line({from, y}, {to, y}, Rule);
    }

    DrawingSurface &s;
};

QString unitOfCaption(const QString &caption) {
    const qsizetype open = caption.indexOf(u'('), close = caption.lastIndexOf(u')');
    if (open < 0 || close <= open)
        return {};
    return caption.mid(open + 1, close - open - 1).trimmed();
}

double drawHeader(Writer &w, const ClinicReportInputs &in) {
    double textLeft = 0;
    double bottom = 0;
    if (!in.clinic.logo.isNull()) {
        const double h = 18;
        const double width = std::min(40.0, h * in.clinic.logo.width() / in.clinic.logo.height());
        w.s.picture(in.clinic.logo, {0, 0}, {width, h});
        textLeft = width + 4;
        bottom = h;
    }
    const double clinicLeft = 115;
    w.font(16, true);
    w.text(textLeft, 0, QCoreApplication::translate("ClinicReport", ClinicReportTitle),
           clinicLeft - Gap - textLeft);
    double y = w.lineHeight() + 1;
    w.font(10, false);
    w.text(textLeft, y, QCoreApplication::translate("ClinicReport", "Test date: ") + in.testDate,
           clinicLeft - Gap - textLeft);
    bottom = std::max(bottom, y + w.lineHeight());
    w.font(11, true);
    double clinicY = w.paragraph(clinicLeft, 0, in.clinic.name, W - clinicLeft, 2);
    w.font(9, false);
    clinicY = w.paragraph(clinicLeft, clinicY, in.clinic.address, W - clinicLeft, 4);
    bottom = std::max(bottom, clinicY) + 2;
    w.rule(bottom);
    return bottom + 3;
}

double drawIdentity(Writer &w, const ReportInputs &in, double y) {
    const std::array<std::pair<const char *, const QString *>, 6> fields = {
        {{QT_TRANSLATE_NOOP("ClinicReport", "Name"), &in.name},
         {QT_TRANSLATE_NOOP("ClinicReport", "Breed"), &in.breed},
         {QT_TRANSLATE_NOOP("ClinicReport", "Age"), &in.age},
         {QT_TRANSLATE_NOOP("ClinicReport", "Sex"), &in.sex},
         {QT_TRANSLATE_NOOP("ClinicReport", "Stable"), &in.stable},
         {QT_TRANSLATE_NOOP("ClinicReport", "Trainer"), &in.trainer}}};
    const double column = W / 3;
    double rowTop = y;
    for (int row = 0; row < 2; ++row) {
        double rowBottom = rowTop;
        for (int c = 0; c < 3; ++c) {
            const auto &[label, value] = fields[std::size_t(row * 3 + c)];
            const double x = c * column;
            w.font(8, true, Grey);
            w.text(x, rowTop, QCoreApplication::translate("ClinicReport", label), column - Gap);
            const double valueTop = rowTop + w.lineHeight();
            w.font(10, false);
            rowBottom = std::max(rowBottom, w.paragraph(x, valueTop, *value, column - Gap, 2));
        }
        rowTop = rowBottom + 1;
    }
    return rowTop + 2;
}

void section(Writer &w, double y, const QString &title) {
    w.font(11, true);
    w.text(0, y, title, W);
}

double drawIndices(Writer &w, const ClinicReportInputs &ci, double y, bool &anyExtrapolated,
                   bool &anyGrey) {
    const ReportInputs &in = ci.page;
    section(w, y, QCoreApplication::translate("ClinicReport", "Test indices"));
    w.font(11, true);
    y += w.lineHeight() + 0.5;
    const QString unit = unitOfCaption(in.speedCaption);
    const QString speed = unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit);
    QStringList headings;
    if (in.recovery)
        headings = {QCoreApplication::translate("ClinicReport", "Date"),
                    "La(0) (mmol/l)",
                    "La(5) (mmol/l)",
                    "La(10) (mmol/l)",
                    "La(20) (mmol/l)",
                    "Hr(0) (b/min)",
                    "Hr(5) (b/min)",
                    "Hr(10) (b/min)",
                    "Hr(20) (b/min)"};
    else
        headings = {QCoreApplication::translate("ClinicReport", "Date"),
                    "V200" + speed,
                    "VLa2" + speed,
                    "VLa4" + speed,
                    "Hr2 (b/min)",
                    "Hr4 (b/min)"};
    const double dateWidth = 30;
    const double column = (W - dateWidth) / double(headings.size() - 1);
    const auto columnX = [&](qsizetype c) {
        return c == 0 ? 0.0 : dateWidth + column * double(c - 1);
    };
    w.font(8, true);
    double headingBottom = y;
    for (qsizetype c = 0; c < headings.size(); ++c)
        headingBottom =
            std::max(headingBottom, w.paragraph(columnX(c), y, headings[c],
                                                (c == 0 ? dateWidth : column) - Gap, 2));
    y = headingBottom + 0.5;
    w.rule(y);
    y += 1;
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r) {
        if (in.table.values[0][r].trimmed().isEmpty() && in.table.values[1][r].trimmed().isEmpty())
            continue;
        w.font(9, false);
        const double h = w.lineHeight();
        w.text(0, y, in.table.values[0][r].trimmed().section(u' ', 0, 0), dateWidth - Gap);
        for (qsizetype c = 1; c < headings.size(); ++c) {
            const std::size_t cell = std::size_t(c);
            QString value = in.table.values[cell][r].trimmed();
            if (value.isEmpty())
                continue;
            if (in.table.extrapolated[cell][r]) {
                value += u'*';
                anyExtrapolated = true;
            }
            w.font(9, false);
            w.text(columnX(c), y, value, column - Gap);
            const double valueWidth = w.s.textWidth(value + u' ');
            // The change against the first test beside the value; grey within the uncertainty.
            if (r > 0 && cell - 1 < ReportTable::ChangeColumns) {
                const QString change = in.table.changes[cell - 1][r - 1].trimmed();
                if (!change.isEmpty()) {
                    const bool grey = ci.changeWithinUncertainty[cell - 1][r - 1];
                    anyGrey = anyGrey || grey;
                    w.font(7, false, grey ? Grey : Black);
                    w.text(columnX(c) + valueWidth, y + 0.6, QStringLiteral("(%1 %)").arg(change),
                           column - Gap - valueWidth);
                }
            }
            if (!ci.intervals[cell][r].isEmpty()) {
                w.font(7, false, Grey);
                w.text(columnX(c), y + h, ci.intervals[cell][r], column - Gap);
            }
        }
        y += h * (std::any_of(ci.intervals.begin(), ci.intervals.end(),
                              [r](const auto &c) { return !c[r].isEmpty(); })
                      ? 2
                      : 1) +
             0.5;
    }
    return y + 3;
}

double drawInputsAndZones(Writer &w, const ReportInputs &in, double y) {
    const double half = W / 2;
    section(w, y, QCoreApplication::translate("ClinicReport", "Input data"));
    w.font(11, true);
    const double top = y + w.lineHeight() + 0.5;
    const QString speed = in.recovery ? QCoreApplication::translate("ClinicReport", "Time (min)")
                                      : QCoreApplication::translate("ClinicReport", "Speed (%1)")
                                            .arg(unitOfCaption(in.speedCaption));
    const QStringList headings = {
        QCoreApplication::translate("ClinicReport", "Step"), speed,
        QCoreApplication::translate("ClinicReport", "Lactate (mmol/l)"),
        QCoreApplication::translate("ClinicReport", "Heart rate (b/min)")};
    const double widths[] = {10, 24, 24, 27};
    w.font(8, true);
    double x = 0, bottom = top;
    for (qsizetype c = 0; c < headings.size(); ++c) {
        bottom = std::max(bottom, w.paragraph(x, top, headings[c], widths[c] - Gap, 2));
        x += widths[c];
    }
    double rowY = bottom + 0.5;
    w.font(9, false);
    const double h = w.lineHeight();
    for (std::size_t i = 0; i < StepRows; ++i) {
        if (in.lactate[i].trimmed().isEmpty() && in.hr[i].trimmed().isEmpty() &&
            in.speed[i].trimmed().isEmpty())
            continue;
        const QString cells[] = {QString::number(i + 1), in.speed[i].trimmed(),
                                 in.lactate[i].trimmed(), in.hr[i].trimmed()};
        x = 0;
        for (std::size_t c = 0; c < 4; ++c) {
            w.text(x, rowY, cells[c], widths[c] - Gap);
            x += widths[c];
        }
        rowY += h;
    }

    // The training zones and the threshold on the right half.
    w.font(11, true);
    w.text(half + 5, y, QCoreApplication::translate("ClinicReport", "Training zones (b/min)"),
           half - 5);
    static constexpr const char *Names[] = {
        QT_TRANSLATE_NOOP("ClinicReport", "Very light"), QT_TRANSLATE_NOOP("ClinicReport", "Light"),
        QT_TRANSLATE_NOOP("ClinicReport", "Moderate"), QT_TRANSLATE_NOOP("ClinicReport", "Hard"),
        QT_TRANSLATE_NOOP("ClinicReport", "Max")};
    double zoneY = top;
    const double nameWidth = 30;
    for (std::size_t i = 0; i < in.zones.size(); ++i) {
        w.font(9, true);
        w.text(half + 5, zoneY, QCoreApplication::translate("ClinicReport", Names[i]),
               nameWidth - Gap);
        w.font(9, false);
        w.text(half + 5 + nameWidth, zoneY, in.zones[i].trimmed(), half - 5 - nameWidth);
        zoneY += h;
    }
    w.font(9, true);
    w.text(half + 5, zoneY, QCoreApplication::translate("ClinicReport", "Max heart rate"),
           nameWidth - Gap);
    w.font(9, false);
    w.text(half + 5 + nameWidth, zoneY, in.maxHr.trimmed(), half - 5 - nameWidth);
    zoneY += h + 1;
    if (!in.thresholdLactate.trimmed().isEmpty()) {
        w.font(9, true);
        w.text(half + 5, zoneY, QCoreApplication::translate("ClinicReport", "Threshold"),
               nameWidth - Gap);
        w.font(9, false);
        const QString threshold =
            QCoreApplication::translate("ClinicReport", "%1 mmol/l, %2 b/min, %3 m/min (%4 min/km)")
                .arg(in.thresholdLactate.trimmed(), in.thresholdHr.trimmed(),
                     printedNumber(60 * readNumber(in.thresholdSpeed)).trimmed(),
                     in.thresholdPace.trimmed());
        zoneY = w.paragraph(half + 5 + nameWidth, zoneY, threshold, half - 5 - nameWidth, 2);
    }
    return std::max(rowY, zoneY) + 3;
}

// The graph in the rectangle x 0…graphRight, y top…bottom of the page, its legend to its right.
void drawGraph(Writer &w, const ClinicReportInputs &ci, double top, double bottom) {
    const ReportInputs &in = ci.page;
    const double graphRight = 140;
    const double H = w.s.map().scale().bottom;
    // Graph coordinates x 2…17 and y 14…−3 fill the rectangle.
    ReportGraphLook look;
    const double xSpan = 15 / (graphRight / W);
    const double ySpan = 17 / ((bottom - top) / H);
    look.pageScale.left = 2 - 0 / W * xSpan;
    look.pageScale.right = look.pageScale.left + xSpan;
    look.pageScale.top = 14 + top / H * ySpan;
    look.pageScale.bottom = look.pageScale.top - ySpan;
    look.distinctMarks = true;
    look.fontSize = 8;
    const int last = std::min(in.curveSlot, FrozenCurves::LastSlot);
    for (int slot = 1; slot <= last; ++slot) {
        look.lactateColours[std::size_t(slot)] = clinicLactateColour(in.styles, slot);
        look.hrColours[std::size_t(slot)] = clinicHrColour(in.styles, slot);
    }
    ReportInputs graph = in;
    graph.freezeChecked = true; // the page's own threshold block says where the threshold is
    drawReportGraph(w.s, graph, look);
    w.s.setScale({0, 0, W, H});

    // The legend: one entry per kept test, by date, then what the marks mean.
    const double x = graphRight + 4;
    double y = top + 4;
    w.font(9, true);
    w.text(x, y, QCoreApplication::translate("ClinicReport", "Tests"), W - x);
    w.font(8, false);
    const double h = w.lineHeight();
    y += h + 0.5;
    for (int slot = 1; slot <= last; ++slot) {
        w.s.setLineWidth(4);
        w.s.line({x, y + h / 2}, {x + 5, y + h / 2}, clinicLactateColour(in.styles, slot));
        const QString date = ci.keptDates[std::size_t(slot)].trimmed();
        w.text(x + 7, y,
               date.isEmpty() ? QCoreApplication::translate("ClinicReport", "Test %1").arg(slot)
                              : date,
               W - x - 7);
        y += h + 0.5;
    }
    y += 2;
    w.s.setFillPattern(FillPattern::Solid);
    w.s.setFillColour(Black);
    w.s.setLineWidth(1);
    w.s.circle({x + 2.5, y + h / 2}, 0.9, Black);
    w.text(x + 7, y, QCoreApplication::translate("ClinicReport", "Lactate (mmol/l)"), W - x - 7);
    y += h + 0.5;
    w.s.line({x + 1.6, y + h / 2 - 0.9}, {x + 3.4, y + h / 2 + 0.9}, Black);
    w.s.line({x + 1.6, y + h / 2 + 0.9}, {x + 3.4, y + h / 2 - 0.9}, Black);
    w.text(x + 7, y, QCoreApplication::translate("ClinicReport", "Heart rate (b/min)"), W - x - 7);
}

} // namespace

QColor clinicLactateColour(const StyleSettings &styles, int slot) {
    if (slot <= 1)
        return legibleOn(stylePaletteColour(styles.lactateColour).value_or(Black), Qt::white);
    return KeptLactate[std::size_t(slot - 2) % std::size(KeptLactate)];
}

QColor clinicHrColour(const StyleSettings &styles, int slot) {
    if (slot <= 1)
        return legibleOn(stylePaletteColour(styles.hrColour).value_or(Black), Qt::white);
    return KeptHr[std::size_t(slot - 2) % std::size(KeptHr)];
}

void fillIndexUncertainty(ClinicReportInputs &inputs) {
    const ReportInputs &page = inputs.page;
    if (page.recovery)
        return;
    const auto speed = [&page](const IndexEstimate &estimate) {
        const bool given = estimate.value && (estimate.bounded() || estimate.unbounded);
        return given ? speedIntervalText(estimate, page.discipline, false) : QString();
    };
    const auto hr = [](const IndexEstimate &estimate) {
        const bool given = estimate.value && (estimate.bounded() || estimate.unbounded);
        return given ? hrIntervalText(estimate, false) : QString();
    };
    // The speed layout's value columns 1…5: V200, VLa2, VLa4, Hr2, Hr4.
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r) {
        const TestIntervals &test = page.comparedIntervals[r];
        inputs.intervals[1][r] = speed(test.v200);
        inputs.intervals[2][r] = speed(test.vla2);
        inputs.intervals[3][r] = speed(test.vla4);
        inputs.intervals[4][r] = hr(test.hr2);
        inputs.intervals[5][r] = hr(test.hr4);
    }
    const UncertainPercentCells &grey = page.uncertain;
    for (std::size_t r = 0; r < ReportTable::ChangeRows; ++r) {
        inputs.changeWithinUncertainty[0][r] = grey.v200P[r];
        inputs.changeWithinUncertainty[1][r] = grey.vla2P[r];
        inputs.changeWithinUncertainty[2][r] = grey.vla4P[r];
        inputs.changeWithinUncertainty[3][r] = grey.hr2P[r];
        inputs.changeWithinUncertainty[4][r] = grey.hf4P[r];
    }
}

void drawClinicReport(DrawingSurface &surface, const ClinicReportInputs &in) {
    const QRectF area = surface.map().deviceArea();
    const double H = area.width() > 0 ? W * area.height() / area.width() : W * 1.414;
    surface.setScale({0, 0, W, H});
    Writer w(surface);
    double y = drawHeader(w, in);
    y = drawIdentity(w, in.page, y);
    bool anyExtrapolated = false;
    bool anyGrey = false;
    y = drawIndices(w, in, y, anyExtrapolated, anyGrey);
    y = drawInputsAndZones(w, in.page, y);

    // The footer, then the footnotes and the comments above it; the graph takes what is left.
    w.font(8, false, Grey);
    const double footerH = w.lineHeight();
    const double footerY = H - footerH;
    w.rule(footerY - 1);
    w.text(0, footerY, in.program, W / 2);
    w.rightText(W / 2, footerY, QCoreApplication::translate("ClinicReport", "Page 1 of 1"), W / 2);

    w.font(7, false, Grey);
    const double noteH = w.lineHeight();
    QStringList notes;
    if (anyExtrapolated)
        notes << QCoreApplication::translate("Extrapolation", ExtrapolationFootnote);
    if (anyGrey)
        notes << QCoreApplication::translate("ClinicReport", WithinUncertaintyFootnote);
    notes << QCoreApplication::translate("ClinicReport", FitMethodFootnote);
    double notesY = footerY - 2 - noteH * double(notes.size());
    for (const QString &note : notes) {
        w.text(0, notesY, note, W);
        notesY += noteH;
    }
    notesY = footerY - 2 - noteH * double(notes.size());

    w.font(9, false);
    const double commentH = w.lineHeight();
    const QString comments = in.page.comments.trimmed();
    // The comments in full, up to twelve lines, under the graph.
    int commentLines = 0;
    if (!comments.isEmpty()) {
        for (const QString &part : comments.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
            commentLines += int(wrappedToWidth(surface, part, W, 12).size());
        commentLines = std::min(commentLines, 12);
    }
    w.font(11, true);
    const double commentsTop =
        notesY - 2 - (commentLines ? w.lineHeight() + commentH * commentLines : 0);
    const double graphBottom = std::max(y + 40, commentsTop - 2);
    drawGraph(w, in, y, graphBottom);
    if (commentLines) {
        section(w, commentsTop, QCoreApplication::translate("ClinicReport", "Comments"));
        w.font(9, false);
        w.paragraph(0, commentsTop + w.lineHeight() * 1.25, comments, W, commentLines);
    }
}

} // namespace kavren
