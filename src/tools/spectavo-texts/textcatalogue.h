#pragma once

#include <QString>

#include <filesystem>
#include <map>
#include <vector>

// The translation catalogue: which English texts the sources mark for translation, and what a
// translation file (Qt's .ts format) says for them.
namespace spectavo::texts {

// One marked text and where it was first found.
struct SourceText {
    QString english;
    QString file;
    int line = 0;
};

// The texts marked in one source file's contents: the literal of ui(...), tr(...), trFormat(...) and
// SPECTAVO_TEXT(...), adjacent literals joined, escapes decoded; and the text of an
// addMenuCommand(menu, "Text\tKey") without its key.
std::vector<SourceText> textsInSource(const QString &contents, const QString &file);

// Every marked text under a source folder (.cpp and .h files), each once, in file order.
std::vector<SourceText> gatherTexts(const std::filesystem::path &sourceRoot);

struct Translation {
    QString text;
    bool finished = false;
};

struct TranslationFile {
    QString language;
    std::map<QString, Translation> messages;
};

// Reads a .ts file; nullopt-like empty language and no messages when it cannot be read.
bool readTranslationFile(const std::filesystem::path &path, TranslationFile &file);

// Writes a .ts file with the texts in the given order; texts the sources no longer mark are left out.
bool writeTranslationFile(const std::filesystem::path &path, const TranslationFile &file,
                          const std::vector<SourceText> &order);

// What keeps a translation file from covering the sources: each line names the text and the fault
// (missing, unfinished, different printf conversions, a lost or added menu accelerator).
std::vector<QString> catalogueFaults(const std::vector<SourceText> &texts, const TranslationFile &file);

} // namespace spectavo::texts
