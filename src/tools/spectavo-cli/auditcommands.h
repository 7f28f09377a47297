#pragma once

#include <memory>
#include <string>

#include "commands.h"
#include "report.h"
#include "store/resultstore.h"

namespace spectavo::cli {

// `audit head|verify|list|export` on the configured store (or the SQLite file of --store).
std::string auditCommand(const Arguments &args, Report &report);

// The store the client records into; null, with the reason in `error`, when it cannot be opened.
std::unique_ptr<store::ResultStore> openClientStore(const Arguments &args, std::string &error);

// After a command that measured or changed the instrument: the event, with the command's report as
// its details. A store that cannot take it is said on standard error; the command's result stands.
void recordCommandEvent(const Arguments &args, const std::string &command, const Report &report);

} // namespace spectavo::cli
