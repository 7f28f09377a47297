#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/config/inidocument.h"
#include "core/config/profilestore.h"

namespace spectavo::fuzz {

// A settings file in memory: the fuzzers' input read as INI text.
class TextProfile : public ProfileStore {
public:
    explicit TextProfile(std::string_view text) : m_document(IniDocument::parse(std::string(text))) {}

protected:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override {
        const auto value = m_document.value(section, key);
        return value ? std::optional<std::string>(*value) : std::nullopt;
    }
    bool writeValue(std::string_view section, std::string_view key, std::string_view value) override {
        m_document.setValue(section, key, value);
        return true;
    }

private:
    IniDocument m_document;
};

} // namespace spectavo::fuzz
