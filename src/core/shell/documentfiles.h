#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/profilestore.h"
#include "core/shell/commandids.h"

namespace spectavo::shell {

// The five document kinds, in the order of the "New" commands; the number is the one kept as
// `LastType` in the application settings.
enum class DocumentKind { FixedPoints = 0, WavelengthScan = 1, TimeScan = 2, DnaProtein = 3, Validity = 4 };

// What the program knows of a kind without opening a window: its titles, the files it opens.
struct DocumentKindInfo {
    DocumentKind kind;
    const char *title;                   // a new window's title
    const char *newCommand;              // the File menu's "New" entry
    std::vector<std::string> extensions; // lower case, without the dot
    const char *area;                    // the settings area of its measurement ("func.<area>")
    int helpTopic;                       // the Help menu's command for its window
};

// Every kind, in the order of the "New" commands.
const std::vector<DocumentKindInfo> &documentKinds();
const DocumentKindInfo &documentKindInfo(DocumentKind kind);
// The kind of a stored `LastType`; fixed points for a number that is no kind.
DocumentKind documentKindFromNumber(int number);
// The Open dialog's filter over every kind's extensions.
std::string documentFileFilter();

// The help topic (a command id of the Help menu) for a window of a kind, or the first topic for none.
int helpTopicOf(std::optional<DocumentKind> kind);

// The kind that opens a file, by its extension (letter case ignored); nothing for other files.
std::optional<DocumentKind> documentKindForFile(const std::string &path);

// The recently opened files (four, newest first), kept in the application settings.
class RecentFiles {
public:
    static constexpr std::size_t kEntries = 4;
    static constexpr const char *kSection = "Recent File List";

    void load(const ProfileStore &settings);
    void save(ProfileStore &settings) const;
    // Moves the file to the front, dropping the oldest entry beyond four.
    void add(const std::string &path);
    const std::vector<std::string> &files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};

// A name proposed in a Save dialog, made safe: records from the instrument and files from elsewhere
// carry names that could hold path separators or control characters. Those go, as do leading dots
// (a proposal never names a hidden file or a parent folder); what is left is the name.
std::string proposedFileName(std::string_view name);

} // namespace spectavo::shell
