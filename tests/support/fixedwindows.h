#pragma once

#include <chrono>

#include <QApplication>
#include <QWidget>

#include "app/fixed/fixedreadout.h"
#include "support/linkeddriver.h"

namespace spectavo::test {

// Runs the event loop (deferred deletions included) until the condition holds or the time runs out.
template <typename Condition>
bool pumpUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    return eventually(
        [&] {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return condition();
        },
        limit);
}

// The readout a window shows now, if any.
inline app::CFixedReadOut *visibleReadout(const QWidget &window) {
    for (app::CFixedReadOut *shown : window.findChildren<app::CFixedReadOut *>())
        if (shown->isVisible())
            return shown;
    return nullptr;
}

} // namespace spectavo::test
