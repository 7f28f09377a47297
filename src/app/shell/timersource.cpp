#include "app/shell/timersource.h"

#include <QTimer>

namespace spectavo::app {
namespace {

class QtTimerSource : public TimerSource {
public:
    void singleShot(int milliseconds, QObject *context, std::function<void()> expiry) override {
        QTimer::singleShot(milliseconds, context, std::move(expiry));
    }
};

} // namespace

TimerSource &qtTimers() {
    static QtTimerSource timers;
    return timers;
}

} // namespace spectavo::app
