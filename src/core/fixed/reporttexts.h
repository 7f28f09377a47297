#pragma once

#include <ctime>
#include <string>

#include "core/config/profilestore.h"

namespace spectavo::fixed {

// The texts a fixed-wavelength report prints besides its tables: what the information page shows.
// A document starts from the defaults its configuration file keeps; the operator's name is the
// program's, never a document's.
struct ReportTexts {
    // What the page's fields accept while typing; a longer memo from a file is kept whole.
    static constexpr int kMemoLimit = 999;
    static constexpr int kOperatorLimit = 20;
    static constexpr int kTitleLimit = 50;
    static constexpr const char *kNoTime = "2000/10/20 20:20";

    // The fixed points document also titles its standard table.
    explicit ReportTexts(bool standardTitled = false) : withStandardTitle(standardTitled) {}

    bool withStandardTitle;
    std::string title = "Title";
    std::string sampleTitle = "The following is sample list";
    std::string standardTitle = "Standard Title";
    std::string footnote;
    std::string dateTime;
    std::string memo;
    std::string operatorName = "Operator";

    // The defaults of a new document (section Report of the page's configuration file).
    void loadDefaults(const ProfileStore &configuration, const ProfileStore &analyst);
    void saveDefaults(ProfileStore &configuration, ProfileStore &analyst) const;
    // The document's own keys (the operator is not one of them).
    void load(const ProfileStore &document);
    void loadOperator(const ProfileStore &analyst);
    void save(ProfileStore &document) const;
    static void saveOperator(ProfileStore &analyst, const std::string &name);
};

// "December 09 22:48:14 2026": how a new report dates itself.
std::string reportDateText(const std::tm &when);
std::string reportDateNow();

} // namespace spectavo::fixed
