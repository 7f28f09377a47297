#include "store/eventstamp.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

#include <sodium.h>

namespace spectavo::store {

std::string utcText(std::chrono::system_clock::time_point when) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[96]; // room for any int the format may meet
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<int>(milliseconds % 1000));
    return text;
}

int localOffsetMinutes() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff / 60);
}

std::string accountName() {
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char *user = std::getenv("USER");
    return user ? user : "unknown";
}

std::string uniqueId() {
    // Safe to call from any thread, any number of times; it seeds the generator once.
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
    unsigned char bytes[16];
    randombytes_buf(bytes, sizeof bytes);
    char hex[2 * sizeof bytes + 1];
    sodium_bin2hex(hex, sizeof hex, bytes, sizeof bytes);
    return hex;
}

} // namespace spectavo::store
