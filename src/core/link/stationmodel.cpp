#include "core/link/stationmodel.h"

namespace spectavo::link {

bool acceptableModelName(std::string_view model) {
    if (model.find("..") != std::string_view::npos)
        return false;
    for (const char c : model) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

std::string stationModelFile(const std::string &model) {
    return "..\\config\\tarvesta.zav.station." + (acceptableModelName(model) ? model : std::string()) +
           ".ini";
}

} // namespace spectavo::link
