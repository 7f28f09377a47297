#pragma once

#include <cmath>

namespace spectavo::dataproc {

// A single-precision running sum with Neumaier's compensation: the sums of the fits stay in float, as
// the stored results always have, without the rounding error growing with the point count.
class CompensatedSum {
public:
    void add(float value) {
        const float total = m_sum + value;
        if (std::fabs(m_sum) >= std::fabs(value))
            m_compensation += (m_sum - total) + value;
        else
            m_compensation += (value - total) + m_sum;
        m_sum = total;
    }
    float value() const { return m_sum + m_compensation; }

private:
    float m_sum = 0.0f;
    float m_compensation = 0.0f;
};

} // namespace spectavo::dataproc
