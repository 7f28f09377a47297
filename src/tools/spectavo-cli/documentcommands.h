#pragma once

#include <string>

#include "filecommands.h"

namespace spectavo::cli {

// Whether a path names a fixed-wavelength document (.QUA/.QM, .DNA/.DM, .VAL/.VM in any case).
bool isFixedDocument(const std::string &path);
// The document's kind, method, report texts and both tables, every cell as stored.
std::string documentInfo(const std::string &path, Report &report);
// "Recalculate" of the standard and sample pages on a stored fixed points document.
std::string recalcCommand(const Arguments &args, Report &report);

} // namespace spectavo::cli
