#include "app/shell/translations.h"

#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/config/programdir.h"
#include "core/strings/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

namespace spectavo::app {
namespace {

std::string desktopLocale() {
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char *value = std::getenv(variable); value != nullptr && *value != '\0')
            return value;
    return {};
}

std::string translateForCore(const char *english) {
    return ui(english).toStdString();
}

bool loadProgramTranslation(QTranslator &translator, const std::string &language) {
    const QString name = QString::fromStdString("ZAV_Resource." + language);
    return translator.load(name, QString::fromStdString(programDataPath("translations"))) ||
           translator.load(name, QString::fromStdString(programDirectory().value_or(".")));
}

} // namespace

std::string chosenLanguage() {
    const std::string configured =
        ProfileFile("..\\config\\tarvesta.zav.localize.ini", true).GetString("localize", "resource", "");
    if (!configured.empty())
        return configured;
    return strings::languageForLocale(desktopLocale());
}

std::string installTranslations() {
    const std::string language = chosenLanguage();
    // Owned by the application object, so the texts stay translated until it ends.
    auto *program = new QTranslator(QCoreApplication::instance());
    if (!loadProgramTranslation(*program, language)) {
        delete program;
        return "eng";
    }
    QCoreApplication::installTranslator(program);
    auto *toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(QLocale(QString::fromStdString(strings::localeLanguageOf(language))), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        delete toolkit;
    strings::setTextTranslator(&translateForCore);
    return language;
}

} // namespace spectavo::app
