#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/scan/time/kinespectrum.h"
#include "core/scan/wave/wavespectrum.h"

namespace spectavo::scan {

// A spectrum or a curve, as read from a data file of any format.
struct DataFileContent {
    std::optional<CWaveSpectrum> spectrum;
    std::optional<CKineSpectrum> curve;
    // Points the file's data lines supplied, of the points its header announces.
    std::size_t pointsInFile = 0;
    std::size_t pointsExpected = 0;
    // "The file holds %d of its %d points." when its data end early; empty otherwise.
    std::string shortFileNote() const;
};

// The data files the program reads and writes, one entry a format: its extensions (lower case, no
// dot; the first is the one a save proposes), the file dialog's filter, and how it is read and
// written. The windows and the command-line client choose by this table. A reader or writer returns
// an error text, empty on success; a format without a reader or writer has none. A format with an
// export text is offered in the scan windows' File menu under it, in the table's order.
// Looking a format up by extension finds the first entry that has it.
struct DataFileFormat {
    const char *name;
    std::vector<std::string> extensions;
    const char *filter;
    std::string (*read)(const std::string &path, DataFileContent &content);
    std::string (*write)(DataFileContent &content, const std::string &path);
    const char *exportText = nullptr;
};

const std::vector<DataFileFormat> &dataFileFormats();
// The formats the scan windows export to, in menu order.
std::vector<const DataFileFormat *> exportFormats();
// The format of a file by its extension (letter case ignored); null for other files.
const DataFileFormat *dataFileFormatFor(const std::string &path);
// Reading and writing by the table, with an error text naming the file and what went wrong.
std::string readDataFile(const std::string &path, DataFileContent &content);
std::string writeDataFile(DataFileContent &content, const std::string &path);
// The name an export proposes: the record's name with the export's own extension in place of the one
// it has ("x.sca" -> "x.csv"), so that accepting it can never replace the file the record came from.
std::string exportFileName(const std::string &name, const std::string &extension);
// Every readable extension, for messages: ".sca, .wav, ...".
std::string readableExtensions();

} // namespace spectavo::scan
