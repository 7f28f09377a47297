#include "textcatalogue.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <fstream>

namespace spectavo::texts {
namespace {

QStringList englishOf(const std::vector<SourceText> &texts) {
    QStringList english;
    for (const SourceText &text : texts)
        english << text.english;
    return english;
}

TEST(TextsInSourceTest, FindsEveryMarkerAndNothingElse) {
    const QString source = R"cpp(
        box->setTitle(ui("Scan &Range"));
        const char *k = SPECTAVO_TEXT("The file is "
                                      "incomplete.");
        show(strings::trFormat("Cannot read %s.", path));
        addMenuCommand(file, "&Save\tCtrl+S");
        addMenuCommand(menus.at(2), "E&xit");
        widget->setObjectName(QString(name) + "Text"); // addMenuCommand(menu, "Example")
        settings.GetString("Setup", "Unit", "ug/ml");
        return tr("Line\none \"quoted\" \u00b5m");
        const auto a = str("not a marker"); const auto b = attr("nor this");
    )cpp";
    EXPECT_EQ(englishOf(textsInSource(source, "a.cpp")),
              QStringList({"Scan &Range", "The file is incomplete.", "Cannot read %s.", "&Save", "E&xit",
                           QString::fromUtf8("Line\none \"quoted\" \u00b5m")}));
    EXPECT_EQ(textsInSource(source, "a.cpp").front().line, 2);
}

TranslationFile fileWith(std::map<QString, Translation> messages) {
    return {"deu", std::move(messages)};
}

TEST(CatalogueFaultsTest, NamesEveryGapATranslatorMustClose) {
    const std::vector<SourceText> texts = {{"&File", "m.cpp", 1},         {"Page %d", "r.cpp", 2},
                                           {"Cancel", "d.cpp", 3},        {"Of %d and %s", "x.cpp", 4},
                                           {"&Save\tCtrl+S", "w.cpp", 5}, {"Date & Time:", "p.cpp", 6}};
    const TranslationFile file = fileWith({{"&File", {"Datei", true}},
                                           {"Page %d", {"Seite %d", false}},
                                           {"Of %d and %s", {"Von %s und %d", true}},
                                           {"&Save\tCtrl+S", {"&Speichern\tStrg+S", true}},
                                           {"Date & Time:", {"Datum & Zeit:", true}}});
    const std::vector<QString> faults = catalogueFaults(texts, file);
    ASSERT_EQ(faults.size(), 5u);
    EXPECT_TRUE(faults[0].contains("\"&File\" lost its accelerator"));
    EXPECT_TRUE(faults[1].contains("\"Page %d\" is not translated yet"));
    EXPECT_TRUE(faults[2].contains("\"Cancel\" has no translation"));
    EXPECT_TRUE(faults[3].contains("take different values"));
    EXPECT_TRUE(faults[4].contains("keeps its key"));
}

TEST(TranslationFileTest, WritesWhatItReadsAndWhatLreleaseCompiles) {
    const test::TempDir dir;
    const std::filesystem::path path = dir.file("ZAV_Resource.deu.ts");
    const std::vector<SourceText> order = {
        {"&File", "m.cpp", 1}, {"<Wait> & \"see\"", "m.cpp", 2}, {"New", "m.cpp", 3}};
    TranslationFile written =
        fileWith({{"&File", {"&Datei", true}},
                  {"<Wait> & \"see\"", {QString::fromUtf8("<Warten> & \"schauen\" \u00e4"), true}},
                  {"Gone", {"Weg", true}}});
    ASSERT_TRUE(writeTranslationFile(path, written, order));
    TranslationFile read;
    ASSERT_TRUE(readTranslationFile(path, read));
    EXPECT_EQ(read.language, "deu");     // as written
    ASSERT_EQ(read.messages.size(), 3u); // "Gone" is no longer marked; "New" waits for its translator
    EXPECT_EQ(read.messages["<Wait> & \"see\""].text, QString::fromUtf8("<Warten> & \"schauen\" \u00e4"));
    EXPECT_TRUE(read.messages["&File"].finished);
    EXPECT_FALSE(read.messages["New"].finished);
}

// The shipped German translation covers every text the sources mark, and the compiled file the program
// loads answers for them.
TEST(ShippedTranslationTest, EveryMarkedTextIsTranslated) {
    const std::vector<SourceText> texts = gatherTexts(SPECTAVO_SOURCE_DIR "/src");
    ASSERT_GT(texts.size(), 400u);
    TranslationFile german;
    ASSERT_TRUE(readTranslationFile(SPECTAVO_SOURCE_DIR "/translations/ZAV_Resource.deu.ts", german));
    for (const QString &fault : catalogueFaults(texts, german))
        ADD_FAILURE() << fault.toStdString();
}

TEST(ShippedTranslationTest, TheCompiledTranslationAnswersInGerman) {
    QTranslator translator;
    ASSERT_TRUE(translator.load("ZAV_Resource.deu", SPECTAVO_TRANSLATIONS_DIR));
    EXPECT_EQ(translator.translate("Spectavo", "&File"), "&Datei");
    EXPECT_EQ(translator.translate("Spectavo", "Time scan has been broken."),
              "Die Zeitmessung wurde abgebrochen.");
    for (const SourceText &text : gatherTexts(SPECTAVO_SOURCE_DIR "/src"))
        EXPECT_FALSE(translator.translate("Spectavo", text.english.toUtf8().constData()).isEmpty())
            << text.english.toStdString();
}

} // namespace
} // namespace spectavo::texts
