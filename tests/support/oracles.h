#pragma once

#include <string>
#include <vector>

namespace spectavo::test {

// Published reference data kept in tests/data.
std::string dataPath(const std::string &name);

struct XyData {
    std::vector<float> x;
    std::vector<float> y;
};
// Two whitespace-separated columns; lines starting with '#' are comments.
XyData readXyColumns(const std::string &path);

// A Savitzky-Golay window with exact rational weights: weight k = numerators[k] / normaliser.
struct SavGolCase {
    int nLeft = 0, nRight = 0, degree = 0, derivative = 0;
    std::vector<long long> numerators;
    long long normaliser = 1;
};
std::vector<SavGolCase> readSavGolCases(const std::string &path);

// True when value is within relTolerance of expected, relative to |expected| (or absolutely within
// relTolerance when expected is 0).
bool nearRelative(double value, double expected, double relTolerance);

} // namespace spectavo::test
