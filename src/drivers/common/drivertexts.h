#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/strings/translation.h"

namespace spectavo::drivers {

// A text of a driver's setup panel in the operator's language: the workstation's translation holds the
// drivers' texts too, in its one context.
inline QString ui(const char *english) {
    return QCoreApplication::translate(strings::kTranslationContext, english);
}

} // namespace spectavo::drivers
