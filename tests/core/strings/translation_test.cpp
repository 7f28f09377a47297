#include "core/strings/translation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace spectavo::strings {
namespace {

// A translator that knows three patterns, one of them with a translator's slip.
std::string germanOf(const char *english) {
    if (std::strcmp(english, "Page %d") == 0)
        return "Seite %d";
    if (std::strcmp(english, "Cannot read %s.") == 0)
        return "%s kann nicht gelesen werden.";
    if (std::strcmp(english, "Time:%.1fs") == 0)
        return std::string("Zeit:%5\0\0f", 10); // a NUL would hide the conversion from printf
    if (std::strcmp(english, "%d of %d points") == 0)
        return "%s von %d Punkten"; // %s would read an int as a pointer
    return {};
}

class TranslationTest : public testing::Test {
protected:
    void SetUp() override { setTextTranslator(&germanOf); }
    void TearDown() override { setTextTranslator(nullptr); }
};

TEST_F(TranslationTest, TextsWithoutATranslationStayEnglish) {
    EXPECT_EQ(tr("Page %d"), "Seite %d");
    EXPECT_EQ(tr("Ready"), "Ready");
    EXPECT_EQ(tr(""), "");
    setTextTranslator(nullptr);
    EXPECT_EQ(tr("Page %d"), "Page %d");
}

TEST_F(TranslationTest, PatternsAreFormattedInTheOperatorsLanguage) {
    EXPECT_EQ(trFormat("Page %d", 3), "Seite 3");
    EXPECT_EQ(trFormat("Cannot read %s.", "a.sca"), "a.sca kann nicht gelesen werden.");
}

TEST_F(TranslationTest, ATranslationThatReadsOtherArgumentsFallsBackToEnglish) {
    EXPECT_EQ(trFormat("%d of %d points", 3, 5), "3 of 5 points");
    EXPECT_EQ(trFormat("Time:%.1fs", 2.5), "Time:2.5s");
}

TEST(ConversionsTest, OnlyWhatDecidesTheArgumentsCounts) {
    EXPECT_TRUE(sameConversions("Between %g and %g.", "Zwischen %g und %g."));
    EXPECT_TRUE(sameConversions("%6.1fnm", "%.2fnm"));
    EXPECT_TRUE(sameConversions("100%% of %d", "%d zu 100%%"));
    EXPECT_FALSE(sameConversions("%d of %d", "%d"));
    EXPECT_FALSE(sameConversions("%d of %s", "%s of %d"));
    EXPECT_FALSE(sameConversions("%.*g", "%g"));
    EXPECT_FALSE(sameConversions("%zu", "%u"));
    EXPECT_FALSE(sameConversions("%d", std::string("%5\0\0d", 5))) << "a NUL is no flag";
    EXPECT_FALSE(sameConversions("%X %s", "%1 X %s")) << "a flag behind the width is no conversion";
    EXPECT_FALSE(sameConversions("%d", "%5")) << "nor is a pattern's end";
    EXPECT_FALSE(sameConversions("%d", "%1708522638d")) << "a gigabyte of blanks";
    EXPECT_TRUE(sameConversions("%d", "%999d"));
    EXPECT_TRUE(sameConversions("%-08.3f and %*d", "%08.3f und %*d"));
}

TEST(LanguageTest, TheDesktopLocaleChoosesTheTranslation) {
    EXPECT_EQ(languageForLocale("de_DE.UTF-8"), "deu");
    EXPECT_EQ(languageForLocale("de_AT"), "deu");
    EXPECT_EQ(languageForLocale("de"), "deu");
    EXPECT_EQ(languageForLocale("en_GB.UTF-8"), "eng");
    EXPECT_EQ(languageForLocale("C"), "eng");
    EXPECT_EQ(languageForLocale("POSIX"), "eng");
    EXPECT_EQ(languageForLocale(""), "eng");
    EXPECT_EQ(languageForLocale("fr_FR.UTF-8"), "eng");
    EXPECT_EQ(localeLanguageOf("deu"), "de");
    EXPECT_EQ(localeLanguageOf("xyz"), "en");
}

} // namespace
} // namespace spectavo::strings
