#include "core/fixed/readoutsequence.h"

#include <algorithm>

namespace spectavo::fixed {

ReadoutPoints readoutPointsOf(const FixedMethodRecord &method) {
    ReadoutPoints points;
    points.count = std::clamp(method.count, 1, std::min(method.capacity, FixedMethodRecord::kMaxWavelengths));
    for (std::size_t i = 0; i < static_cast<std::size_t>(points.count); ++i) {
        points.wavelengths[i] = method.wavelengths[i];
        points.blanks[i] = method.blanks[i];
    }
    return points;
}

ReadoutSequence::ReadoutSequence(link::StationLink &link, link::NotifyTarget *window,
                                 const ReadoutPoints &points)
    : m_link(link), m_window(window), m_points(points) {
    m_points.count = std::clamp(points.count, 0, ReadoutPoints::kMax);
    for (std::size_t i = 0; i < ReadoutPoints::kMax; ++i) {
        m_values[i].store(0.0f);
        m_blanks[i].store(m_points.blanks[i]);
    }
}

ReadoutSequence::~ReadoutSequence() {
    if (m_begun && !m_closed)
        close();
    else
        m_link.operations().CloseAcquisitionOf(m_window);
}

bool ReadoutSequence::requestPoint(int point) {
    const auto at = static_cast<std::size_t>(point);
    return m_link.operations().GotoAndRead(link::kModeGotoAndRead, m_points.wavelengths[at], &m_blanks[at],
                                           &m_values[at], m_window);
}

bool ReadoutSequence::begin() {
    if (m_points.count <= 0)
        return false;
    m_begun = true;
    m_index = -1;
    return requestPoint(0);
}

ReadoutSequence::Reaction ReadoutSequence::handle(const link::Notification &notification) {
    Reaction reaction;
    if (notification.kind != link::NotifyKind::Acquisition || m_closed)
        return reaction;
    if (notification.code == link::kAcqAcknowledged) {
        if (notification.value == link::kGotoWavelength && m_index < m_points.count) {
            ++m_index;
            reaction.done = m_index == m_points.count;
        }
        return reaction;
    }
    if (notification.code == link::kAcqStopped) {
        // The operator stopped the instrument: nothing more will arrive for this readout.
        reaction.stopped = true;
        return reaction;
    }
    if (notification.code != link::kAcqNewData || m_index < 0 || m_index >= m_points.count)
        return reaction;
    reaction.shown = m_index;
    if (m_index < m_points.count - 1) {
        requestPoint(m_index + 1);
        return reaction;
    }
    m_link.operations().GotoWavelength(m_points.wavelengths[0], m_window);
    m_link.SubtractBlank(0.0f, false, m_points.blanks[0]);
    reaction.lastReading = true;
    return reaction;
}

void ReadoutSequence::close() {
    if (m_closed)
        return;
    m_closed = true;
    m_link.operations().CloseAcquisitionOf(m_window);
    if (!m_begun || m_points.count <= 0)
        return;
    m_link.commands().Escape();
    if (m_link.operations().GotoWavelength(m_points.wavelengths[0], nullptr))
        m_link.operations().CloseAcquisition(); // nobody waits for this one: the instrument just returns
    m_link.SubtractBlank(0.0f, false, m_points.blanks[0]);
}

float ReadoutSequence::value(int point) const {
    if (point < 0 || point >= ReadoutPoints::kMax)
        return 0.0f;
    return m_values[static_cast<std::size_t>(point)].load();
}

std::vector<float> ReadoutSequence::values() const {
    std::vector<float> result;
    for (int i = 0; i < m_points.count; ++i)
        result.push_back(value(i));
    return result;
}

} // namespace spectavo::fixed
