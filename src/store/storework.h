#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "store/resultstore.h"

namespace spectavo::store {

// A piece of work for the store: an event to append or a result to keep.
using StoreWork = std::variant<NewEvent, ResultRecord>;

// Gives the work the id and time it keeps wherever it goes next, so that sending it twice stores it
// once and at the time it happened.
void stampWork(StoreWork &work);

// The work as bytes for a file that keeps it until the store takes it: "E" or "R", then each field
// as its length in decimal, a colon and its bytes.
std::string encodeWork(const StoreWork &work);
// Nothing when the bytes are not work as `encodeWork` writes it.
std::optional<StoreWork> decodeWork(std::string_view bytes);

} // namespace spectavo::store
