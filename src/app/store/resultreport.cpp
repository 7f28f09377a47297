#include "app/store/resultreport.h"

#include <QPainter>
#include <QPdfWriter>

#include "core/shell/sha256.h"
#include "core/strings/cformat.h"
#include "store/accountbook.h"

namespace spectavo::app {

std::vector<std::string> resultReportLines(const store::ResultRecord &result,
                                           const std::vector<store::Signature> &signatures,
                                           const std::string &trailHead) {
    const std::string sha = shell::sha256Hex(result.data);
    std::vector<std::string> lines = {
        strings::formatC("Result %lld", static_cast<long long>(result.id)),
        "",
        "Kind: " + result.kind + " (" + result.state + ")",
        "Sample: " + result.sample,
        "Method: " + result.method,
        "Operator: " + result.operatorName,
        "Instrument: " + result.instrumentModel + " " + result.instrumentSerial + ", firmware " +
            result.instrumentFirmware,
        "Workstation: " + result.workstation,
        "Measured: " + result.startedUtc + " to " + result.endedUtc + " (UTC)",
        "Data: " + result.dataFormat + ", " + std::to_string(result.data.size()) + " bytes",
        "SHA-256: " + sha,
        "",
    };
    if (signatures.empty())
        lines.push_back("Not signed.");
    for (const store::Signature &signature : signatures) {
        lines.push_back(store::signatureLine(signature, sha));
        if (!signature.comment.empty())
            lines.push_back("    " + signature.comment);
    }
    if (!trailHead.empty()) {
        lines.push_back("");
        lines.push_back(trailHead);
    }
    return lines;
}

bool writeResultReport(const QString &pdfPath, const std::vector<std::string> &lines) {
    QPdfWriter pdf(pdfPath);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    QFont font("Sans Serif", 10);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().height() * 3 / 2;
    const int margin = 300; // an inch at 300 dpi
    int y = margin;
    for (const std::string &line : lines) {
        if (y + lineHeight > pdf.height() - margin) {
            pdf.newPage();
            y = margin;
        }
        painter.drawText(margin, y, QString::fromStdString(line));
        y += lineHeight;
    }
    return painter.end();
}

} // namespace spectavo::app
