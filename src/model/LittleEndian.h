#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Packed little-endian fields of the stored records.
namespace trazello::le {

template <typename T>
void put(uint8_t* at, T v) {
  static_assert(std::endian::native == std::endian::little, "stored records are little-endian");
  std::memcpy(at, &v, sizeof(T));
}

template <typename T>
T get(const uint8_t* at) {
  T v;
  std::memcpy(&v, at, sizeof(T));
  return v;
}

}  // namespace trazello::le
