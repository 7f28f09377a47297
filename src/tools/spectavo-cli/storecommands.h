#pragma once

#include <chrono>
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

// `results list|show|export` on the same store.
std::string resultsCommand(const Arguments &args, Report &report);

// The instrument a command ran on, and when it started.
struct CommandContext {
    std::string model;
    std::string serial;
    std::string firmware;
    std::chrono::system_clock::time_point started;
};

// Whether the store keeps something of an instrument command: what it measured, or what it deleted.
bool recordsInStore(const std::string &command);
// After such a command succeeded: a measurement is kept as a result (its file's bytes, or the report
// for a readout) with its measurement event; a deletion as its event. A store that cannot take it is
// said on standard error; the command's result stands.
void recordCommand(const Arguments &args, const std::string &command, const CommandContext &context,
                   const Report &report);

} // namespace spectavo::cli
