#include "core/fixed/methodform.h"

#include <algorithm>

#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {
namespace {

constexpr const char *kNotANumber = SPECTAVO_TEXT("Enter a number.");
constexpr const char *kNotAnInteger = SPECTAVO_TEXT("Enter an integer.");

// The whole text as a number: blanks around it are allowed, anything else is not.
std::optional<double> wholeNumber(const std::string &text) {
    std::size_t used = 0;
    const double value = strings::scanDoubleC(text, &used);
    if (used == 0 || text.find_first_not_of(" \t", used) != std::string::npos)
        return std::nullopt;
    return value;
}

std::optional<int> wholeInteger(const std::string &text) {
    std::size_t used = 0;
    const int value = strings::scanIntC(text, &used);
    if (used == 0 || text.find_first_not_of(" \t", used) != std::string::npos)
        return std::nullopt;
    return value;
}

} // namespace

MethodForm::MethodForm(MethodKind kind) : m_record(kind) {}

std::string MethodForm::numberText(float value) {
    return strings::formatC("%.*g", 6, static_cast<double>(value));
}

std::optional<FieldProblem> MethodForm::take() {
    return exchange(Direction::ToRecord);
}

void MethodForm::show() {
    exchange(Direction::ToControls);
    // DNA/protein: the third wavelength is the reference's.
    if (m_record.kind == MethodKind::DnaProtein)
        enableReferenceWavelength();
}

std::optional<FieldProblem> MethodForm::exchange(Direction direction) {
    m_record.valid = 1;
    const bool toRecord = direction == Direction::ToRecord;
    if (toRecord) {
        m_record.methodIndex = m_controls.methodIndex;
        m_record.unit = m_controls.unit.substr(0, 10);
        m_record.reference = m_controls.reference ? 1 : 0;
    } else {
        m_controls.methodIndex = m_record.methodIndex;
        m_controls.unit = m_record.unit.substr(0, 10);
        m_controls.reference = m_record.reference != 0;
    }
    if (auto problem = exchangeWavelengths(direction))
        return problem;
    if (auto problem = exchangeCoefficients(direction))
        return problem;
    // DNA/protein has no count field (its reference sets the count); validity has the count only.
    if (m_record.kind == MethodKind::DnaProtein)
        return std::nullopt;
    if (m_record.kind == MethodKind::Validity)
        return exchangeCount(direction);
    forceUnusedCoefficients();
    if (toRecord)
        m_record.concentration = m_controls.concentration ? 1 : 0;
    else
        m_controls.concentration = m_record.concentration != 0;
    return exchangeCount(direction);
}

std::optional<FieldProblem> MethodForm::exchangeWavelengths(Direction direction) {
    const std::string outOfRange =
        strings::trFormat("Enter a number between %.*g and %.*g.", 6, m_range.low, 6, m_range.high);
    for (int i = 0; i < m_record.capacity; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (direction == Direction::ToRecord) {
            const auto value = wholeNumber(m_controls.wavelengths[at]);
            if (!value) {
                m_record.valid = 0;
                return FieldProblem{FieldProblem::Wavelength, i, kNotANumber};
            }
            m_record.wavelengths[at] = static_cast<float>(*value);
        } else {
            m_controls.wavelengths[at] = numberText(m_record.wavelengths[at]);
        }
        const double nm = m_record.wavelengths[at];
        if (!(nm >= m_range.low && nm <= m_range.high)) {
            m_record.valid = 0;
            if (direction == Direction::ToRecord)
                return FieldProblem{FieldProblem::Wavelength, i, outOfRange};
        }
    }
    return std::nullopt;
}

std::optional<FieldProblem> MethodForm::exchangeCoefficients(Direction direction) {
    for (int i = 0; i < FixedMethodRecord::kCoefficients; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (direction == Direction::ToControls) {
            m_controls.coefficients[at] = numberText(m_record.coefficients[at]);
            m_shownCoefficients[at] = m_controls.coefficients[at];
            continue;
        }
        if (m_controls.coefficients[at] == m_shownCoefficients[at])
            continue;
        const auto value = wholeNumber(m_controls.coefficients[at]);
        if (!value)
            return FieldProblem{FieldProblem::Coefficient, i, kNotANumber};
        m_record.coefficients[at] = static_cast<float>(*value);
        m_shownCoefficients[at] = m_controls.coefficients[at];
        if (m_record.kind == MethodKind::FixedPoints)
            m_record.calibrationSource = CalibrationSource::Typed;
    }
    return std::nullopt;
}

// A fit of lower order has no K3 (and a linear one no K2); without concentrations none is used.
void MethodForm::forceUnusedCoefficients() {
    const bool noConcentration = m_record.concentration == 0;
    const bool k3Unused = m_record.methodIndex <= 1 || noConcentration;
    const bool k2Unused = m_record.methodIndex <= 0 || noConcentration;
    // Copied from a string rather than assigned from a literal: GCC 12 at -O3 sees a false overlap in
    // the literal's inlined copy.
    const std::string zero("0");
    if (k3Unused) {
        m_record.coefficients[3] = 0.0f;
        m_controls.coefficients[3] = m_shownCoefficients[3] = zero;
    }
    m_controls.coefficientEnabled[3] = !k3Unused;
    if (k2Unused) {
        m_record.coefficients[2] = 0.0f;
        m_controls.coefficients[2] = m_shownCoefficients[2] = zero;
    }
    m_controls.coefficientEnabled[2] = !k2Unused;
}

std::optional<FieldProblem> MethodForm::exchangeCount(Direction direction) {
    if (direction == Direction::ToControls) {
        m_controls.count = strings::formatC("%d", m_record.count);
        return std::nullopt;
    }
    const auto value = wholeInteger(m_controls.count);
    if (!value)
        return FieldProblem{FieldProblem::Count, 0, kNotAnInteger};
    // The count is kept before it is checked: the count rule then replaces a bad one by 1.
    m_record.count = *value;
    if (*value < 1 || *value > m_record.capacity)
        return FieldProblem{FieldProblem::Count, 0,
                            strings::trFormat("Enter an integer between %d and %d.", 1, m_record.capacity)};
    return std::nullopt;
}

void MethodForm::enableWavelengthFields() {
    for (int i = 0; i < FixedMethodRecord::kMaxWavelengths; ++i)
        m_controls.wavelengthEnabled[static_cast<std::size_t>(i)] =
            i < m_record.count && i < m_record.capacity;
}

std::optional<FieldProblem> MethodForm::countChanged() {
    if (!m_initialised)
        return std::nullopt;
    auto problem = take();
    if (m_record.count <= 0 || m_record.count > m_record.capacity) {
        m_record.count = 1;
        show();
    }
    enableWavelengthFields();
    if (m_record.kind != MethodKind::FixedPoints)
        return problem;
    const int count = m_record.count;
    if (count >= 4) {
        m_record.concentration = 0;
        m_controls.concentration = false;
        m_controls.unitEnabled = false;
        m_controls.concentrationEnabled = false;
    } else {
        m_controls.concentrationEnabled = true;
    }
    if (count > 3) {
        m_controls.pictureCount = 0;
    } else if (count != m_lastPictureCount) {
        m_controls.pictureCount = count;
        m_lastPictureCount = count;
    }
    auto switched = concentrationSwitched();
    return problem ? problem : switched;
}

std::optional<FieldProblem> MethodForm::concentrationSwitched() {
    auto problem = take();
    const bool on = m_controls.concentration;
    m_controls.unitEnabled = on;
    m_controls.referenceEnabled = on;
    m_controls.fitEnabled = on;
    m_controls.pictureEnabled = on;
    if (!on) {
        m_controls.reference = false;
        m_record.reference = 0;
    }
    auto changed = methodChanged();
    return problem ? problem : changed;
}

std::optional<FieldProblem> MethodForm::referenceChanged() {
    auto problem = take();
    m_record.count = m_record.reference + 2;
    m_record.ClearBlanks();
    enableReferenceWavelength();
    return problem;
}

void MethodForm::enableReferenceWavelength() {
    for (int i = 0; i < FixedMethodRecord::kMaxWavelengths; ++i)
        m_controls.wavelengthEnabled[static_cast<std::size_t>(i)] =
            i < 2 || (i == 2 && m_record.reference == 1);
}

std::optional<FieldProblem> MethodForm::stepCount(int delta) {
    const int now = strings::scanIntC(m_controls.count);
    m_controls.count = std::to_string(std::clamp(now + delta, 1, std::max(m_record.capacity, 1)));
    return countChanged();
}

std::optional<FieldProblem> MethodForm::methodChanged() {
    auto problem = take();
    for (int i = 0; i < FixedMethodRecord::kCoefficients; ++i)
        m_controls.coefficientEnabled[static_cast<std::size_t>(i)] =
            i < std::clamp(m_record.methodIndex, 0, 2) + 2 && m_record.concentration == 1;
    return problem;
}

void MethodForm::load(const ProfileStore &file) {
    m_record.load(file);
    loaded();
}

void MethodForm::loaded() {
    show();
    if (m_record.kind == MethodKind::DnaProtein) {
        m_record.count = m_record.reference != 0 ? 3 : 2;
        for (int i = 0; i < FixedMethodRecord::kMaxWavelengths; ++i)
            m_controls.wavelengthEnabled[static_cast<std::size_t>(i)] =
                i < 2 || (i == 2 && m_record.reference == 1);
        return;
    }
    countChanged();
}

} // namespace spectavo::fixed
