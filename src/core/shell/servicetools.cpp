#include "core/shell/servicetools.h"

#include <algorithm>
#include <sstream>

#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::shell {
namespace {

const char *assemblyText(int value) {
    return value == -1 ? SPECTAVO_TEXT("Unknown") : value == 0 ? SPECTAVO_TEXT("False") : SPECTAVO_TEXT("OK");
}

bool known(int value) {
    return value >= -1 && value <= 1;
}

// Tables never grow past the instrument's 20 levels plus a header, whatever a file says.
constexpr std::size_t kMaxRows = 21;
constexpr std::size_t kMaxColumns = 4;

} // namespace

StatusWindowModel::StatusWindowModel() {
    const char *labels[kFields] = {SPECTAVO_TEXT("Number of sample cells"),
                                   SPECTAVO_TEXT("Automatic multicells"),
                                   SPECTAVO_TEXT("Auto Sipper"),
                                   SPECTAVO_TEXT("Color filter assembly"),
                                   SPECTAVO_TEXT("Wavelength driven assembly"),
                                   SPECTAVO_TEXT("Status of ADCs"),
                                   SPECTAVO_TEXT("Energy of D2 lamp"),
                                   SPECTAVO_TEXT("Energy of W lamp"),
                                   SPECTAVO_TEXT("Wavelength calibration(656.1nm)"),
                                   SPECTAVO_TEXT("Status of Power")};
    for (std::size_t i = 0; i < kFields; ++i)
        m_fields[i] = {labels[i], ""};
}

void StatusWindowModel::refresh(const link::StationStatus &status) {
    const int cells = status.cellCount.load();
    const int multicell = status.multicellStatus.load();
    m_fields[0].second =
        cells < 2 || multicell != 1 ? SPECTAVO_TEXT("Only 1") : strings::formatC("%d", cells);
    if (known(multicell))
        m_fields[1].second = multicell == -1  ? SPECTAVO_TEXT("Not installed")
                             : multicell == 0 ? SPECTAVO_TEXT("False")
                                              : SPECTAVO_TEXT("OK");
    const int sipper = status.sipperStatus.load();
    if (known(sipper))
        // The instrument reports a sipper that is not fitted as 0: it is not installed, not at fault.
        m_fields[2].second = sipper == 1 ? SPECTAVO_TEXT("Installed") : SPECTAVO_TEXT("Not installed");
    const int assemblies[] = {status.filterStatus.load(),  status.wavelengthDriveStatus.load(),
                              status.adcStatus.load(),     status.d2EnergyStatus.load(),
                              status.wEnergyStatus.load(), status.wavelengthCalStatus.load()};
    for (std::size_t i = 0; i < 6; ++i)
        if (known(assemblies[i]))
            m_fields[3 + i].second = assemblyText(assemblies[i]);
    const int power = status.powerStatus.load();
    if (known(power))
        m_fields[9].second = power == -1  ? SPECTAVO_TEXT("Unknown")
                             : power == 0 ? SPECTAVO_TEXT("Low!")
                                          : SPECTAVO_TEXT("OK");
}

DarkCurrentTable::DarkCurrentTable(int channels) {
    reset(channels);
}

void DarkCurrentTable::reset(int channels) {
    m_columns = static_cast<std::size_t>(std::clamp(channels + 2, 2, static_cast<int>(kMaxColumns)));
    m_cells.assign(12, std::vector<std::string>(m_columns));
    const char *headers[] = {SPECTAVO_TEXT("Level"), "Sample", SPECTAVO_TEXT("Refrence"), ""};
    for (std::size_t c = 0; c < m_columns; ++c)
        m_cells[0][c] = headers[c];
}

void DarkCurrentTable::setLevelCount(int count) {
    const std::size_t rows =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)) + 1, kMaxRows);
    m_cells.resize(rows, std::vector<std::string>(m_columns));
}

void DarkCurrentTable::setLevel(int level, int sample, int reference) {
    if (level < 0 || static_cast<std::size_t>(level) + 1 >= m_cells.size())
        return;
    auto &row = m_cells[static_cast<std::size_t>(level) + 1];
    row[0] = strings::formatC("%5d", level);
    row[1] = strings::formatC("%5d", sample);
    if (m_columns > 2)
        row[2] = strings::formatC("%5d", reference);
}

std::string DarkCurrentTable::fileText() const {
    std::string text =
        strings::formatC("%5d %5d\n", static_cast<int>(m_cells.size()), static_cast<int>(m_columns));
    for (const auto &row : m_cells) {
        for (const std::string &cell : row)
            text += cell + " ";
        text += "\n";
    }
    return text;
}

// A row per line. Empty cells (the two-channel table's fourth column, rows not yet reported) are
// written as nothing but their blank, so a line may hold fewer words than columns: the words fill
// the row from the left and the rest stays empty.
bool DarkCurrentTable::loadFileText(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    int rows = 0, columns = 0;
    if (!std::getline(in, line) || !(std::istringstream(line) >> rows >> columns) || rows < 1 ||
        columns < 2 || static_cast<std::size_t>(rows) > kMaxRows ||
        static_cast<std::size_t>(columns) > kMaxColumns)
        return false;
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(rows),
                                                std::vector<std::string>(static_cast<std::size_t>(columns)));
    for (auto &row : cells) {
        if (!std::getline(in, line))
            return false;
        std::istringstream words(line);
        std::size_t column = 0;
        std::string word;
        while (words >> word) {
            if (column == row.size())
                return false; // more cells than the file's own column count
            row[column++] = word;
        }
    }
    m_columns = static_cast<std::size_t>(columns);
    m_cells = std::move(cells);
    return true;
}

} // namespace spectavo::shell
