#!/usr/bin/python3
"""Writes threshold_methods_expected.inc beside this script: the Dmax and log-log breakpoint of a
few step series, computed with numpy independently of the program, for the threshold-method tests.
Run once after changing the series; the build never runs it.

Dmax (Cheng et al. 1992): numpy.polyfit of order 3 of lactate on speed; the point between the
first and last speed farthest from the line joining the first and last measured points, found on a
fine grid and refined by the roots of the derivative. The series are chosen so that an order-2
polynomial gives a different speed (printed in the comments).

Log-log breakpoint (Beaver et al. 1985): every split into two runs of at least two steps, a
numpy.polyfit line of ln lactate on ln speed for each, the split with the least residual sum of
squares, and the speed where its lines cross.  (The crossing is the same for any logarithm base;
the slopes are not, and are written too.)
"""
import os
import numpy as np

SERIES = [
    ("six steps", [5, 6, 7, 8, 9, 10], [0.9, 1.1, 1.6, 2.6, 4.4, 7.9]),
    ("five steps", [4.5, 5.5, 6.5, 7.5, 8.5], [1.2, 1.3, 1.9, 3.5, 6.8]),
    ("four steps", [6, 7, 8, 9], [1.0, 1.4, 2.9, 6.0]),
    ("late rise", [5, 6, 7, 8, 9, 10], [1.5, 1.4, 1.5, 1.7, 3.1, 6.5]),
]


def dmax(x, y, order=3):
    x = np.asarray(x, float)
    y = np.asarray(y, float)
    p = np.poly1d(np.polyfit(x, y, order))
    slope = (y[-1] - y[0]) / (x[-1] - x[0])
    def distance(u):
        return np.abs(p(u) - (y[0] + slope * (u - x[0])))
    grid = np.linspace(x[0], x[-1], 400001)[1:-1]
    coarse = grid[np.argmax(distance(grid))]
    roots = [r.real for r in (p.deriv() - np.poly1d([slope])).roots
             if abs(r.imag) < 1e-12 and x[0] < r.real < x[-1]]
    best = min(roots, key=lambda r: abs(r - coarse))
    assert abs(best - coarse) < 1e-3
    return best, p(best)


def loglog(x, y):
    lx = np.log(np.asarray(x, float))
    ly = np.log(np.asarray(y, float))
    best = None
    for split in range(2, len(lx) - 1):
        rss = 0.0
        lines = []
        for part in (slice(0, split), slice(split, None)):
            b, a = np.polyfit(lx[part], ly[part], 1)
            rss += float(np.sum((ly[part] - (a + b * lx[part])) ** 2))
            lines.append((a, b))
        if best is None or rss < best[0]:
            best = (rss, lines, split)
    _, ((a1, b1), (a2, b2)), split = best
    crossing = (a2 - a1) / (b1 - b2)
    return np.exp(crossing), np.exp(a1 + b1 * crossing), split, b1, b2


def main():
    lines = ["// Written by threshold_methods_expected.py with numpy; do not edit.",
             "// {name, speeds, lactates, Dmax speed, Dmax lactate, log-log speed, log-log lactate}"]
    for name, x, y in SERIES:
        ds, dl = dmax(x, y)
        qs, _ = dmax(x, y, order=2)
        ls, ll, split, b1, b2 = loglog(x, y)
        lines.append(f"// {name}: order 2 would put Dmax at {qs:.6f}; log-log split after step "
                     f"{split}, slopes {b1:.6f} and {b2:.6f}")
        lines.append("{\"%s\", {%s}, {%s}, %.9f, %.9f, %.9f, %.9f}," % (
            name, ", ".join(repr(float(v)) for v in x), ", ".join(repr(float(v)) for v in y),
            ds, dl, ls, ll))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        "threshold_methods_expected.inc")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
