#pragma once

#include <functional>

class QObject;

namespace spectavo::app {

// Starts the main window's one-shot timers. Tests replace it to run time forward at will instead of
// waiting out a lamp's warm-up.
class TimerSource {
public:
    virtual ~TimerSource() = default;
    // Calls `expiry` after `milliseconds`, unless `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject *context, std::function<void()> expiry) = 0;
};

// The real clock, through Qt's timers.
TimerSource &qtTimers();

} // namespace spectavo::app
