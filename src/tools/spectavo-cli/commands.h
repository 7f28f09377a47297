#pragma once

#include <map>
#include <string>
#include <vector>

#include "clisession.h"
#include "report.h"

namespace spectavo::cli {

// A command's arguments: positional words and --options with values.
struct Arguments {
    std::vector<std::string> words;
    std::map<std::string, std::string> options;
    bool has(const std::string &option) const { return options.count(option) != 0; }
    std::string get(const std::string &option, const std::string &fallback = "") const;
};

// Each command fills the report and returns an empty text, or returns what went wrong.
using Command = std::string (*)(CliSession &, const Arguments &, Report &);

std::string statusCommand(CliSession &, const Arguments &, Report &);
std::string gotoCommand(CliSession &, const Arguments &, Report &);
std::string readCommand(CliSession &, const Arguments &, Report &);
std::string measureCommand(CliSession &, const Arguments &, Report &);
std::string blankCommand(CliSession &, const Arguments &, Report &);
std::string scanCommand(CliSession &, const Arguments &, Report &);
std::string cellCommand(CliSession &, const Arguments &, Report &);
std::string darkCommand(CliSession &, const Arguments &, Report &);
std::string filesCommand(CliSession &, const Arguments &, Report &);
std::string downloadCommand(CliSession &, const Arguments &, Report &);
std::string deleteCommand(CliSession &, const Arguments &, Report &);
std::string kineticsCommand(CliSession &, const Arguments &, Report &);
// Shared by the commands that measure in a chosen cell: --cell N (1-based) into the light path.
std::string selectCellOption(CliSession &session, const Arguments &args);

} // namespace spectavo::cli
