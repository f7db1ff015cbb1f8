#pragma once

#include "charts/chartcontent.h"
#include "charts/chartframe.h"

#include <cstddef>
#include <functional>
#include <vector>

/*
 * The kept runs' curves one chart has computed, by the run's place among the
 * kept runs and the curve's rule. A kept run never changes, and a chart is
 * drawn far more often than runs are kept or forgotten; but keeping a fifth
 * run moves every run to another place. So the chart that owns the cache
 * empties it whenever the kept runs change, before it draws again, and no
 * one else reads it.
 */
class KeptCurveCache
{
  public:
    // The curve of the kept run at `place` by the rule, computed by `compute`
    // unless it is here already.
    const ContentCurve &curve(std::size_t place, const ChartCurve &rule,
                              const std::function<ContentCurve()> &compute);
    void clear() { m_curves.clear(); }

  private:
    struct Computed {
        std::size_t place;
        decltype(ChartCurve::x) x;
        decltype(ChartCurve::y) y;
        ContentCurve curve;
    };
    std::vector<Computed> m_curves;
};
