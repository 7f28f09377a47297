#pragma once

#include <atomic>

namespace spectavo::scan {

// An atomic that copies by value, so that records holding the fields an acquisition shares with the
// link (cursor, count, acquiring flag) keep their ordinary copy semantics. Copying is done by the
// owning thread only, never while an acquisition writes.
template <typename T>
class CopyableAtomic : public std::atomic<T> {
public:
    CopyableAtomic() = default;
    constexpr CopyableAtomic(T value) : std::atomic<T>(value) {}
    CopyableAtomic(const CopyableAtomic &other) : std::atomic<T>(other.load()) {}
    CopyableAtomic &operator=(const CopyableAtomic &other) {
        this->store(other.load());
        return *this;
    }
    CopyableAtomic &operator=(T value) {
        this->store(value);
        return *this;
    }
};

} // namespace spectavo::scan
