#include "core/scan/scalemap.h"

#include <cmath>

namespace spectavo::scan {

ScaleMap::ScaleMap(double paintFrom, double paintTo, double scaleFrom, double scaleTo)
    : m_paintFrom(paintFrom), m_paintTo(paintTo), m_scaleFrom(scaleFrom), m_scaleTo(scaleTo) {
    const double span = scaleTo - scaleFrom;
    m_factor = span != 0.0 && std::isfinite(span) ? (paintTo - paintFrom) / span : 0.0;
}

} // namespace spectavo::scan
