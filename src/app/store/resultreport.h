#pragma once

#include <string>
#include <vector>

#include <QString>

#include "store/resultstore.h"

namespace spectavo::app {

// A stored result's report: its context, the SHA-256 of its data, each electronic signature as
// "Electronically signed by %s (%s) on %s UTC: %s" (marked when the data are no longer what was
// signed), and the trail's head.
std::vector<std::string> resultReportLines(const store::ResultRecord &result,
                                           const std::vector<store::Signature> &signatures,
                                           const std::string &trailHead);

// The lines on A4 pages as a PDF; false when the file cannot be written.
bool writeResultReport(const QString &pdfPath, const std::vector<std::string> &lines);

} // namespace spectavo::app
