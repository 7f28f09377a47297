#pragma once

#include <initializer_list>
#include <string>
#include <utility>

namespace spectavo::store {

// Text as a JSON string, quotes included; control characters are escaped, other bytes kept.
std::string jsonString(const std::string &text);
// A flat JSON object of text fields, in the order given.
std::string jsonObject(std::initializer_list<std::pair<const char *, std::string>> fields);

} // namespace spectavo::store
