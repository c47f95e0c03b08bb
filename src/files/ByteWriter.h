#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/LittleEndian.h"

namespace trazello {

// Appends packed little-endian values to a byte buffer. The buffer grows in large steps and
// every value is copied straight into it, since a layout of a large board is millions of them.
class ByteWriter {
 public:
  ByteWriter() = default;
  // A writer that hands its bytes to `sink` whenever about `piece` of them are ready, and the
  // rest on flush(): a large file is then never whole in memory.
  ByteWriter(std::function<void(std::span<const uint8_t>)> sink, size_t piece)
      : buffer_(piece), sink_(std::move(sink)) {}

  template <typename T>
  void put(T v) {
    le::put(extend(sizeof(T)), v);
  }
  void raw(const uint8_t* p, size_t n) {
    if (n > 0) std::memcpy(extend(n), p, n);
  }
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
    uint8_t* p = extend(field + 1);
    p[0] = static_cast<uint8_t>(n);
    std::memcpy(p + 1, s.data(), n);
    std::memset(p + 1 + n, 0, field - n);
  }
  // Room for `n` more bytes at the end, which the caller fills completely.
  uint8_t* extend(size_t n) {
    if (sink_ && size_ > 0 && n > buffer_.size() - size_) flush();
    if (n > buffer_.size() - size_)
      buffer_.resize(std::max({size_t{256}, 2 * buffer_.size(), size_ + n}));
    uint8_t* p = buffer_.data() + size_;
    size_ += n;
    return p;
  }

  // Makes room for `n` bytes in all, so that a close guess of the size fills the buffer without
  // regrowing it.
  void reserve(size_t n) {
    if (n > buffer_.size()) buffer_.resize(n);
  }
  size_t size() const { return size_; }
  // Hands the bytes written so far to the sink; without one, keeps them.
  void flush() {
    if (!sink_) return;
    if (size_ > 0) sink_(std::span<const uint8_t>(buffer_.data(), size_));
    size_ = 0;
  }
  std::vector<uint8_t> take() {
    buffer_.resize(size_);
    size_ = 0;
    return std::move(buffer_);
  }

 private:
  std::vector<uint8_t> buffer_;  // the first size_ bytes are written, the rest is room
  size_t size_ = 0;
  std::function<void(std::span<const uint8_t>)> sink_;
};

}  // namespace trazello
