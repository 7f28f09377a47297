// Keeps the translation files in step with the texts the sources mark for translation.
//   spectavo-texts update SRC FILE.ts...   adds new texts (unfinished), drops texts no longer marked
//   spectavo-texts check SRC FILE.ts       lists what the file does not yet cover; exit 1 if anything
//   spectavo-texts list SRC                every marked text with where it is first marked

#include "textcatalogue.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

int update(const std::filesystem::path &sources, const QStringList &files) {
    const std::vector<spectavo::texts::SourceText> texts = spectavo::texts::gatherTexts(sources);
    for (const QString &name : files) {
        spectavo::texts::TranslationFile file;
        spectavo::texts::readTranslationFile(name.toStdString(), file);
        if (file.language.isEmpty())
            file.language = QFileInfo(name).completeBaseName().section('.', -1);
        if (!spectavo::texts::writeTranslationFile(name.toStdString(), file, texts)) {
            std::fprintf(stderr, "spectavo-texts: cannot write %s\n", qPrintable(name));
            return 1;
        }
        std::printf("%s: %zu texts\n", qPrintable(name), texts.size());
    }
    return 0;
}

int check(const std::filesystem::path &sources, const QString &name) {
    spectavo::texts::TranslationFile file;
    if (!spectavo::texts::readTranslationFile(name.toStdString(), file)) {
        std::fprintf(stderr, "spectavo-texts: cannot read %s\n", qPrintable(name));
        return 1;
    }
    const std::vector<QString> faults =
        spectavo::texts::catalogueFaults(spectavo::texts::gatherTexts(sources), file);
    for (const QString &fault : faults)
        std::printf("%s\n", qPrintable(fault));
    return faults.empty() ? 0 : 1;
}

int list(const std::filesystem::path &sources) {
    for (const spectavo::texts::SourceText &text : spectavo::texts::gatherTexts(sources))
        std::printf("%s:%d: %s\n", qPrintable(text.file), text.line, qPrintable(text.english));
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 4 && arguments[1] == "update")
        return update(arguments[2].toStdString(), arguments.mid(3));
    if (arguments.size() == 4 && arguments[1] == "check")
        return check(arguments[2].toStdString(), arguments[3]);
    if (arguments.size() == 3 && arguments[1] == "list")
        return list(arguments[2].toStdString());
    std::fprintf(stderr, "usage: spectavo-texts update SRC FILE.ts... | check SRC FILE.ts | list SRC\n");
    return 2;
}
