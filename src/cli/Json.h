#pragma once

#include <cstdint>
#include <string>

namespace trazello::cli {

// A small streaming JSON writer: enough for the tool's reports, with floats printed so that
// they read back to the same value.
class Json {
 public:
  Json& beginObject();
  Json& endObject();
  Json& beginArray();
  Json& endArray();
  Json& key(const std::string& k);
  Json& value(const std::string& s);  // UTF-8
  Json& value(const char* s) { return value(std::string(s)); }
  Json& value(float f);
  Json& value(double d);
  Json& value(int64_t i);
  Json& value(int32_t i) { return value(static_cast<int64_t>(i)); }
  Json& value(uint32_t i) { return value(static_cast<int64_t>(i)); }
  Json& value(uint8_t i) { return value(static_cast<int64_t>(i)); }
  Json& value(size_t i) { return value(static_cast<int64_t>(i)); }
  Json& value(bool b);

  template <typename T>
  Json& field(const std::string& k, const T& v) {
    key(k);
    return value(v);
  }

  const std::string& str() const { return out_; }

 private:
  void separate();

  std::string out_;
  bool needComma_ = false;
};

}  // namespace trazello::cli
