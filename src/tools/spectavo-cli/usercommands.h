#pragma once

#include <string>

#include "commands.h"
#include "report.h"

namespace spectavo::cli {

// `users setup|list|add|disable|reset|unlock|role`: regulated mode's accounts. A lab manager's user
// id and password are asked on the terminal or read from --password-fd N, never taken from the
// command line; so is a new account's first password.
std::string usersCommand(const Arguments &args, Report &report);

// `results sign ID --meaning performed|reviewed|approved [--comment TEXT]`, as the signer.
std::string signCommand(const Arguments &args, Report &report);

} // namespace spectavo::cli
