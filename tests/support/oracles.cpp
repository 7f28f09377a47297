#include "support/oracles.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace spectavo::test {

std::string dataPath(const std::string &name) {
    return std::string(SPECTAVO_TEST_DATA_DIR) + "/" + name;
}

XyData readXyColumns(const std::string &path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("missing reference data " + path);
    XyData data;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        double x = 0, y = 0;
        if (fields >> x >> y) {
            data.x.push_back(static_cast<float>(x));
            data.y.push_back(static_cast<float>(y));
        }
    }
    return data;
}

std::vector<SavGolCase> readSavGolCases(const std::string &path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("missing reference data " + path);
    std::vector<SavGolCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        SavGolCase c;
        std::string bar;
        fields >> c.nLeft >> c.nRight >> c.degree >> c.derivative >> bar;
        std::string token;
        while (fields >> token && token != "|")
            c.numerators.push_back(std::stoll(token));
        fields >> c.normaliser;
        cases.push_back(c);
    }
    return cases;
}

bool nearRelative(double value, double expected, double relTolerance) {
    if (expected == 0.0)
        return std::fabs(value) <= relTolerance;
    return std::fabs(value - expected) <= relTolerance * std::fabs(expected);
}

} // namespace spectavo::test
