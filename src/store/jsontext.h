#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace spectavo::store {

// Text as a JSON string, quotes included; control characters are escaped, other bytes kept.
std::string jsonString(const std::string &text);
// A flat JSON object of text fields, in the order given.
std::string jsonObject(std::initializer_list<std::pair<const char *, std::string>> fields);

// The text as valid UTF-8 without NUL bytes: each byte that is not part of a well-formed sequence,
// and each NUL, becomes U+FFFD. Database text columns refuse such bytes, so what is hashed is what
// every engine can keep.
std::string validUtf8(const std::string &text);

// A JSON array of texts.
std::string jsonArray(const std::vector<std::string> &texts);
// A JSON object whose values are JSON already (objects, arrays, quoted texts), in the order given.
std::string jsonObjectOf(std::initializer_list<std::pair<const char *, std::string>> jsonValues);

} // namespace spectavo::store
