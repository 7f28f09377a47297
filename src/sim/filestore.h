#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace spectavo::sim {

// A file kept in the instrument's own store: its directory name, its handle and its content as the
// instrument sends it.
struct StoredFile {
    std::string name;
    std::array<std::uint8_t, 2> handle{};
    std::vector<std::uint8_t> content;
};

// The files a new virtual instrument holds: one of every type of the file management in the current
// layout, and an older-layout scan and quantitative file. stepsPerNm gives the motor-step encoding of
// wavelengths.
std::vector<StoredFile> defaultFileStore(int stepsPerNm, bool singleBeam);

} // namespace spectavo::sim
