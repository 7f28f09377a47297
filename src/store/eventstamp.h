#pragma once

#include <chrono>
#include <string>

namespace spectavo::store {

// UTC as the trail writes it: "2026-12-11T14:05:32.123Z".
std::string utcText(std::chrono::system_clock::time_point when);
// The local time's offset from UTC now, in minutes east.
int localOffsetMinutes();
// The account the program runs under: the trail's user until named accounts exist.
std::string accountName();
// 128 random bits as 32 hexadecimal digits: an event's or a result's unique id.
std::string uniqueId();

} // namespace spectavo::store
