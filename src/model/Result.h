#pragma once

#include <optional>
#include <utility>

#include "Message.h"

namespace trazello {

// A value or the message that says why there is none; errors are values at library boundaries.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Message error) : error_(std::move(error)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T& operator*() { return *value_; }
  T* operator->() { return &*value_; }
  const Message& error() const { return error_; }

 private:
  std::optional<T> value_;
  Message error_;
};

}  // namespace trazello
