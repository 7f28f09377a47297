#pragma once

#include "core/acquisition/kineacquisition.h"

namespace spectavo::test {

// The time-scan window's timers, driven by the test: it sees what was started and ticks by hand.
class ManualTimers : public KineTimers {
public:
    void startCycle(int milliseconds) override { cycle = milliseconds; }
    void stopCycle() override { cycle = 0; }
    void startSettle(int milliseconds) override { settle = milliseconds; }
    void stopSettle() override { settle = 0; }
    int cycle = 0;
    int settle = 0;
};

} // namespace spectavo::test
