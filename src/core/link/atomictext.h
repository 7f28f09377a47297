#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

namespace spectavo::link {

// A short text written by the receive thread and read by the user interface. Each character is an
// atomic, so a read racing a write may mix old and new characters for one refresh but is never a
// data race; the last character is always the terminator.
template <std::size_t Capacity>
class AtomicText {
public:
    static constexpr std::size_t kMaxLength = Capacity - 1;

    void set(std::string_view text) {
        const std::size_t length = std::min(text.size(), kMaxLength);
        for (std::size_t i = 0; i < Capacity; ++i)
            m_chars[i].store(i < length ? text[i] : '\0', std::memory_order_relaxed);
    }

    std::string get() const {
        std::string text;
        for (std::size_t i = 0; i < kMaxLength; ++i) {
            const char c = m_chars[i].load(std::memory_order_relaxed);
            if (c == '\0')
                break;
            text += c;
        }
        return text;
    }

private:
    std::array<std::atomic<char>, Capacity> m_chars{};
};

} // namespace spectavo::link
