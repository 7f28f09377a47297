#pragma once

#include <chrono>

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

#include "support/linkeddriver.h"

namespace spectavo::test {

// Runs the event loop until the condition holds or the time runs out; true when it holds.
template <typename Condition>
bool pumpUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    return eventually(
        [&] {
            QApplication::processEvents();
            return condition();
        },
        limit);
}

// Triggers a window's command as the operator would: only when its rules enable it.
inline void triggerEnabled(QAction *action) {
    ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
    action->trigger();
}

} // namespace spectavo::test
