// The text blocks of the report page, top to bottom: identity, comments, comparison table, input
// data, optional threshold and training zones. The graph below them is in report_graph.cpp.
#include "domain/report/report_page.h"

#include "domain/analysis/extrapolation.h"

#include "domain/report/page_text.h"
#include "domain/report/report_graph.h"
#include "domain/drawing/axis_frame.h"
#include "domain/exercise/numeric_text.h"

#include <QCoreApplication>

namespace kavren {

namespace {

constexpr int MaxCommentLines = 7;
// A name, breed, … longer than this is split at its first blank over two lines.
constexpr int IdentityLineLength = 10;
// The right edge of the text blocks, and the space kept between a text and the next column.
constexpr double PageRight = 16;
constexpr double ColumnGap = 0.1;
// Identity values take the lines y = 30, 29 and, when a value needs it, 28.
constexpr double IdentityTopLine = 30;
constexpr int IdentityLines = 3;
// Headings and cells that are too wide for their column are printed smaller, down to this size.
constexpr double SmallestSize = 6;

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

// Text in a column that ends at right: in the current size when it fits; otherwise (a table cell
// first without the blanks around its number) in a smaller size down to 6 points, and only when
// even that is too wide cut with "…". The size in force stays as it was.
void fittedAt(DrawingSurface &surface, double x, double right, double y, QString text, bool cell) {
    const double room = right - ColumnGap - x;
    const double size = surface.fontSize();
    if (cell && surface.textWidth(text) > room)
        text = text.trimmed();
    for (double smaller = size - 0.5; surface.textWidth(text) > room && smaller >= SmallestSize;
         smaller -= 0.5)
        surface.setFontSize(smaller);
    textAt(surface, x, y, fittedToWidth(surface, text, room));
    surface.setFontSize(size);
}

void textIn(DrawingSurface &surface, double x, double right, double y, const QString &text) {
    fittedAt(surface, x, right, y, text, false);
}

void cellIn(DrawingSurface &surface, double x, double right, double y, const QString &text) {
    fittedAt(surface, x, right, y, text, true);
}

void setText(DrawingSurface &surface, double size, bool bold) {
    surface.setFontSize(size);
    surface.setBold(bold);
}

void drawPicture(DrawingSurface &surface, const ReportInputs &in) {
    if (!in.freezeChecked && !in.picture.isNull())
        surface.picture(in.picture, {5.5, 12}, {14.5, 0});
}

// An identity value in its column: up to ten characters on the line y = 30; a longer value's
// first word there and the rest from y = 29 on (without a blank, all of it from y = 29). A line
// wider than the column goes on over the next line, down to y = 28.
void drawIdentityValue(DrawingSurface &surface, double x, double room, const QString &text) {
    QStringList parts{text};
    double y = IdentityTopLine;
    if (text.size() > IdentityLineLength) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        if (blank < 0)
            y -= 1;
        else
            parts = QStringList{text.left(blank), text.mid(blank + 1)};
    }
    const double lastLine = IdentityTopLine - (IdentityLines - 1);
    for (const QString &part : parts) {
        const int left = int(y - lastLine) + 1;
        for (const QString &line : wrappedToWidth(surface, part, room, left)) {
            textAt(surface, x, y, line);
            y -= 1;
        }
    }
}

void drawIdentity(DrawingSurface &surface, const ReportInputs &in) {
    const std::array<const QString *, 6> values = {&in.name, &in.breed,  &in.age,
                                                   &in.sex,  &in.stable, &in.trainer};
    const std::array<QString, 6> headings = {QCoreApplication::translate("ReportPage", "Name"),
                                             QCoreApplication::translate("ReportPage", "Breed"),
                                             QCoreApplication::translate("ReportPage", "Age"),
                                             QCoreApplication::translate("ReportPage", "Sex"),
                                             QCoreApplication::translate("ReportPage", "Stable"),
                                             QCoreApplication::translate("ReportPage", "Trainer")};
    // Six columns 1.5 wide from x = 4; the comments begin where the last one ends.
    const auto columnX = [](std::size_t i) { return 4 + 1.5 * double(i); };
    setText(surface, 10, true);
    for (std::size_t i = 0; i < headings.size(); ++i)
        textIn(surface, columnX(i), columnX(i + 1), 31, headings[i]);
    surface.setFontSize(8);
    for (std::size_t i = 0; i < values.size(); ++i)
        drawIdentityValue(surface, columnX(i), columnX(i + 1) - ColumnGap - columnX(i), *values[i]);
}

// The comment's lines from x = 13 to the right edge, each wrapped over further lines where it is
// wider; the seven lines from y = 31 down to 27.4 hold what fits, the last one ending in "…" when
// more is left.
void drawComments(DrawingSurface &surface, const ReportInputs &in) {
    const QStringList lines = reportCommentLines(in.comments);
    const double room = PageRight - ColumnGap - 13;
    int row = 0;
    for (const QString &line : lines) {
        const QStringList wrapped = wrappedToWidth(surface, line, room, MaxCommentLines - row);
        for (const QString &part : wrapped)
            textAt(surface, 13, 31 - 0.6 * double(row++), part);
        if (row >= MaxCommentLines)
            break;
    }
}

void drawInputData(DrawingSurface &surface, const ReportInputs &in) {
    // Columns at x = 6, 7 and 8; the last one reaches to the threshold box at x = 10.
    static constexpr double Right[] = {7, 8, 10};
    setText(surface, 10, true);
    textAt(surface, 7, 17, QCoreApplication::translate("ReportPage", "Input data"));
    textIn(surface, 6, Right[0], 16, QCoreApplication::translate("ReportPage", "Lactate"));
    textIn(surface, 7, Right[1], 16, QCoreApplication::translate("ReportPage", "Hr"));
    textIn(surface, 8, Right[2], 16,
           in.recovery ? QCoreApplication::translate("ReportPage", "Time(min)") : in.speedCaption);
    surface.setBold(false);
    for (std::size_t i = 0; i < StepRows; ++i) {
        const double y = 16 - 0.5 * double(i + 1);
        cellIn(surface, 6, Right[0], y, in.lactate[i]);
        cellIn(surface, 7, Right[1], y, in.hr[i]);
        cellIn(surface, 8, Right[2], y, in.speed[i]);
    }
}

void drawThresholdBox(DrawingSurface &surface, const ReportInputs &in) {
    setText(surface, 10, true);
    surface.setLineWidth(1);
    textIn(surface, 12, PageRight, 17,
           QCoreApplication::translate("ReportPage", "Optional threshold"));
    surface.line({10, 16.1}, {15.5, 16.1}, black());
    surface.line({10, 16.1}, {10, 13.7}, black());
    surface.line({15.5, 16.1}, {15.5, 13.7}, black());
    surface.line({10, 13.7}, {15.5, 13.7}, black());
    textIn(surface, 11, 12, 16, QCoreApplication::translate("ReportPage", "mmol/l"));
    textIn(surface, 12, 13, 16, QCoreApplication::translate("ReportPage", "b/min"));
    textIn(surface, 13, 14, 16, QCoreApplication::translate("ReportPage", "Speed"));
    surface.point({11, 15}, white());
    surface.setTextColour(black());
    surface.setBold(false);
    if (in.thresholdLactate.isEmpty())
        return;
    // Columns one wide inside the frame, whose right side is at x = 15.5.
    cellIn(surface, 11, 12, 15, in.thresholdLactate);
    cellIn(surface, 12, 13, 15, in.thresholdHr);
    cellIn(surface, 13, 14, 15, printedNumber(60 * readNumber(in.thresholdSpeed)));
    textIn(surface, 14, 15.5, 15, QCoreApplication::translate("ReportPage", "meter/min"));
    cellIn(surface, 13, 14, 14.4, in.thresholdPace);
    textIn(surface, 14, 15.5, 14.4, QCoreApplication::translate("ReportPage", "min/km"));
}

void drawTableHeadings(DrawingSurface &surface, bool recovery) {
    struct Heading {
        const char *text;
        double x;
    };
    static constexpr Heading Normal[] = {{QT_TRANSLATE_NOOP("ReportPage", "Date"), 6},
                                         {"V200", 8},
                                         {"%", 8.8},
                                         {"V2", 9.6},
                                         {"%", 10.4},
                                         {"V4", 11.2},
                                         {"%", 12},
                                         {"Hr2", 12.8},
                                         {"%", 13.6},
                                         {"Hr4", 14.4},
                                         {"%", 15.2}};
    static constexpr Heading Recovery[] = {{QT_TRANSLATE_NOOP("ReportPage", "Date"), 5},
                                           {"La(0)", 7},
                                           {"%", 7.6},
                                           {"La(5)", 8},
                                           {"%", 8.6},
                                           {"La(10)", 9},
                                           {"%", 9.6},
                                           {"La(20)", 10},
                                           {"%", 10.6},
                                           {"Hr(0)", 11},
                                           {"%", 11.6},
                                           {"Hr(5)", 12},
                                           {"%", 12.6},
                                           {"Hr(10)", 13},
                                           {"%", 13.6},
                                           {"Hr(20)", 14},
                                           {"%", 14.6}};
    setText(surface, recovery ? 8 : 10, true);
    // Each heading reaches to the next one; the last one to the right edge.
    const auto drawAll = [&surface](const auto &headings) {
        const std::size_t count = std::size(headings);
        for (std::size_t i = 0; i < count; ++i)
            textIn(surface, headings[i].x, i + 1 < count ? headings[i + 1].x : PageRight, 25.4,
                   QCoreApplication::translate("ReportPage", headings[i].text));
    };
    if (recovery)
        drawAll(Recovery);
    else
        drawAll(Normal);
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

// Where a value's room ends: at its change beside it (the date at the first value).
double tableValueRight(std::size_t column, bool recovery) {
    if (column == 0)
        return tableValueX(1, recovery);
    return tableChangeX(column - 1, recovery);
}

// Where a change's room ends: at the next value, the last change at the right edge.
double tableChangeRight(std::size_t column, bool recovery) {
    const std::size_t last = recovery ? ReportTable::ChangeColumns - 1 : SpeedIndexColumns - 1;
    if (column >= last)
        return PageRight;
    return tableValueX(column + 2, recovery);
}

// The date of a compared test, with its time only where the whole fits before the next column.
QString dateCell(const DrawingSurface &surface, const QString &text, double room) {
    if (surface.textWidth(text) <= room)
        return text;
    return text.trimmed().section(QLatin1Char(' '), 0, 0);
}

void drawComparisonTable(DrawingSurface &surface, const ReportInputs &in) {
    setText(surface, 10, true);
    textAt(surface, 9, 26.4, QCoreApplication::translate("ReportPage", "Fixed thresholds"));
    drawTableHeadings(surface, in.recovery);
    surface.setBold(false);
    bool anyExtrapolated = false;
    // A speed test's table has the date and five indices; the recovery columns beyond them have
    // no heading there and would print over the indices' changes.
    const std::size_t valueColumns =
        in.recovery ? ReportTable::ValueColumns : SpeedIndexColumns + 1;
    const std::size_t changeColumns = in.recovery ? ReportTable::ChangeColumns : SpeedIndexColumns;
    for (std::size_t r = 0; r < ReportTable::ValueRows; ++r)
        for (std::size_t c = 0; c < valueColumns; ++c) {
            const bool marked = in.table.extrapolated[c][r] && !in.table.values[c][r].isEmpty();
            anyExtrapolated = anyExtrapolated || marked;
            const double x = tableValueX(c, in.recovery);
            const double right = tableValueRight(c, in.recovery);
            QString text =
                marked ? in.table.values[c][r] + QLatin1Char('*') : in.table.values[c][r];
            if (c == 0)
                text = dateCell(surface, text, right - ColumnGap - x);
            cellIn(surface, x, right, 24.6 - 0.6 * double(r), text);
        }
    // A change stands on the line of the test it compares: rows 1…5.
    for (std::size_t r = 0; r < ReportTable::ChangeRows; ++r)
        for (std::size_t c = 0; c < changeColumns; ++c)
            cellIn(surface, tableChangeX(c, in.recovery), tableChangeRight(c, in.recovery),
                   24.0 - 0.6 * double(r), in.table.changes[c][r]);
    if (anyExtrapolated) {
        setText(surface, 8, false);
        textIn(surface, 6, PageRight, 20.8,
               QCoreApplication::translate("Extrapolation", ExtrapolationFootnote));
    }
}

void drawTrainingZones(DrawingSurface &surface, const ReportInputs &in) {
    static constexpr const char *Names[] = {
        QT_TRANSLATE_NOOP("ReportPage", "Very light"), QT_TRANSLATE_NOOP("ReportPage", "Light"),
        QT_TRANSLATE_NOOP("ReportPage", "Moderate"), QT_TRANSLATE_NOOP("ReportPage", "Hard"),
        QT_TRANSLATE_NOOP("ReportPage", "Max")};
    setText(surface, 10, true);
    // Zones 1.5 apart from x = 8, the last one to the right edge; "Max hr" before them.
    const auto zoneX = [](std::size_t i) { return 8 + 1.5 * double(i); };
    const auto zoneRight = [&](std::size_t i) {
        return i + 1 < in.zones.size() ? zoneX(i + 1) : PageRight;
    };
    for (std::size_t i = 0; i < in.zones.size(); ++i)
        textIn(surface, zoneX(i), zoneRight(i), 12,
               QCoreApplication::translate("ReportPage", Names[i]));
    textIn(surface, 5.5, zoneX(0), 12, QCoreApplication::translate("ReportPage", "Max hr"));
    surface.setBold(false);
    for (std::size_t i = 0; i < in.zones.size(); ++i)
        cellIn(surface, zoneX(i), zoneRight(i), 11.4, in.zones[i]);
    cellIn(surface, 5.5, zoneX(0), 11.4, in.maxHr);
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
