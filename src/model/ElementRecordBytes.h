#pragma once

#include <array>
#include <cstdint>

#include "TObjekt.h"

namespace trazello {

inline constexpr size_t kStoredRecordSize = 77;
using StoredRecord = std::array<uint8_t, kStoredRecordSize>;

// The 77 stored bytes of an element, as files carry them. The three handle fields are written
// as zero and ignored when read.
StoredRecord storedBytes(const TObjekt& e);
// The same bytes written to `to`, which has room for kStoredRecordSize.
void storeBytes(const TObjekt& e, uint8_t* to);
// Sets the stored fields of `e` from the bytes; lists, strings and memory-only state stay.
void loadStoredBytes(TObjekt& e, const uint8_t* bytes);

}  // namespace trazello
