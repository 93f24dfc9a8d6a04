// The design's two plots as descriptions (plot/plot_description.h), the same
// for the windows and the PDF report: the load characteristic and the
// current of one diode over a mains period, with their texts in the language
// in use and numbers in the given decimal separator.
#pragma once

#include "design/calculate.h"
#include "design/diode_current.h"
#include "plot/plot_description.h"

namespace tavro::plot {

// The model's whole load curve (every point of design::BuildLoadCurve, so it
// runs smoothly through the steps below 5 %), the 25 table rows as dots, and
// the rated row and `sliderRow` as markers (one marker where they coincide
// and `markSlider` is false). No title: the caller names the plot.
PlotDescription LoadCharacteristicPlot(const design::Design& design, int sliderRow, char separator,
                                       bool markSlider = true);

// The current of one diode over a mains period, 0…360° with ticks every 45°,
// the start, the peak and the end of conduction marked, the rms and peak
// currents as notes.
PlotDescription DiodeCurrentPlot(const design::DiodeCurrentWaveform& waveform, char separator);

// The markers of the load characteristic for the table's rated row and
// `sliderRow`: the windows move the slider's marker without rebuilding the
// curve.
QVector<Marker> LoadMarkers(const design::LoadTable& table, int sliderRow, char separator,
                            bool markSlider = true);

}  // namespace tavro::plot
