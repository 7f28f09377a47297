#include "app/widgets/uitext.h"

#include <QCoreApplication>

#include "core/strings/translation.h"

namespace spectavo::app {

QString ui(const char *english) {
    return QCoreApplication::translate(strings::kTranslationContext, english);
}

QString ui(const std::string &english) {
    return ui(english.c_str());
}

QString ui(const QString &english) {
    return ui(english.toUtf8().constData());
}

} // namespace spectavo::app
