#include "app/shell/qtdesktopservices.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace spectavo::app {

bool QtDesktopServices::programExists(const std::string &program) const {
    return !QStandardPaths::findExecutable(QString::fromStdString(program)).isEmpty();
}

bool QtDesktopServices::start(const std::string &program, const std::vector<std::string> &arguments) {
    QStringList list;
    for (const auto &argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), list);
}

bool QtDesktopServices::fileExists(const std::string &path) const {
    return QFile::exists(QString::fromStdString(path));
}

} // namespace spectavo::app
