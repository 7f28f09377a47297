#include "support/tempdir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace spectavo::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "spectavo-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::string readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string &path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScopedEnv::ScopedEnv(const char *name, const std::string &value) : m_name(name) {
    if (const char *old = std::getenv(name)) {
        m_hadValue = true;
        m_oldValue = old;
    }
    ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (m_hadValue)
        ::setenv(m_name.c_str(), m_oldValue.c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

} // namespace spectavo::test
