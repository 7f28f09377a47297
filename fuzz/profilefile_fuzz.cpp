// Settings and data files are edited by hand and copied between machines: parsing, looking up and
// rewriting any byte sequence must neither crash nor lose the lines it does not touch.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/config/inidocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    spectavo::IniDocument document = spectavo::IniDocument::parse(std::string(text));

    // A parse without changes must give the bytes back unchanged.
    if (document.serialize() != text)
        std::abort();

    (void)document.value("Font 2", "Name");
    (void)document.value("", "");
    document.setValue("ZAV Range", "PeakHeight", "0.030000");
    document.setValue("Extended", "Memo",
                      "a\x01"
                      "b");
    const std::string once = document.serialize();

    // Reading what was written gives the written value back.
    const spectavo::IniDocument reread = spectavo::IniDocument::parse(once);
    const auto value = reread.value("zav range", "peakheight");
    if (!value || *value != "0.030000")
        std::abort();
    return 0;
}
