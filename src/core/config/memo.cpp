#include "core/config/memo.h"

namespace spectavo {
namespace {

std::string translated(std::string_view text, char from1, char to1, char from2, char to2) {
    std::string result(text);
    for (char &c : result) {
        if (c == from1)
            c = to1;
        else if (c == from2)
            c = to2;
    }
    return result;
}

} // namespace

std::string encodeMemo(std::string_view text) {
    return translated(text, '\n', '\x01', '\r', '\x02');
}

std::string decodeMemo(std::string_view stored) {
    return translated(stored, '\x01', '\n', '\x02', '\r');
}

void appendMemoLine(std::string &memo, std::string_view line) {
    if (!memo.empty())
        memo += "\r\n";
    memo += line;
}

} // namespace spectavo
