#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace spectavo::scan {

// The ordered spectra or curves of a scan window (index 0 first) and the current one. Records live on
// the heap so that a record keeps its address while an acquisition writes into it.
template <typename Record>
class RecordList {
public:
    std::size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    Record &at(std::size_t index) { return *m_records.at(index); }
    const Record &at(std::size_t index) const { return *m_records.at(index); }

    // The records' colours, for a new record to take one none of them has.
    std::vector<std::uint32_t> colours() const {
        std::vector<std::uint32_t> colours;
        colours.reserve(m_records.size());
        for (const auto &record : m_records)
            colours.push_back(record->colour);
        return colours;
    }

    std::optional<std::size_t> currentIndex() const { return m_current; }
    Record *current() { return m_current ? m_records[*m_current].get() : nullptr; }
    const Record *current() const { return m_current ? m_records[*m_current].get() : nullptr; }
    void setCurrent(std::size_t index) {
        if (index < m_records.size())
            m_current = index;
    }

    // New records go in front; the current index moves with its record.
    Record &insertFront(std::unique_ptr<Record> record) {
        m_records.insert(m_records.begin(), std::move(record));
        if (m_current)
            ++*m_current;
        else
            m_current = 0;
        return *m_records.front();
    }

    void remove(std::size_t index) {
        if (index >= m_records.size())
            return;
        m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
        if (m_records.empty())
            m_current.reset();
        else if (m_current && (*m_current > index || *m_current >= m_records.size()))
            *m_current = *m_current > 0 ? *m_current - 1 : 0;
    }

    // The first record in list order with this name.
    std::optional<std::size_t> findByName(const std::string &name) const {
        for (std::size_t i = 0; i < m_records.size(); ++i)
            if (m_records[i]->name == name)
                return i;
        return std::nullopt;
    }

private:
    std::vector<std::unique_ptr<Record>> m_records;
    std::optional<std::size_t> m_current;
};

} // namespace spectavo::scan
