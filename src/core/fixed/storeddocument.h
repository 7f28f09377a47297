#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/fixed/fixeddocumentfile.h"
#include "core/fixed/validity.h"

namespace spectavo::fixed {

// What the kind's configuration supplies to a document: the DNA result names, the validity standards.
struct DocumentConfiguration {
    std::array<std::string, 3> dnaResultNames{"DNA", "Protein", "Ratio"};
    ValidityData validity;
    bool absorbanceMode = true;
};

// A fixed-wavelength document without its window: the records the window's pages hold, laid out as
// the pages lay them out. The command-line tools read, recalculate and write documents through it,
// with the same file rules as the window.
class StoredDocument {
public:
    explicit StoredDocument(MethodKind kind, DocumentConfiguration configuration = DocumentConfiguration());

    MethodKind kind() const { return m_kind; }
    FixedMethodRecord &method() { return m_method; }
    const FixedMethodRecord &method() const { return m_method; }
    ReportTexts &report() { return m_report; }
    const ReportTexts &report() const { return m_report; }
    SampleTable &standards() { return m_standards; }
    const SampleTable &standards() const { return m_standards; }
    SampleTable &samples() { return m_samples; }
    const SampleTable &samples() const { return m_samples; }
    CurveSettings &curve() { return m_curve; }
    const CurveSettings &curve() const { return m_curve; }
    ValidityData &validity() { return m_configuration.validity; }
    DocumentParts parts();

    LoadOutcome load(const std::string &path, bool methodOnly);
    bool save(const std::string &path, bool methodOnly);
    // "Recalculate" on the standard table (a calibration fitted from them), then on the sample table:
    // the message of a fit that failed (nothing changed), or nothing.
    std::optional<std::string> recalculate();

private:
    void layout(SampleTable &table, bool withNames);

    MethodKind m_kind;
    DocumentConfiguration m_configuration;
    FixedMethodRecord m_method;
    ReportTexts m_report;
    SampleTable m_standards{true};
    SampleTable m_samples;
    CurveSettings m_curve;
    int m_lastTest = -1;
};

// The kind of document a file name says (.QUA/.QM, .DNA/.DM, .VAL/.VM in any case), and whether it
// is a method-only file.
struct DocumentFileKind {
    MethodKind kind;
    bool methodOnly;
};
std::optional<DocumentFileKind> documentFileKind(const std::string &path);

} // namespace spectavo::fixed
