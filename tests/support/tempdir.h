#pragma once

#include <string>
#include <string_view>

namespace spectavo::test {

// A fresh directory under the system's temporary directory, removed with everything in it when the
// object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(std::string_view name) const { return m_path + "/" + std::string(name); }

private:
    std::string m_path;
};

std::string readBytes(const std::string &path);
void writeBytes(const std::string &path, std::string_view bytes);

// Sets an environment variable for the lifetime of the object and restores the old value after.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::string &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    std::string m_name;
    bool m_hadValue = false;
    std::string m_oldValue;
};

} // namespace spectavo::test
