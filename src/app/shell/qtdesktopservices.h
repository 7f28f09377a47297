#pragma once

#include "core/shell/desktopservices.h"

namespace spectavo::app {

class QtDesktopServices : public shell::DesktopServices {
public:
    bool programExists(const std::string &program) const override;
    bool start(const std::string &program, const std::vector<std::string> &arguments) override;
    bool fileExists(const std::string &path) const override;
};

} // namespace spectavo::app
