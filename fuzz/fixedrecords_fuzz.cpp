// Stored files arrive from the instrument as bytes the link counted: whatever the record and its
// received count say, an import reads only what arrived and leaves every table inside its rows.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/fixed/fixedrecordimport.h"
#include "core/fixed/storeddocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace spectavo;
    if (size < 2)
        return 0;
    // The first byte names the file, the second the steps per nanometre; the rest is the content.
    static constexpr std::array<const char *, 8> kNames = {"A.qua", "A.std", "A.mul", "A.dna",
                                                           "A.phv", "A.wlv", "A.STD", "A.sca"};
    const char *name = kNames[data[0] % kNames.size()];
    const int stepsPerNm = data[1] % 20;
    const std::span<const std::uint8_t> content(data + 2, size - 2);
    for (auto kind :
         {fixed::MethodKind::FixedPoints, fixed::MethodKind::DnaProtein, fixed::MethodKind::Validity}) {
        fixed::StoredDocument document(kind);
        const fixed::ImportOutcome outcome =
            fixed::importRecord(document.parts(), &document.validity(),
                                {name, content, stepsPerNm, false, (data[0] & 0x80) != 0});
        const fixed::FixedMethodRecord &method = document.method();
        if (outcome.imported() && (method.count < 1 || method.count > method.capacity))
            std::abort();
        for (const fixed::SampleTable *table : {&document.samples(), &document.standards()})
            if (table->rowCount() > fixed::SampleTable::kRows)
                std::abort();
    }
    return 0;
}
