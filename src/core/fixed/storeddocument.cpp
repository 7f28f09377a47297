#include "core/fixed/storeddocument.h"

#include <cctype>

#include "core/fixed/calibration.h"
#include "core/fixed/dna.h"

namespace spectavo::fixed {

StoredDocument::StoredDocument(MethodKind kind, DocumentConfiguration configuration)
    : m_kind(kind), m_configuration(std::move(configuration)), m_method(kind),
      m_report(kind == MethodKind::FixedPoints) {
    layout(m_samples, true);
    if (kind == MethodKind::FixedPoints)
        layout(m_standards, true);
}

void StoredDocument::layout(SampleTable &table, bool withNames) {
    switch (m_kind) {
    case MethodKind::FixedPoints:
        if (!concentrationMode(m_method)) {
            table.layoutFixedPoints(m_method, withNames);
            return;
        }
        table.layoutFixedPoints(m_method, withNames, 2);
        layoutConcentrationColumns(table, m_method, concentrationUnit(m_method.unit, m_curve.unit));
        return;
    case MethodKind::DnaProtein:
        layoutDnaTable(table, m_method, m_configuration.dnaResultNames, withNames);
        return;
    case MethodKind::Validity:
        layoutValidityTable(table, m_method, m_configuration.validity, m_configuration.absorbanceMode,
                            m_lastTest);
        return;
    }
}

DocumentParts StoredDocument::parts() {
    const bool fixedPoints = m_kind == MethodKind::FixedPoints;
    return {m_kind,
            &m_method,
            &m_report,
            fixedPoints ? &m_standards : nullptr,
            &m_samples,
            fixedPoints ? &m_curve : nullptr,
            [this](SampleTable &table, bool withNames) { layout(table, withNames); }};
}

LoadOutcome StoredDocument::load(const std::string &path, bool methodOnly) {
    return loadDocumentFile(parts(), path, methodOnly);
}

bool StoredDocument::save(const std::string &path, bool methodOnly) {
    return saveDocumentFile(parts(), path, methodOnly);
}

std::optional<std::string> StoredDocument::recalculate() {
    if (m_kind != MethodKind::FixedPoints || !concentrationMode(m_method))
        return std::nullopt;
    // A typed or carried-over calibration stays as it is: only the samples follow it.
    if (m_method.calibrationSource == CalibrationSource::Standards) {
        layout(m_standards, false);
        if (!recalculateStandards(m_standards, m_method))
            return calibrationMissingText(m_method.methodIndex);
    }
    layout(m_samples, false);
    recalculateSamples(m_samples, m_method);
    return std::nullopt;
}

std::optional<DocumentFileKind> documentFileKind(const std::string &path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string suffix = path.substr(dot + 1);
    for (char &c : suffix)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (MethodKind kind : {MethodKind::FixedPoints, MethodKind::DnaProtein, MethodKind::Validity}) {
        const DocumentFileNames &names = documentFileNames(kind);
        if (suffix == names.documentSuffix)
            return DocumentFileKind{kind, false};
        if (suffix == names.methodSuffix)
            return DocumentFileKind{kind, true};
    }
    return std::nullopt;
}

} // namespace spectavo::fixed
