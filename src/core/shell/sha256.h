#pragma once

#include <string>
#include <string_view>

namespace spectavo::shell {

// SHA-256 (FIPS 180-4) of a byte string, as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view data);

} // namespace spectavo::shell
