#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "model/LittleEndian.h"

namespace trazello {

// Appends packed little-endian values to a byte buffer.
class ByteWriter {
 public:
  template <typename T>
  void put(T v) {
    const size_t at = bytes_.size();
    bytes_.resize(at + sizeof(T));
    le::put(bytes_.data() + at, v);
  }
  void raw(const uint8_t* p, size_t n) { bytes_.insert(bytes_.end(), p, p + n); }
  template <typename Container>
  void raw(const Container& c) {
    raw(c.data(), c.size());
  }
  // An int32 length and the bytes, cut to `maxLength`.
  void lengthString(const std::string& s, size_t maxLength) {
    const size_t n = std::min(s.size(), maxLength);
    put<int32_t>(static_cast<int32_t>(n));
    raw(reinterpret_cast<const uint8_t*>(s.data()), n);
  }
  // A length byte and a zero-filled field of `field` bytes.
  void shortString(const std::string& s, size_t field) {
    const size_t n = std::min(s.size(), field);
    put<uint8_t>(static_cast<uint8_t>(n));
    raw(reinterpret_cast<const uint8_t*>(s.data()), n);
    bytes_.resize(bytes_.size() + field - n, 0);
  }

  void reserve(size_t n) { bytes_.reserve(n); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace trazello
