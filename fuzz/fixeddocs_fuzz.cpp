// Fixed-wavelength document files are edited by hand and copied between machines: whatever they hold,
// loading one into each kind of document keeps every table inside its 200 rows, and what is loaded
// saves again.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/fixed/storeddocument.h"
#include "textprofile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace spectavo;
    const fuzz::TextProfile file(std::string_view(reinterpret_cast<const char *>(data), size));
    for (auto kind :
         {fixed::MethodKind::FixedPoints, fixed::MethodKind::DnaProtein, fixed::MethodKind::Validity}) {
        for (bool methodOnly : {false, true}) {
            fixed::StoredDocument document(kind);
            (void)fixed::loadDocument(document.parts(), file, methodOnly);
            for (const fixed::SampleTable *table : {&document.samples(), &document.standards()})
                if (table->rowCount() < 0 || table->rowCount() > fixed::SampleTable::kRows ||
                    table->grid().rows() > fixed::SampleTable::kRows + 1)
                    std::abort();
            (void)document.recalculate();
            fuzz::TextProfile saved("");
            fixed::saveDocument(document.parts(), saved, methodOnly);
        }
    }
    return 0;
}
