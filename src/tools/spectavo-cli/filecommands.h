#pragma once

#include "commands.h"

namespace spectavo::cli {

// Commands on spectrum and curve files; they need no instrument.
using FileCommand = std::string (*)(const Arguments &, Report &);

std::string infoCommand(const Arguments &, Report &);
std::string convertCommand(const Arguments &, Report &);
std::string peaksCommand(const Arguments &, Report &);
std::string mathCommand(const Arguments &, Report &);
std::string rateCommand(const Arguments &, Report &);
std::string decodeRecordCommand(const Arguments &, Report &);
std::string exportCommand(const Arguments &, Report &);

} // namespace spectavo::cli
