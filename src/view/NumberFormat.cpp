#include "NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trazello {

namespace {
void stripZeros(std::string& s) {
  if (s.find('.') == std::string::npos) return;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
}
}  // namespace

std::string formatGeneral(double v, int precision) {
  if (v == 0 || !std::isfinite(v)) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", precision - 1, v);
  std::string e(buf);
  const size_t at = e.find('e');
  const int exponent = std::stoi(e.substr(at + 1));
  if (exponent >= precision) {
    std::string mantissa = e.substr(0, at);
    stripZeros(mantissa);
    return mantissa + "E" + std::to_string(exponent);
  }
  const int decimals = std::max(0, precision - 1 - exponent);
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s(buf);
  stripZeros(s);
  if (s == "-0") s = "0";
  return s;
}

int characterCount(const std::string& text) {
  int n = 0;
  for (unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

std::string padLeft(const std::string& text, int width) {
  const int missing = width - characterCount(text);
  return missing > 0 ? std::string(static_cast<size_t>(missing), ' ') + text : text;
}

}  // namespace trazello
