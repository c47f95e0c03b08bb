#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "model/LittleEndian.h"

namespace trazello {

// Thrown by ByteReader when the data does not hold what is asked for; the file readers catch it
// and turn it into a message, so it never leaves them.
class DamagedData : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads packed little-endian values from memory and never past its end.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t position() const { return pos_; }
  size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ == data_.size(); }

  const uint8_t* take(size_t n, const char* what) {
    if (n > remaining()) throw DamagedData(std::string("the file ends inside ") + what);
    const uint8_t* p = data_.data() + pos_;
    pos_ += n;
    return p;
  }
  void skip(size_t n, const char* what) { take(n, what); }

  template <typename T>
  T get(const char* what) {
    return le::get<T>(take(sizeof(T), what));
  }
  uint8_t u8(const char* what) { return *take(1, what); }
  int16_t i16(const char* what) { return get<int16_t>(what); }
  int32_t i32(const char* what) { return get<int32_t>(what); }

  // A count that must not be negative and whose items, of at least `itemSize` bytes each, must
  // fit into what is left.
  size_t count32(const char* what, size_t itemSize) { return checkedCount(i32(what), what, itemSize); }
  size_t count16(const char* what, size_t itemSize) { return checkedCount(i16(what), what, itemSize); }

  // An int32 length and that many bytes, at most `maxLength`.
  std::string lengthString(const char* what, size_t maxLength) {
    const int32_t n = i32(what);
    if (n < 0 || static_cast<size_t>(n) > maxLength)
      throw DamagedData(std::string("the length of ") + what + " is " + std::to_string(n));
    const uint8_t* p = take(static_cast<size_t>(n), what);
    return std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(n));
  }

  // A length byte and a field of `field` bytes.
  std::string shortString(size_t field, const char* what) {
    const uint8_t* p = take(field + 1, what);
    return shortStringAt(p, field, what);
  }

  static std::string shortStringAt(const uint8_t* p, size_t field, const char* what) {
    if (p[0] > field)
      throw DamagedData(std::string("the length byte of ") + what + " exceeds its field");
    return std::string(reinterpret_cast<const char*>(p + 1), p[0]);
  }

 private:
  size_t checkedCount(int64_t n, const char* what, size_t itemSize) {
    if (n < 0) throw DamagedData(std::string("a negative count of ") + what);
    if (itemSize > 0 && static_cast<uint64_t>(n) > remaining() / itemSize)
      throw DamagedData(std::string("the count of ") + what + " runs past the end of the file");
    return static_cast<size_t>(n);
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

}  // namespace trazello
