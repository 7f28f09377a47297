#include "core/fixed/standardpresets.h"

#include "core/fixed/calibration.h"
#include "core/strings/cformat.h"

namespace spectavo::fixed {

std::string nextStandardName(const std::string &name) {
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
        --digits;
    // At most nine digits are counted, so the number never overflows.
    if (name.size() - digits > 9)
        digits = name.size() - 9;
    const std::string stem = name.substr(0, digits);
    const long long number = digits < name.size() ? std::stoll(name.substr(digits)) : 0;
    return stem + std::to_string(number + 1);
}

StandardPresetting::StandardPresetting(SampleTable &table, const FixedMethodRecord &method)
    : m_table(table), m_concentrationColumn(concentrationColumn(method)), m_row(table.rowCount()) {
    if (more())
        m_name = table.grid().text(m_row + 1, 0);
}

void StandardPresetting::accept(const std::string &name, double concentration) {
    if (!more())
        return;
    m_table.setPreset(m_row, true);
    ++m_row;
    m_table.grid().setText(m_row, 0, name.substr(0, SampleTable::kMaxNameLength));
    m_table.grid().setText(m_row, m_concentrationColumn, strings::formatC("%.4f", concentration));
    m_name = nextStandardName(name);
    const double step = concentration - m_previous;
    m_previous = concentration;
    m_concentration = concentration + step;
}

void deletePresets(SampleTable &table) {
    const int last = table.grid().columns() - 1;
    for (int row = 0; row < SampleTable::kRows; ++row) {
        if (!table.preset(row))
            continue;
        table.setPreset(row, false);
        table.grid().setText(row + 1, 0, strings::formatC("Standard-%d", row + 1));
        table.grid().setText(row + 1, last, "");
    }
}

bool anyPreset(const SampleTable &table) {
    for (int row = 0; row < SampleTable::kRows; ++row)
        if (table.preset(row))
            return true;
    return false;
}

} // namespace spectavo::fixed
