#include "core/scan/scanfileskeleton.h"

#include <algorithm>

#include "core/config/memo.h"
#include "core/config/profilefile.h"

namespace spectavo::scan::scanfile {

HeaderFields::HeaderFields(LineReader &reader, RecordTexts &texts) : m_lines(headerLines(reader, 7)) {
    auto line = [this](std::size_t i) { return i < m_lines.size() ? m_lines[i] : std::string_view{}; };
    bool twoLineDate = false;
    texts.setDateText(dateFromHeader(line(0).substr(0, 2000), line(1), &twoLineDate));
    m_at = twoLineDate ? 2 : 1;
}

std::string_view HeaderFields::next() {
    const std::size_t at = m_at++;
    return at < m_lines.size() ? m_lines[at] : std::string_view{};
}

std::span<const std::string_view> HeaderFields::rest() const {
    return std::span(m_lines).subspan(std::min(m_at, m_lines.size()));
}

std::string savedSampleName(const RecordTexts &texts, const std::string &path) {
    return texts.sampleName() == RecordTexts::kDefaultSampleName
               ? fileNameOf(path).substr(0, RecordTexts::kTextField)
               : texts.sampleName();
}

IniDocument extendedSections(const std::string &sampleName, const RecordTexts &texts,
                             const std::string &storedMemo) {
    IniDocument document = IniDocument::parse("[Extended]\r\n");
    document.setValue("Extended", "SampleName", sampleName);
    document.setValue("Extended", "Operator", texts.operatorName());
    document.setValue("Extended", "Memo", storedMemo);
    return document;
}

void recordSaved(RecordTexts &texts, const std::string &sampleName, const std::string &storedMemo,
                 MemoUse memoUse, const char *settingsFile) {
    texts.setSampleName(sampleName);
    if (memoUse == MemoUse::KeepForNext)
        ProfileFile(settingsFile, true).PutString("Memo", "Memo", storedMemo);
}

std::string readExtended(const IniDocument &sections, RecordTexts &texts) {
    texts.setSampleName(std::string(sections.value("Extended", "SampleName").value_or("")));
    if (const auto operatorName = sections.value("Extended", "Operator"))
        texts.setOperatorName(std::string(*operatorName));
    return decodeMemo(sections.value("Extended", "Memo").value_or("").substr(0, 1999));
}

} // namespace spectavo::scan::scanfile
