// The QPainter back end of plot descriptions, for documents (the PDF
// report): a framed axes box with a grid and tick labels at 1, 2 or 5 times a
// power of ten (or the axis's fixed step), the axis titles, the curves, the
// markers, and a legend under the axes naming each curve and marker, then
// the notes.
#pragma once

#include <QPainter>
#include <QRectF>

#include "plot/plot_description.h"

namespace tavro::plot {

// The height in millimetres the legend of `plot` takes under the axes of a
// frame `width` device units wide (in two columns where its entries fit).
double LegendHeight(const QPainter& painter, const PlotDescription& plot, double width,
                    double perMm);

// Draws `plot` (without its title) into `frame`, in device units of which
// `perMm` make a millimetre; numbers with `separator`. The legend takes
// LegendHeight at the bottom of the frame.
void PaintPlot(QPainter& painter, const QRectF& frame, double perMm, const PlotDescription& plot,
               char separator);

}  // namespace tavro::plot
