#pragma once

#include <cstdint>

#include "core/link/bytes.h"

namespace spectavo::link {

// What the link tells the windows. The numbers are the message numbers windows have always been
// told by, kept so that codes and logs stay recognisable.
enum class NotifyKind : int {
    Station = 0x44,      // to the main window (and a few codes to the acquisition's window)
    Acquisition = 0x401, // to the window holding the open acquisition
    RemoteStart = 0x402, // a remote-start request from the driver
};

// A notification with its code and value; a float value travels as its 32-bit pattern.
struct Notification {
    NotifyKind kind = NotifyKind::Station;
    int code = 0;
    std::int32_t value = 0;

    static Notification station(int code, std::int32_t value) { return {NotifyKind::Station, code, value}; }
    static Notification stationFloat(int code, float value) {
        return {NotifyKind::Station, code, floatBits(value)};
    }
    static Notification acquisition(int code, std::int32_t value) {
        return {NotifyKind::Acquisition, code, value};
    }
    static Notification acquisitionFloat(int code, float value) {
        return {NotifyKind::Acquisition, code, floatBits(value)};
    }
    float floatValue() const { return floatFromBits(value); }

    friend bool operator==(const Notification &, const Notification &) = default;
};

// Implemented by each window that hears from the link. post() is called from the link's threads and
// must only queue the notification (the Qt layer posts an event); it never runs window code.
class NotifyTarget {
public:
    virtual ~NotifyTarget() = default;
    virtual void post(const Notification &notification) = 0;
};

} // namespace spectavo::link
