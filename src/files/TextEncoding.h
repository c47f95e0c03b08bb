#pragma once

#include <string>

namespace trazello {

// Text bytes in files are Windows-1252; the program's edges speak UTF-8.
std::string cp1252ToUtf8(const std::string& bytes);
// Characters without a Windows-1252 byte become '?'.
std::string utf8ToCp1252(const std::string& utf8);

}  // namespace trazello
