// Fitting and wrapping measure as few texts as they can: the cut of a long text is found by
// halving the length, so that a field of ten thousand characters costs a few measurements.
#include "domain/report/page_text.h"

namespace kavren {

namespace {

const QString Ellipsis = QStringLiteral("\u2026");

bool fits(const DrawingSurface &surface, const QString &text, double room) {
    return surface.textWidth(text) <= room;
}

// The longest length n ≥ 0 for which fits(make(n)); make(0) is assumed to fit unless checked.
template <typename Make>
qsizetype longestFitting(const DrawingSurface &surface, qsizetype length, double room,
                         Make &&make) {
    qsizetype low = 0, high = length;
    while (low < high) {
        const qsizetype middle = low + (high - low + 1) / 2;
        if (fits(surface, make(middle), room))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

QString withEllipsis(const DrawingSurface &surface, const QString &text, double room) {
    if (!fits(surface, Ellipsis, room))
        return {};
    const qsizetype n = longestFitting(surface, text.size(), room,
                                       [&](qsizetype m) { return text.left(m) + Ellipsis; });
    return text.left(n).trimmed() + Ellipsis;
}

} // namespace

QString fittedToWidth(const DrawingSurface &surface, const QString &text, double room) {
    if (fits(surface, text, room))
        return text;
    return withEllipsis(surface, text, room);
}

QStringList wrappedToWidth(const DrawingSurface &surface, const QString &text, double room,
                           int maxLines) {
    QStringList lines;
    if (maxLines <= 0)
        return lines;
    if (fits(surface, text, room))
        return {text};
    const QStringList words = text.split(QLatin1Char(' '));
    QString current;
    bool leftOver = false;
    for (qsizetype w = 0; w < words.size() && !leftOver; ++w) {
        const QString candidate = current.isEmpty() ? words[w] : current + u' ' + words[w];
        if (fits(surface, candidate, room)) {
            current = candidate;
            continue;
        }
        if (!current.isEmpty())
            lines.push_back(current);
        current = words[w];
        // A word wider than the room is broken where the room ends (at least one character).
        while (!fits(surface, current, room) && lines.size() < maxLines) {
            const qsizetype n = std::max<qsizetype>(
                1, longestFitting(surface, current.size(), room,
                                  [&](qsizetype m) { return current.left(m); }));
            lines.push_back(current.left(n));
            current = current.mid(n);
        }
        leftOver = lines.size() >= maxLines && (!current.isEmpty() || w + 1 < words.size());
    }
    if (!leftOver && !current.isEmpty())
        lines.push_back(current);
    if (lines.size() > maxLines) {
        leftOver = true;
        lines.resize(maxLines);
    }
    if (leftOver && !lines.isEmpty())
        lines.back() = withEllipsis(surface, lines.back(), room);
    return lines;
}

} // namespace kavren
