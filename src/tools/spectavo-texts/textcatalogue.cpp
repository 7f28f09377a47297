#include "textcatalogue.h"

#include "core/strings/translation.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <set>

namespace spectavo::texts {
namespace {

// Decodes one C string literal's body (between the quotes).
QString decodeLiteral(QStringView body) {
    QString text;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c != '\\' || i + 1 >= body.size()) {
            text += c;
            continue;
        }
        const QChar e = body[++i];
        if (e == 'n')
            text += '\n';
        else if (e == 't')
            text += '\t';
        else if (e == 'u' && i + 4 < body.size()) {
            text += QChar(body.mid(i + 1, 4).toString().toUShort(nullptr, 16));
            i += 4;
        } else
            text += e;
    }
    return text;
}

// The literals starting at `at` (a quote), joined while only blanks separate them; `end` is set past
// the last one.
QString joinedLiterals(const QString &contents, qsizetype at, qsizetype &end) {
    static const QRegularExpression literal(QStringLiteral(R"re(\G\s*"((?:[^"\\\n]|\\.)*)")re"));
    QString text;
    end = at;
    for (QRegularExpressionMatch m = literal.match(contents, end); m.hasMatch();
         m = literal.match(contents, end)) {
        text += decodeLiteral(m.capturedView(1));
        end = m.capturedEnd();
    }
    return text;
}

// Whether a position lies in a // comment (examples in comments are not texts of the program).
bool inLineComment(const QString &contents, qsizetype at) {
    const qsizetype lineStart = contents.lastIndexOf('\n', at) + 1;
    return QStringView(contents).mid(lineStart, at - lineStart).contains(u"//");
}

int lineAt(const QString &contents, qsizetype at) {
    return static_cast<int>(QStringView(contents).left(at).count('\n')) + 1;
}

QString conversions(const QString &text) {
    QString found;
    static const QRegularExpression conversion(QStringLiteral(R"(%[-+ #0-9.*]*[hlLqjzt]*[a-zA-Z%])"));
    for (const QRegularExpressionMatch &m : conversion.globalMatch(text))
        found += m.captured() + ' ';
    return found;
}

// How many menu or button accelerators ("&File") a text holds; "&&" and "Date & Time" hold none.
qsizetype accelerators(const QString &text) {
    static const QRegularExpression accelerator(QStringLiteral(R"((?<!&)&(?![&\s]))"));
    qsizetype count = 0;
    for (QRegularExpressionMatchIterator it = accelerator.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

std::vector<SourceText> textsInSource(const QString &contents, const QString &file) {
    static const QRegularExpression marker(
        QStringLiteral(R"re((?<![A-Za-z0-9_])(?:ui|tr|trFormat|SPECTAVO_TEXT)\(\s*(?="))re"));
    static const QRegularExpression menu(
        QStringLiteral(R"re(addMenuCommand\([^,;()]+(?:\([^()]*\))?,\s*(?="))re"));
    std::vector<SourceText> texts;
    for (const QRegularExpression *pattern : {&marker, &menu}) {
        for (const QRegularExpressionMatch &m : pattern->globalMatch(contents)) {
            if (inLineComment(contents, m.capturedStart()))
                continue;
            qsizetype end = 0;
            QString text = joinedLiterals(contents, m.capturedEnd(), end);
            if (pattern == &menu)
                text = text.section('\t', 0, 0);
            if (!text.isEmpty())
                texts.push_back({text, file, lineAt(contents, m.capturedStart())});
        }
    }
    std::stable_sort(texts.begin(), texts.end(),
                     [](const SourceText &a, const SourceText &b) { return a.line < b.line; });
    return texts;
}

std::vector<SourceText> gatherTexts(const std::filesystem::path &sourceRoot) {
    const QString root = QString::fromStdString(sourceRoot.string());
    QStringList files;
    QDirIterator it(root, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    std::vector<SourceText> all;
    std::set<QString> seen;
    for (const QString &path : files) {
        QFile source(path);
        if (!source.open(QIODevice::ReadOnly))
            continue;
        const QString relative = path.mid(root.size() + 1);
        for (SourceText &text : textsInSource(QString::fromUtf8(source.readAll()), relative))
            if (seen.insert(text.english).second)
                all.push_back(std::move(text));
    }
    return all;
}

bool readTranslationFile(const std::filesystem::path &path, TranslationFile &file) {
    QFile input(QString::fromStdString(path.string()));
    if (!input.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&input);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS")
            file.language = xml.attributes().value("language").toString();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value("type").isEmpty();
            file.messages[source] = {xml.readElementText(), finished};
        }
    }
    return !xml.hasError();
}

bool writeTranslationFile(const std::filesystem::path &path, const TranslationFile &file,
                          const std::vector<SourceText> &order) {
    QSaveFile output(QString::fromStdString(path.string()));
    if (!output.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&output);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD("<!DOCTYPE TS>");
    xml.writeStartElement("TS");
    xml.writeAttribute("version", "2.1");
    xml.writeAttribute("language", file.language);
    xml.writeStartElement("context");
    xml.writeTextElement("name", strings::kTranslationContext);
    for (const SourceText &text : order) {
        const auto known = file.messages.find(text.english);
        xml.writeStartElement("message");
        xml.writeTextElement("source", text.english);
        xml.writeStartElement("translation");
        if (known == file.messages.end() || !known->second.finished)
            xml.writeAttribute("type", "unfinished");
        if (known != file.messages.end())
            xml.writeCharacters(known->second.text);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return output.commit();
}

std::vector<QString> catalogueFaults(const std::vector<SourceText> &texts, const TranslationFile &file) {
    std::vector<QString> faults;
    for (const SourceText &text : texts) {
        const QString where = QStringLiteral("%1:%2: \"%3\"").arg(text.file).arg(text.line).arg(text.english);
        const auto found = file.messages.find(text.english);
        if (found == file.messages.end())
            faults.push_back(where + " has no translation");
        else if (!found->second.finished || found->second.text.isEmpty())
            faults.push_back(where + " is not translated yet");
        else if (!strings::sameConversions(text.english.toStdString(), found->second.text.toStdString()) ||
                 conversions(text.english).count('%') != conversions(found->second.text).count('%'))
            faults.push_back(where + " and its translation take different values");
        else if (text.english.section('\t', 1) != found->second.text.section('\t', 1))
            faults.push_back(where + " keeps its key (after the tab) only untranslated");
        else if (accelerators(text.english) != accelerators(found->second.text))
            faults.push_back(where + " lost its accelerator in the translation");
    }
    return faults;
}

} // namespace spectavo::texts
