// The history chart's geometry as values, and the thin step that puts it on a surface.
#include "domain/drawing/history_chart.h"

#include "domain/analysis/index_intervals.h"
#include "domain/exercise/numeric_text.h"

#include <QImage>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace kavren {

namespace {

constexpr qint64 MsecsPerDay = 24LL * 60 * 60 * 1000;
// Room a value tick and a date label need, in the chart's pixels.
constexpr double ValueTickSpacing = 32;
constexpr double DateLabelSpacing = 90;
constexpr double WhiskerCap = 4;
constexpr double PointRadius = 3.5;

// A range of values with the places it maps to (y grows downwards on the chart).
struct Axis {
    double low = 0, high = 1; // value range
    double from = 0, to = 1;  // pixel positions of low and high
    double at(double value) const { return from + (value - low) / (high - low) * (to - from); }
};

QString unitOf(const HistoryChartInput &input) {
    return input.speedIndex ? disciplineSpeedUnit(input.discipline) : QStringLiteral("b/min");
}

// A value tick in the unit's own notation: a pace per km as minutes:seconds.
QString valueLabel(const HistoryChartInput &input, double value) {
    if (input.speedIndex && disciplineSpeedUnit(input.discipline) == u"min/km") {
        const double seconds = roundHalfEven(value);
        const double minutes = intFloor(seconds / 60);
        const double rest = seconds - minutes * 60;
        return writeNumber(minutes) + (rest < 10 ? QStringLiteral(":0") : QStringLiteral(":")) +
               writeNumber(rest);
    }
    return writeNumber(value);
}

// The smallest step of 1, 2 or 5 times a power of ten (for seconds per km also 15 and 30 s and
// whole minutes) that gives no more than maxTicks ticks over the span.
double valueStep(double span, int maxTicks, bool seconds) {
    if (seconds)
        for (double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0})
            if (span / step <= maxTicks)
                return step;
    double power = std::pow(10.0, std::floor(std::log10(span / maxTicks)));
    for (;; power *= 10)
        for (double factor : {1.0, 2.0, 5.0})
            if (span / (factor * power) <= maxTicks)
                return factor * power;
}

std::vector<HistoryChartTick> valueTicks(const HistoryChartInput &input, const Axis &axis,
                                         double height) {
    const int maxTicks = std::max(2, int(height / ValueTickSpacing));
    const double step =
        valueStep(axis.high - axis.low, maxTicks,
                  input.speedIndex && disciplineSpeedUnit(input.discipline) == u"min/km");
    std::vector<HistoryChartTick> ticks;
    // Counted, not stepped: far from zero a double may not change by one more step.
    const double first = std::ceil(axis.low / step);
    for (int i = 0; i <= maxTicks; ++i) {
        const double value = (first + i) * step;
        if (value > axis.high)
            break;
        ticks.push_back({axis.at(value), valueLabel(input, value)});
    }
    return ticks;
}

// Date ticks fall on whole days, or on the first of a month, counted in steps from a fixed start
// so that they do not move as the range changes.
struct DateStep {
    int days = 0;   // a step of days, or
    int months = 0; // a step of months
};

QDateTime tickMoment(const QDate &date, const QDateTime &like) {
    return QDateTime(date, QTime(0, 0), like.timeZone());
}

// At most limit + 1 ticks: more are of no use, and centuries of days would take long.
std::vector<QDateTime> dateTicksOf(const DateStep &step, const QDateTime &first,
                                   const QDateTime &last, std::size_t limit) {
    std::vector<QDateTime> ticks;
    if (step.days > 0) {
        const qint64 firstDay = first.date().toJulianDay();
        for (qint64 day = firstDay + (step.days - firstDay % step.days) % step.days;;
             day += step.days) {
            const QDateTime at = tickMoment(QDate::fromJulianDay(day), first);
            if (at > last || ticks.size() > limit)
                break;
            if (at >= first)
                ticks.push_back(at);
        }
        return ticks;
    }
    const QDate start = first.date();
    int month = start.year() * 12 + start.month() - 1;
    month += (step.months - month % step.months) % step.months;
    for (;; month += step.months) {
        const QDateTime at = tickMoment(QDate(month / 12, month % 12 + 1, 1), first);
        if (at > last || ticks.size() > limit)
            break;
        if (at >= first)
            ticks.push_back(at);
    }
    return ticks;
}

std::vector<HistoryChartTick> dateTicks(const QDateTime &first, const QDateTime &last,
                                        const Axis &axis, double width) {
    static constexpr DateStep Steps[] = {{1, 0},  {2, 0},   {7, 0},   {14, 0}, {0, 1},
                                         {0, 2},  {0, 3},   {0, 6},   {0, 12}, {0, 24},
                                         {0, 60}, {0, 120}, {0, 240}, {0, 600}};
    const auto maxTicks = std::size_t(std::max(2, int(width / DateLabelSpacing)));
    for (const DateStep &step : Steps) {
        const std::vector<QDateTime> moments = dateTicksOf(step, first, last, maxTicks);
        if (moments.size() > maxTicks)
            continue;
        const QString format = step.days > 0      ? QStringLiteral("yyyy-MM-dd")
                               : step.months < 12 ? QStringLiteral("yyyy-MM")
                                                  : QStringLiteral("yyyy");
        std::vector<HistoryChartTick> ticks;
        for (const QDateTime &at : moments)
            ticks.push_back({axis.at(double(at.toMSecsSinceEpoch())), at.toString(format)});
        return ticks;
    }
    return {};
}

// The value range: the tests' values and the band, widened for the whiskers by no more than the
// values' own span (a very wide interval would flatten every point), with a margin of 5 %.
std::pair<double, double> valueRange(const std::vector<double> &core,
                                     const std::vector<double> &whiskerEnds) {
    const auto [lowIt, highIt] = std::minmax_element(core.begin(), core.end());
    double low = *lowIt, high = *highIt;
    const double span = high > low ? high - low : std::max(std::abs(high) * 0.1, 1.0);
    const double coreLow = low, coreHigh = high;
    for (double end : whiskerEnds) {
        low = std::min(low, std::max(end, coreLow - span));
        high = std::max(high, std::min(end, coreHigh + span));
    }
    const double margin = high > low ? (high - low) * 0.05 : span / 2;
    return {low - margin, high + margin};
}

} // namespace

bool historyChartShowsPace(const HistoryChartInput &input) {
    if (!input.speedIndex)
        return false;
    const QString unit = disciplineSpeedUnit(input.discipline);
    return unit == u"min/km" || unit == u"s/200 m";
}

std::optional<double> historyChartValue(const HistoryChartInput &input, double value) {
    if (!std::isfinite(value) || (input.speedIndex && !(value > 0)))
        return std::nullopt;
    double shown = value;
    if (input.speedIndex) {
        const QString unit = disciplineSpeedUnit(input.discipline);
        if (unit == u"min/km")
            shown = 1000 / value;
        else if (unit == u"s/200 m")
            shown = 200 / value;
        else if (unit == u"km/h")
            shown = value * 3.6;
        else if (unit == u"m/min")
            shown = value * 60;
    }
    // A speed too slow for its pace to be held in a double is no value to draw.
    return std::isfinite(shown) ? std::optional(shown) : std::nullopt;
}

HistoryChart historyChart(const HistoryChartInput &input, QSizeF size) {
    HistoryChart chart;
    chart.size = size;
    chart.plotArea = QRectF(HistoryChartLeftMargin, HistoryChartTopMargin,
                            size.width() - HistoryChartLeftMargin - HistoryChartRightMargin,
                            size.height() - HistoryChartTopMargin - HistoryChartBottomMargin);
    chart.title = QStringLiteral("%1 (%2)").arg(input.indexName, unitOf(input));

    struct Drawn {
        const HistorySample *sample;
        double value;
    };
    std::vector<Drawn> drawn;
    std::vector<double> core, whiskerEnds;
    for (const HistorySample &sample : input.samples) {
        const auto value = sample.value ? historyChartValue(input, *sample.value) : std::nullopt;
        if (!value || !sample.when.isValid())
            continue;
        drawn.push_back({&sample, *value});
        core.push_back(*value);
        for (const auto &bound : {sample.lower, sample.upper})
            if (const auto end = bound ? historyChartValue(input, *bound) : std::nullopt)
                whiskerEnds.push_back(*end);
    }
    std::optional<std::array<double, 3>> band;
    if (input.band.shown()) {
        const auto p10 = historyChartValue(input, *input.band.p10);
        const auto median = historyChartValue(input, *input.band.median);
        const auto p90 = historyChartValue(input, *input.band.p90);
        if (p10 && median && p90) {
            band = std::array<double, 3>{*p10, *median, *p90};
            core.insert(core.end(), band->begin(), band->end());
        }
    }
    if (drawn.empty() || chart.plotArea.width() <= 0 || chart.plotArea.height() <= 0)
        return chart;
    std::stable_sort(drawn.begin(), drawn.end(), [](const Drawn &a, const Drawn &b) {
        return a.sample->when < b.sample->when;
    });

    const QRectF &area = chart.plotArea;
    const auto [low, high] = valueRange(core, whiskerEnds);
    // Faster is higher: a pace's smallest value at the top, any other value's largest.
    const bool pace = historyChartShowsPace(input);
    const Axis values{low, high, pace ? area.top() : area.bottom(),
                      pace ? area.bottom() : area.top()};

    const QDateTime &first = drawn.front().sample->when;
    const QDateTime &last = drawn.back().sample->when;
    const qint64 spanMs = first.msecsTo(last);
    const double marginMs = spanMs > 0 ? double(spanMs) * 0.05 : double(MsecsPerDay);
    const Axis dates{double(first.toMSecsSinceEpoch()) - marginMs,
                     double(last.toMSecsSinceEpoch()) + marginMs, area.left(), area.right()};

    chart.valueTicks = valueTicks(input, values, area.height());
    chart.dateTicks = dateTicks(first.addMSecs(-qint64(marginMs)), last.addMSecs(qint64(marginMs)),
                                dates, area.width());
    for (const Drawn &d : drawn) {
        HistoryChartPoint point;
        point.rowId = d.sample->rowId;
        point.at =
            QPointF(dates.at(double(d.sample->when.toMSecsSinceEpoch())), values.at(d.value));
        const auto lower =
            d.sample->lower ? historyChartValue(input, *d.sample->lower) : std::nullopt;
        const auto upper =
            d.sample->upper ? historyChartValue(input, *d.sample->upper) : std::nullopt;
        if (lower && upper)
            point.whisker =
                QLineF(point.at.x(), values.at(*lower), point.at.x(), values.at(*upper));
        chart.points.push_back(point);
    }
    if (band)
        chart.band =
            HistoryChartBand{values.at((*band)[0]), values.at((*band)[1]), values.at((*band)[2])};
    return chart;
}

std::optional<qint64> historyChartHit(const HistoryChart &chart, QPointF at) {
    std::optional<qint64> hit;
    double nearest = HistoryChartHitRadius;
    for (const HistoryChartPoint &point : chart.points) {
        const double distance = QLineF(point.at, at).length();
        if (distance <= nearest) {
            nearest = distance;
            hit = point.rowId;
        }
    }
    return hit;
}

namespace {

const QColor AxisColour(0, 0, 0);
const QColor GridColour(210, 210, 210);
const QColor BandColour(205, 225, 245);
const QColor MedianColour(70, 110, 160);
const QColor SeriesColour(20, 60, 140);

void drawBand(DrawingSurface &surface, const HistoryChart &chart) {
    if (!chart.band)
        return;
    const QRectF &area = chart.plotArea;
    QImage fill(1, 1, QImage::Format_ARGB32);
    fill.fill(BandColour);
    surface.picture(fill, QPointF(area.left(), chart.band->p10Y),
                    QPointF(area.right(), chart.band->p90Y));
    surface.setLineWidth(2);
    surface.line(QPointF(area.left(), chart.band->medianY),
                 QPointF(area.right(), chart.band->medianY), MedianColour);
}

void drawAxes(DrawingSurface &surface, const HistoryChart &chart) {
    const QRectF &area = chart.plotArea;
    surface.setLineWidth(1);
    surface.setTextColour(AxisColour);
    surface.setFontSize(8);
    surface.setLineStyle(LineStyle::Dotted);
    for (const HistoryChartTick &tick : chart.valueTicks)
        surface.line(QPointF(area.left(), tick.position), QPointF(area.right(), tick.position),
                     GridColour);
    surface.setLineStyle(LineStyle::Solid);
    surface.line(area.topLeft(), area.bottomLeft(), AxisColour);
    surface.line(area.bottomLeft(), area.bottomRight(), AxisColour);
    for (const HistoryChartTick &tick : chart.valueTicks) {
        surface.line(QPointF(area.left() - 4, tick.position), QPointF(area.left(), tick.position),
                     AxisColour);
        surface.moveTo(QPointF(area.left() - 6 - surface.textWidth(tick.label), tick.position - 7));
        surface.printText(tick.label);
    }
    for (const HistoryChartTick &tick : chart.dateTicks) {
        surface.line(QPointF(tick.position, area.bottom()),
                     QPointF(tick.position, area.bottom() + 4), AxisColour);
        surface.moveTo(
            QPointF(tick.position - surface.textWidth(tick.label) / 2, area.bottom() + 6));
        surface.printText(tick.label);
    }
    surface.setBold(true);
    surface.moveTo(QPointF(area.left(), 4));
    surface.printText(chart.title);
    surface.setBold(false);
}

void drawSeries(DrawingSurface &surface, const HistoryChart &chart) {
    surface.setLineWidth(1);
    for (std::size_t i = 1; i < chart.points.size(); ++i)
        surface.line(chart.points[i - 1].at, chart.points[i].at, SeriesColour);
    for (const HistoryChartPoint &point : chart.points) {
        if (!point.whisker)
            continue;
        const QLineF &w = *point.whisker;
        surface.line(w.p1(), w.p2(), SeriesColour);
        for (const QPointF &end : {w.p1(), w.p2()})
            surface.line(QPointF(end.x() - WhiskerCap, end.y()),
                         QPointF(end.x() + WhiskerCap, end.y()), SeriesColour);
    }
    surface.setFillPattern(FillPattern::Solid);
    surface.setFillColour(SeriesColour);
    for (const HistoryChartPoint &point : chart.points)
        surface.circle(point.at, PointRadius, SeriesColour);
    surface.setFillPattern(FillPattern::Transparent);
}

} // namespace

void drawHistoryChart(DrawingSurface &surface, const HistoryChart &chart) {
    if (chart.size.width() <= 0 || chart.size.height() <= 0)
        return;
    surface.setScale(0, 0, chart.size.width(), chart.size.height());
    drawBand(surface, chart);
    drawAxes(surface, chart);
    const ClipScope clip(surface, chart.plotArea);
    drawSeries(surface, chart);
}

} // namespace kavren
