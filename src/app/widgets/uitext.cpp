#include "app/widgets/uitext.h"

#include <QCoreApplication>

namespace spectavo::app {

QString ui(const char *english) {
    return QCoreApplication::translate(kTranslationContext, english);
}

QString ui(const std::string &english) {
    return ui(english.c_str());
}

QString ui(const QString &english) {
    return ui(english.toUtf8().constData());
}

} // namespace spectavo::app
