#include "Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trazello::cli {

void Json::separate() {
  if (needComma_) out_ += ',';
  needComma_ = false;
}

Json& Json::beginObject() {
  separate();
  out_ += '{';
  return *this;
}

Json& Json::endObject() {
  out_ += '}';
  needComma_ = true;
  return *this;
}

Json& Json::beginArray() {
  separate();
  out_ += '[';
  return *this;
}

Json& Json::endArray() {
  out_ += ']';
  needComma_ = true;
  return *this;
}

Json& Json::key(const std::string& k) {
  value(k);
  out_ += ':';
  needComma_ = false;
  return *this;
}

Json& Json::value(const std::string& s) {
  separate();
  out_ += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
  needComma_ = true;
  return *this;
}

namespace {
template <typename F>
std::string shortest(F v) {
  if (!std::isfinite(v)) return "null";  // JSON has no NaN or infinity
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}
}  // namespace

Json& Json::value(float f) {
  separate();
  out_ += shortest(f);
  needComma_ = true;
  return *this;
}

Json& Json::value(double d) {
  separate();
  out_ += shortest(d);
  needComma_ = true;
  return *this;
}

Json& Json::value(int64_t i) {
  separate();
  out_ += std::to_string(i);
  needComma_ = true;
  return *this;
}

Json& Json::value(bool b) {
  separate();
  out_ += b ? "true" : "false";
  needComma_ = true;
  return *this;
}

}  // namespace trazello::cli
