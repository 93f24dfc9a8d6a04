#include "simulation/measure.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavro::simulation {
namespace {

constexpr double kKinkSlopeRatio = 100.0;

double Lerp(double t0, double v0, double t1, double v1, double t) {
  return t1 == t0 ? v1 : v0 + (v1 - v0) * (t - t0) / (t1 - t0);
}

// Calls segment(ta, va, tb, vb) for every piece of the polyline inside w.
template <typename Segment>
void ForSegments(const std::vector<double>& t, const std::vector<double>& v, Window w,
                 Segment&& segment) {
  for (std::size_t i = 1; i < t.size(); ++i) {
    const double a = t[i - 1], b = t[i];
    if (b <= w.From || a >= w.To || b <= a) continue;
    const double ta = std::max(a, w.From), tb = std::min(b, w.To);
    segment(ta, Lerp(a, v[i - 1], b, v[i], ta), tb, Lerp(a, v[i - 1], b, v[i], tb));
  }
}

}  // namespace

double MeanOver(const std::vector<double>& t, const std::vector<double>& v, Window w) {
  double sum = 0.0;
  ForSegments(t, v, w, [&](double ta, double va, double tb, double vb) {
    sum += 0.5 * (va + vb) * (tb - ta);
  });
  return sum / (w.To - w.From);
}

double RmsOver(const std::vector<double>& t, const std::vector<double>& v, Window w) {
  // Exact for the linear pieces: ∫(a + (b−a)s)² ds = (a² + ab + b²)/3.
  double sum = 0.0;
  ForSegments(t, v, w, [&](double ta, double va, double tb, double vb) {
    sum += (va * va + va * vb + vb * vb) / 3.0 * (tb - ta);
  });
  return std::sqrt(sum / (w.To - w.From));
}

double MeanProductOver(const std::vector<double>& t, const std::vector<double>& u,
                       const std::vector<double>& i, Window w) {
  // Both linear over a piece: ∫(a0 + (a1−a0)s)(b0 + (b1−b0)s) ds
  // = (2·a0·b0 + a0·b1 + a1·b0 + 2·a1·b1)/6.
  double sum = 0.0;
  for (std::size_t k = 1; k < t.size(); ++k) {
    const double a = t[k - 1], b = t[k];
    if (b <= w.From || a >= w.To || b <= a) continue;
    const double ta = std::max(a, w.From), tb = std::min(b, w.To);
    const double u0 = Lerp(a, u[k - 1], b, u[k], ta), u1 = Lerp(a, u[k - 1], b, u[k], tb);
    const double i0 = Lerp(a, i[k - 1], b, i[k], ta), i1 = Lerp(a, i[k - 1], b, i[k], tb);
    sum += (2.0 * u0 * i0 + u0 * i1 + u1 * i0 + 2.0 * u1 * i1) / 6.0 * (tb - ta);
  }
  return sum / (w.To - w.From);
}

double MaxOver(const std::vector<double>& t, const std::vector<double>& v, Window w, bool smooth) {
  std::size_t best = t.size();
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] < w.From || t[i] > w.To) continue;
    if (best == t.size() || v[i] > v[best]) best = i;
  }
  if (best == t.size()) return std::numeric_limits<double>::quiet_NaN();
  if (!smooth || best == 0 || best + 1 >= t.size()) return v[best];
  // The parabola through the three points around the largest sample.
  const double t0 = t[best - 1], t1 = t[best], t2 = t[best + 1];
  const double v0 = v[best - 1], v1 = v[best], v2 = v[best + 1];
  const double d01 = (v1 - v0) / (t1 - t0), d12 = (v2 - v1) / (t2 - t1);
  // A peak at a kink (a diode's current cut short where another diode breaks
  // down) is no parabola's: its sides' slopes differ by orders of magnitude,
  // and a parabola through it would overshoot. A smooth cap's sides differ
  // by more than a factor of 100 only where its top lies within 1 % of a
  // step from the middle between two samples, where refining gains nothing.
  if (!(d01 > 0.0 && d12 < 0.0) || d01 > kKinkSlopeRatio * -d12 || -d12 > kKinkSlopeRatio * d01) {
    return v1;
  }
  const double a = (d12 - d01) / (t2 - t0);
  if (!(a < 0.0)) return v1;
  const double b = d01 - a * (t0 + t1);
  const double tp = -b / (2.0 * a);
  if (tp < t0 || tp > t2) return v1;
  const double peak = v1 + (tp - t1) * (d01 + a * (tp - t0));
  return std::max(peak, v1);
}

double MinOver(const std::vector<double>& t, const std::vector<double>& v, Window w) {
  double low = std::numeric_limits<double>::infinity();
  ForSegments(t, v, w, [&](double, double va, double, double vb) {
    low = std::min({low, va, vb});
  });
  return low;
}

double FourierAmplitude(const std::vector<double>& t, const std::vector<double>& v, Window w,
                        double frequency) {
  const double omega = 2.0 * M_PI * frequency;
  double c = 0.0, s = 0.0;
  ForSegments(t, v, w, [&](double ta, double va, double tb, double vb) {
    const double h = tb - ta;
    c += 0.5 * h * (va * std::cos(omega * ta) + vb * std::cos(omega * tb));
    s += 0.5 * h * (va * std::sin(omega * ta) + vb * std::sin(omega * tb));
  });
  return 2.0 / (w.To - w.From) * std::hypot(c, s);
}

double PulseEnd(const std::vector<double>& t, const std::vector<double>& v, Window w, double level,
                bool abrupt) {
  std::size_t peak = t.size();
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] < w.From || t[i] > w.To) continue;
    if (peak == t.size() || v[i] > v[peak]) peak = i;
  }
  for (std::size_t i = peak + 1; i < t.size() && t[i - 1] <= w.To; ++i) {
    if (v[i] > level) continue;
    const std::size_t b = i - 1;
    const double crossing = t[b] + (v[b] - level) / (v[b] - v[i]) * (t[i] - t[b]);
    // A current that drops to nothing within one step (an ideal diode):
    // continue its fall from the two samples before the drop.
    if (!abrupt || b == 0 || b == peak || !(v[b - 1] > v[b])) return crossing;
    const std::size_t a = b - 1;
    const double end = t[b] + v[b] * (t[b] - t[a]) / (v[a] - v[b]);
    return std::clamp(end, t[b], crossing);
  }
  return std::numeric_limits<double>::quiet_NaN();
}

bool PeriodMeans::Add(double time, double value) {
  if (!started_) {
    started_ = true;
    lastT_ = time;
    lastV_ = value;
    return false;
  }
  bool settledNow = false;
  while (time > lastT_) {
    const double boundary = (current_ + 1) * period_;
    const double end = std::min(time, boundary);
    const double endV = Lerp(lastT_, lastV_, time, value, end);
    sum_ += 0.5 * (lastV_ + endV) * (end - lastT_);
    lastT_ = end;
    lastV_ = endV;
    if (end < boundary) break;
    means_.push_back(sum_ / period_);
    sum_ = 0.0;
    ++current_;
    const std::size_t n = means_.size();
    if (settledAt_ == 0 && n >= 2 &&
        std::fabs(means_[n - 1] - means_[n - 2]) <= tolerance_ * std::fabs(means_[n - 1])) {
      settledAt_ = current_;
      settledNow = true;
    }
  }
  lastV_ = value;
  return settledNow;
}

void PeriodChanges::Add(double time, double value) {
  if (!started_) {
    started_ = true;
    lastT_ = time;
    lastV_ = value;
    atBoundary_ = value;
    return;
  }
  // Each pass closes one period; the time bounds them.
  while (time > lastT_ && time >= (current_ + 1) * period_) {
    const double boundary = (current_ + 1) * period_;
    const double atEnd = Lerp(lastT_, lastV_, time, value, boundary);
    changes_.push_back(atEnd - atBoundary_);
    atBoundary_ = atEnd;
    ++current_;
  }
  lastT_ = time;
  lastV_ = value;
}

}  // namespace tavro::simulation
