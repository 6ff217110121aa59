// A drawing surface that draws nothing and keeps every step it receives, with its position,
// colour, width and pattern, so that tests can check what a drawing procedure drew.
#pragma once

#include "domain/drawing/drawing_surface.h"

#include <QImage>

#include <vector>

namespace kavren {

class RecordingSurface : public DrawingSurface {
public:
    // The device area only matters for the map and for how far a printed text moves the pen.
    explicit RecordingSurface(const QRectF &deviceArea = QRectF(0, 0, 1100, 600));

    const std::vector<SurfaceStep> &steps() const { return m_steps; }
    void forget() { m_steps.clear(); }

    // The steps of one kind, in drawing order.
    std::vector<SurfaceStep> stepsOf(SurfaceStep::Kind kind) const;
    // The printed texts, in order.
    std::vector<SurfaceStep> texts() const { return stepsOf(SurfaceStep::Kind::Text); }
    // Measures texts from now on as a device of this many dots per inch would (the default font
    // in the step's size and weight); without this texts measure 0 wide.
    void measureTextsAt(double dotsPerInch);
    // The device rectangle the ink of a recorded text covers when texts are measured.
    QRectF textBox(const SurfaceStep &text) const;

    // The first printed step whose text equals this one after trimming blanks; null when none.
    const SurfaceStep *findText(const QString &trimmedText) const;

protected:
    void draw(const SurfaceStep &step) override;
    double textAdvance(const QString &text, double fontSize, bool bold) const override;
    double textLineHeight(double fontSize, bool bold) const override;

private:
    std::vector<SurfaceStep> m_steps;
    QImage m_metricsDevice; // null: texts are not measured
};

} // namespace kavren
