#include "store/jsontext.h"

#include <cstdio>

namespace spectavo::store {

std::string jsonString(const std::string &text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonObject(std::initializer_list<std::pair<const char *, std::string>> fields) {
    std::string out = "{";
    for (const auto &[key, value] : fields) {
        if (out.size() > 1)
            out += ", ";
        out += jsonString(key) + ": " + jsonString(value);
    }
    return out + "}";
}

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0 (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF).
std::size_t sequenceLength(const std::string &text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead >= 0x01 && lead <= 0x7F)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string validUtf8(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = sequenceLength(text, at)) {
            out.append(text, at, length);
            at += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++at;
        }
    }
    return out;
}

std::string jsonArray(const std::vector<std::string> &texts) {
    std::string out = "[";
    for (const std::string &text : texts) {
        if (out.size() > 1)
            out += ", ";
        out += jsonString(text);
    }
    return out + "]";
}

std::string jsonObjectOf(std::initializer_list<std::pair<const char *, std::string>> jsonValues) {
    std::string out = "{";
    for (const auto &[key, value] : jsonValues) {
        if (out.size() > 1)
            out += ", ";
        out += jsonString(key) + ": " + value;
    }
    return out + "}";
}

} // namespace spectavo::store
