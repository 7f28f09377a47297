#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/fixed/fixedmethod.h"

namespace spectavo::fixed {

// The controls of a method page as texts and switches: what the widgets show and which of them take
// input. The widgets copy these in and out; the rules below work on them without a display.
struct MethodControls {
    int methodIndex = 0;
    std::string unit;
    bool reference = false;
    bool concentration = false;
    std::string count;
    std::array<std::string, FixedMethodRecord::kMaxWavelengths> wavelengths;
    std::array<std::string, FixedMethodRecord::kCoefficients> coefficients;

    std::array<bool, FixedMethodRecord::kMaxWavelengths> wavelengthEnabled{};
    std::array<bool, FixedMethodRecord::kCoefficients> coefficientEnabled{true, true, true, true};
    bool unitEnabled = true;
    bool referenceEnabled = true;
    bool fitEnabled = true;
    bool concentrationEnabled = true;
    // The formula picture: for 1 to 3 wavelengths; 0 hides it.
    int pictureCount = 0;
    bool pictureEnabled = true;
};

// A field whose text was refused, and why; the page puts the focus there.
struct FieldProblem {
    enum Field { Wavelength, Coefficient, Count } field;
    int index = 0;
    std::string message;
};

// The instrument's wavelength range in nm.
struct WavelengthRange {
    double low = 190.0;
    double high = 1100.0;
};

// The fixed points method page without its widgets: the exchange between controls and record (range
// checks, the coefficient forcing, the count), the count and concentration rules, load and save.
class MethodForm {
public:
    explicit MethodForm(MethodKind kind = MethodKind::FixedPoints);

    FixedMethodRecord &record() { return m_record; }
    const FixedMethodRecord &record() const { return m_record; }
    MethodControls &controls() { return m_controls; }
    const MethodControls &controls() const { return m_controls; }
    void setRange(const WavelengthRange &range) { m_range = range; }

    // The page window exists: from now on the count rule acts.
    void initialise() { m_initialised = true; }

    // Controls to record. The first refused field ends the exchange and is returned.
    std::optional<FieldProblem> take();
    // Record to controls.
    void show();

    // The rules the page's events run; each may refuse a field on its way.
    std::optional<FieldProblem> countChanged();
    std::optional<FieldProblem> concentrationSwitched();
    std::optional<FieldProblem> methodChanged();
    // DNA/protein: "With Reference" sets the count (2 or 3), enables the third wavelength and clears
    // the blanks.
    std::optional<FieldProblem> referenceChanged();
    // The count's arrow buttons: one up or down, within 1 and the method's capacity; the count rule
    // follows.
    std::optional<FieldProblem> stepCount(int delta);

    // A method from a file: read, blanks cleared, shown, rules applied.
    void load(const ProfileStore &file);
    // The record was replaced (a document, an instrument record): shown, rules applied.
    void loaded();

    static std::string numberText(float value);

private:
    enum class Direction { ToRecord, ToControls };
    std::optional<FieldProblem> exchange(Direction direction);
    std::optional<FieldProblem> exchangeWavelengths(Direction direction);
    std::optional<FieldProblem> exchangeCoefficients(Direction direction);
    std::optional<FieldProblem> exchangeCount(Direction direction);
    void forceUnusedCoefficients();
    void enableWavelengthFields();
    void enableReferenceWavelength();

    FixedMethodRecord m_record;
    MethodControls m_controls;
    WavelengthRange m_range;
    bool m_initialised = false;
    int m_lastPictureCount = 0;
    // The coefficient texts last shown: a field that still holds its text keeps the record's exact
    // value (a fit is not cut to the six digits shown); one the operator changed is a typed calibration.
    std::array<std::string, FixedMethodRecord::kCoefficients> m_shownCoefficients;
};

} // namespace spectavo::fixed
