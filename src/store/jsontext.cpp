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
