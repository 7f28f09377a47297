#include "core/fixed/reporttexts.h"

#include <array>

#include "core/config/memo.h"
#include "core/strings/cformat.h"

namespace spectavo::fixed {
namespace {

constexpr const char *kReport = "Report";
// A document's texts may be longer than a configuration's defaults: what was typed elsewhere comes back.
constexpr std::size_t kDefaultText = 199;
constexpr std::size_t kDocumentText = 1999;

std::string readOperator(const ProfileStore &analyst, std::string_view fallback, std::size_t size) {
    return analyst.GetString("Spectavo", "Operator", fallback, size);
}

} // namespace

void ReportTexts::loadDefaults(const ProfileStore &configuration, const ProfileStore &analyst) {
    dateTime = reportDateNow();
    title = configuration.GetString(kReport, "Title", "Title", kDefaultText);
    sampleTitle =
        configuration.GetString(kReport, "SampleTitle", "The following is sample list", kDefaultText);
    footnote = configuration.GetString(kReport, "FootNotes", "", kDefaultText);
    memo = decodeMemo(configuration.GetString(kReport, "Memo", "", kDefaultText));
    operatorName = readOperator(analyst, "Operator", kDefaultText);
    if (withStandardTitle)
        standardTitle = configuration.GetString(kReport, "StandardTitle", "Standard Title", kDefaultText);
}

void ReportTexts::saveDefaults(ProfileStore &configuration, ProfileStore &analyst) const {
    configuration.PutString(kReport, "Title", title);
    configuration.PutString(kReport, "SampleTitle", sampleTitle);
    configuration.PutString(kReport, "FootNotes", footnote);
    configuration.PutString(kReport, "Memo", encodeMemo(memo));
    if (withStandardTitle)
        configuration.PutString(kReport, "StandardTitle", standardTitle);
    saveOperator(analyst, operatorName);
}

void ReportTexts::load(const ProfileStore &document) {
    title = document.GetString(kReport, "Title", "", kDocumentText);
    sampleTitle = document.GetString(kReport, "SampleTitle", "", kDocumentText);
    footnote = document.GetString(kReport, "FootNotes", "", kDocumentText);
    const std::string date = document.GetString(kReport, "Date", "", 99);
    dateTime =
        (date.empty() ? date : date + " ") + document.GetString(kReport, "Time", kNoTime, kDocumentText);
    memo = decodeMemo(document.GetString(kReport, "Memo", "", kDocumentText));
    if (withStandardTitle)
        standardTitle = document.GetString("memo", "StandardTitle", "Standard Name", kDocumentText);
}

void ReportTexts::loadOperator(const ProfileStore &analyst) {
    operatorName = readOperator(analyst, "", kDocumentText);
}

void ReportTexts::save(ProfileStore &document) const {
    document.PutString(kReport, "Title", title);
    document.PutString(kReport, "SampleTitle", sampleTitle);
    document.PutString(kReport, "FootNotes", footnote);
    document.PutString(kReport, "Time", dateTime);
    document.PutString(kReport, "Memo", encodeMemo(memo));
    if (withStandardTitle)
        document.PutString("memo", "StandardTitle", standardTitle);
}

void ReportTexts::saveOperator(ProfileStore &analyst, const std::string &name) {
    analyst.PutString("Spectavo", "Operator", name);
}

std::string reportDateText(const std::tm &when) {
    // The C locale's month names and time of day, whatever locale the desktop set for the program.
    static constexpr std::array<const char *, 12> kMonths = {"January",   "February", "March",    "April",
                                                             "May",       "June",     "July",     "August",
                                                             "September", "October",  "November", "December"};
    const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
    return strings::formatC("%s %02d %02d:%02d:%02d %d", kMonths[static_cast<std::size_t>(month)],
                            when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec, when.tm_year + 1900);
}

std::string reportDateNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return reportDateText(local);
}

} // namespace spectavo::fixed
