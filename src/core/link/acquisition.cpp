#include "core/link/acquisition.h"

namespace spectavo::link {

bool Acquisition::Held::open(NotifyTarget *window, int newMode) {
    if (isOpen())
        return false;
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.mode.store(newMode, std::memory_order_relaxed);
    targets().notifyWindow = window;
    m_acquisition.open.store(true, std::memory_order_release);
    return true;
}

void Acquisition::Held::post(const Notification &notification) {
    if (NotifyTarget *window = targets().notifyWindow)
        window->post(notification);
}

void Acquisition::Held::close() {
    targets() = Targets{};
    m_acquisition.mode.store(kModeNone, std::memory_order_relaxed);
    m_acquisition.armed.store(0, std::memory_order_relaxed);
    m_acquisition.open.store(false, std::memory_order_release);
}

void Acquisition::Held::publishReading(float absorbance, int tenths) {
    m_acquisition.lastAbsorbance.store(absorbance, std::memory_order_relaxed);
    m_acquisition.lastReadingTenths.store(tenths, std::memory_order_relaxed);
    m_acquisition.readingSerial.fetch_add(1, std::memory_order_release);
}

void Acquisition::Held::releaseScanBuffers(bool clearSecondAcquiring, bool twoBeams) {
    if (ScanTarget *target = targets().scanTarget) {
        target->fillCursor().store(-1, std::memory_order_release);
        target->releasePin();
    }
    ScanTarget *second = targets().scanSecond;
    if (second && m_acquisition.scanDataKind.load(std::memory_order_relaxed) == kScanEnergies && twoBeams) {
        if (clearSecondAcquiring)
            second->acquiringFlag().store(false, std::memory_order_release);
        second->fillCursor().store(-1, std::memory_order_release);
        second->releasePin();
    }
}

} // namespace spectavo::link
