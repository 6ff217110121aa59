// Texts of a printed page kept inside the room they have: a text fitted to a width is cut with an
// ellipsis only when it cannot be shown whole, and a longer text is wrapped at its blanks over as
// many lines as its block has. Widths are in x units of the surface's scale and measured in its
// current text size and weight; a surface that cannot measure text gets every text as it is.
#pragma once

#include "domain/drawing/drawing_surface.h"

#include <QString>
#include <QStringList>

namespace kavren {

// The text whole when it fits into room; otherwise its longest beginning that fits with "…"
// after it (empty when not even that fits).
QString fittedToWidth(const DrawingSurface &surface, const QString &text, double room);

// The text as lines no wider than room, broken at blanks (a word wider than room is broken
// inside). At most maxLines lines: when text is left over, the last line ends with "…".
QStringList wrappedToWidth(const DrawingSurface &surface, const QString &text, double room,
                           int maxLines);

} // namespace kavren
