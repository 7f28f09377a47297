#pragma once

#include <string>

namespace spectavo::scan {

// Whether saving a record keeps its memo in the settings for the next record (the windows' Save), or
// leaves the settings alone (file conversions).
enum class MemoUse { KeepForNext, LeaveSettings };

// The texts a spectrum or a curve carries, each bounded to its field as in the files.
class RecordTexts {
public:
    static constexpr std::size_t kTextField = 199; // sample name and operator
    static constexpr std::size_t kDateField = 127;
    static constexpr const char *kDefaultSampleName = "Sample Name";

    explicit RecordTexts(std::string operatorName = {}) : m_operator(std::move(operatorName)) {}

    void setSampleName(const std::string &text) { m_sampleName = bounded(text, kTextField); }
    void setOperatorName(const std::string &text) { m_operator = bounded(text, kTextField); }
    void setDateText(const std::string &text) { m_dateText = bounded(text, kDateField); }
    const std::string &sampleName() const { return m_sampleName; }
    const std::string &operatorName() const { return m_operator; }
    const std::string &dateText() const { return m_dateText; }

private:
    static std::string bounded(const std::string &text, std::size_t limit) { return text.substr(0, limit); }

    std::string m_sampleName = kDefaultSampleName;
    std::string m_operator;
    std::string m_dateText;
};

} // namespace spectavo::scan
