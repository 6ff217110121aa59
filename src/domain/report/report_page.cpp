// The text blocks of the report page, top to bottom: identity, comments, comparison table, input
// data, optional threshold and training zones. The graph below them is in report_graph.cpp.
#include "domain/report/report_page.h"

#include "domain/analysis/extrapolation.h"

#include "domain/report/report_graph.h"
#include "domain/drawing/axis_frame.h"
#include "domain/exercise/numeric_text.h"

namespace kavren {

namespace {

constexpr int MaxCommentLines = 7;
// A name, breed, … longer than this is split at its first blank over two lines.
constexpr int IdentityLineLength = 10;

std::optional<QColor> white() {
    return colourOfPaletteNumber(15);
}

std::optional<QColor> black() {
    return colourOfPaletteNumber(0);
}

// Text with its top-left corner at (x, y); the pen gets there by a white dot, invisible on paper.
void textAt(DrawingSurface &surface, double x, double y, const QString &text) {
    surface.point({x, y}, white());
    surface.printText(text);
}

void setText(DrawingSurface &surface, double size, bool bold) {
    surface.setFontSize(size);
    surface.setBold(bold);
}

void drawPicture(DrawingSurface &surface, const ReportInputs &in) {
    if (!in.freezeChecked && !in.picture.isNull())
        surface.picture(in.picture, {5.5, 12}, {14.5, 0});
}

void drawIdentity(DrawingSurface &surface, const ReportInputs &in) {
    const std::array<const QString *, 6> values = {&in.name, &in.breed,  &in.age,
                                                   &in.sex,  &in.stable, &in.trainer};
    const std::array<QString, 6> headings = {QStringLiteral("Name"),   QStringLiteral("Breed"),
                                             QStringLiteral("Age"),    QStringLiteral("Sex"),
                                             QStringLiteral("Stable"), QStringLiteral("Trainer")};
    setText(surface, 10, true);
    for (std::size_t i = 0; i < headings.size(); ++i)
        textAt(surface, 4 + 1.5 * double(i), 31, headings[i]);
    surface.setFontSize(8);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = 4 + 1.5 * double(i);
        const QString &text = *values[i];
        if (text.size() <= IdentityLineLength) {
            textAt(surface, x, 30, text);
            continue;
        }
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        if (blank < 0) {
            textAt(surface, x, 29, text);
            continue;
        }
        textAt(surface, x, 30, text.left(blank));
        textAt(surface, x, 29, text.mid(blank + 1));
    }
}

void drawComments(DrawingSurface &surface, const ReportInputs &in) {
    const QStringList lines = reportCommentLines(in.comments);
    for (qsizetype j = 0; j < lines.size(); ++j)
        textAt(surface, 13, 31 - 0.6 * double(j), lines[j]);
}

void drawInputData(DrawingSurface &surface, const ReportInputs &in) {
    setText(surface, 10, true);
    textAt(surface, 7, 17, QStringLiteral("Input data"));
    textAt(surface, 6, 16, QStringLiteral("Lactate"));
    textAt(surface, 7, 16, QStringLiteral("Hr"));
    textAt(surface, 8, 16, in.recovery ? QStringLiteral("Time(min)") : in.speedCaption);
    surface.setBold(false);
    for (std::size_t i = 0; i < StepRows; ++i) {
        const double y = 16 - 0.5 * double(i + 1);
        textAt(surface, 6, y, in.lactate[i]);
        textAt(surface, 7, y, in.hr[i]);
        textAt(surface, 8, y, in.speed[i]);
    }
}

void drawThresholdBox(DrawingSurface &surface, const ReportInputs &in) {
    setText(surface, 10, true);
    surface.setLineWidth(1);
    textAt(surface, 12, 17, QStringLiteral("Optional threshold"));
    surface.line({10, 16.1}, {15.5, 16.1}, black());
    surface.line({10, 16.1}, {10, 13.7}, black());
    surface.line({15.5, 16.1}, {15.5, 13.7}, black());
    surface.line({10, 13.7}, {15.5, 13.7}, black());
    textAt(surface, 11, 16, QStringLiteral("mmol/l"));
    textAt(surface, 12, 16, QStringLiteral("b/min"));
    textAt(surface, 13, 16, QStringLiteral("Speed"));
    surface.point({11, 15}, white());
    surface.setTextColour(black());
    surface.setBold(false);
    if (in.thresholdLactate.isEmpty())
        return;
    textAt(surface, 11, 15, in.thresholdLactate);
    textAt(surface, 12, 15, in.thresholdHr);
    textAt(surface, 13, 15, printedNumber(60 * readNumber(in.thresholdSpeed)));
    textAt(surface, 14, 15, QStringLiteral("meter/min"));
    textAt(surface, 13, 14.4, in.thresholdPace);
    textAt(surface, 14, 14.4, QStringLiteral("min/km"));
}

void drawTableHeadings(DrawingSurface &surface, bool recovery) {
    struct Heading {
        const char *text;
        double x;
    };
    static constexpr Heading Normal[] = {{"Date", 6}, {"V200", 8},   {"%", 8.8}, {"V2", 9.6},
                                         {"%", 10.4}, {"V4", 11.2},  {"%", 12},  {"Hr2", 12.8},
                                         {"%", 13.6}, {"Hr4", 14.4}, {"%", 15.2}};
    static constexpr Heading Recovery[] = {
        {"Date", 5}, {"La(0)", 7},   {"%", 7.6},  {"La(5)", 8},   {"%", 8.6},  {"La(10)", 9},
        {"%", 9.6},  {"La(20)", 10}, {"%", 10.6}, {"Hr(0)", 11},  {"%", 11.6}, {"Hr(5)", 12},
        {"%", 12.6}, {"Hr(10)", 13}, {"%", 13.6}, {"Hr(20)", 14}, {"%", 14.6}};
    setText(surface, recovery ? 8 : 10, true);
    if (recovery) {
        for (const Heading &h : Recovery)
            textAt(surface, h.x, 25.4, QString::fromLatin1(h.text));
    } else {
        for (const Heading &h : Normal)
            textAt(surface, h.x, 25.4, QString::fromLatin1(h.text));
    }
}

// The five indices of a speed test and their changes stand under their own headings, 0.8 apart,
// where a value like "422.2" has room before the change beside it. The recovery test's eight
// values stand one apart from x = 7 with their changes half-way between, under its headings.
constexpr std::size_t SpeedIndexColumns = 5;

double tableValueX(std::size_t column, bool recovery) {
    if (!recovery && column == 0)
        return 6;
    if (!recovery && column <= SpeedIndexColumns)
        return 8 + 1.6 * double(column - 1);
    return column == 0 ? 5 : 6 + double(column);
}

double tableChangeX(std::size_t column, bool recovery) {
    if (!recovery && column < SpeedIndexColumns)
        return 8.8 + 1.6 * double(column);
    return 7.5 + double(column);
}

void drawComparisonTable(DrawingSurface &surface, const ReportInputs &in) {
    setText(surface, 10, true);
    textAt(surface, 9, 26.4, QStringLiteral("Fixed thresholds"));
    drawTableHeadings(surface, in.recovery);
    surface.setBold(false);
    bool anyExtrapolated = false;
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r)
        for (std::size_t c = 0; c < ReportTable::ValueColumns; ++c) {
            const bool marked = in.table.extrapolated[c][r] && !in.table.values[c][r].isEmpty();
            anyExtrapolated = anyExtrapolated || marked;
            textAt(surface, tableValueX(c, in.recovery), 24.6 - 0.6 * double(r),
                   marked ? in.table.values[c][r] + QLatin1Char('*') : in.table.values[c][r]);
        }
    // A change stands on the line of the test it compares: rows 1…5.
    for (std::size_t r = 0; r < ReportTable::ChangeRows; ++r)
        for (std::size_t c = 0; c < ReportTable::ChangeColumns; ++c)
            textAt(surface, tableChangeX(c, in.recovery), 24.0 - 0.6 * double(r),
                   in.table.changes[c][r]);
    if (anyExtrapolated) {
        setText(surface, 8, false);
        textAt(surface, 6, 20.8, ExtrapolationFootnote);
    }
}

void drawTrainingZones(DrawingSurface &surface, const ReportInputs &in) {
    static constexpr const char *Names[] = {"Very light", "Light", "Moderate", "Hard", "Max"};
    setText(surface, 10, true);
    for (std::size_t i = 0; i < in.zones.size(); ++i)
        textAt(surface, 8 + 1.5 * double(i), 12, QString::fromLatin1(Names[i]));
    textAt(surface, 5.5, 12, QStringLiteral("Max hr"));
    surface.setBold(false);
    for (std::size_t i = 0; i < in.zones.size(); ++i)
        textAt(surface, 8 + 1.5 * double(i), 11.4, in.zones[i]);
    textAt(surface, 5.5, 11.4, in.maxHr);
}

} // namespace

QStringList reportCommentLines(const QString &comments) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < comments.size() && lines.size() < MaxCommentLines; ++i) {
        const QChar c = comments[i];
        if (c != u'\r' && c != u'\n') {
            current += c;
            continue;
        }
        // CR LF is one line break; a lone CR or LF is one as well.
        if (c == u'\r' && i + 1 < comments.size() && comments[i + 1] == u'\n')
            ++i;
        lines.push_back(current);
        current.clear();
    }
    if (lines.size() < MaxCommentLines)
        lines.push_back(current);
    return lines;
}

GraphScale drawReportPage(DrawingSurface &surface, const ReportInputs &inputs) {
    surface.setScale(PageScale);
    drawPicture(surface, inputs);
    drawIdentity(surface, inputs);
    drawComments(surface, inputs);
    drawInputData(surface, inputs);
    drawThresholdBox(surface, inputs);
    drawComparisonTable(surface, inputs);
    drawTrainingZones(surface, inputs);
    return drawReportGraph(surface, inputs);
}

} // namespace kavren
