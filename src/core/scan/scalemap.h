#pragma once

namespace spectavo::scan {

// One axis of a chart: a paint interval (device coordinates) matched to a scale interval (nanometres,
// seconds, absorbance ...). Charts of every kind map their axes through it, and read the pointer back
// through its inverse. A degenerate scale interval maps everything onto the paint interval's start.
class ScaleMap {
public:
    ScaleMap() = default;
    ScaleMap(double paintFrom, double paintTo, double scaleFrom, double scaleTo);

    double paintFrom() const { return m_paintFrom; }
    double paintTo() const { return m_paintTo; }
    double scaleFrom() const { return m_scaleFrom; }
    double scaleTo() const { return m_scaleTo; }
    // Device units per scale unit; negative where the paint interval runs backwards (a y axis).
    double factor() const { return m_factor; }

    double map(double value) const { return m_paintFrom + (value - m_scaleFrom) * m_factor; }
    // A flat scale interval reads back as its start, like every point it maps.
    double invert(double paint) const {
        return m_factor != 0.0 ? (paint - m_paintFrom) / m_factor + m_scaleFrom : m_scaleFrom;
    }

private:
    double m_paintFrom = 0.0, m_paintTo = 1.0;
    double m_scaleFrom = 0.0, m_scaleTo = 1.0;
    double m_factor = 1.0;
};

} // namespace spectavo::scan
