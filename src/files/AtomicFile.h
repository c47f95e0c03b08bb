#pragma once

#include <cstdint>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trazello {

// Writes `data` to a temporary file in the target's folder, flushes it to disk and only then
// renames it over `path`, so a failed write never harms the previous file. Returns the reason
// when it fails.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               std::span<const uint8_t> data);

// The same, calling `beforeReplace` with the name of the complete, flushed temporary file just
// before it replaces `path`: the one moment a crash leaves both files behind.
std::optional<std::string> writeFileAtomically(
    const std::string& path, std::span<const uint8_t> data,
    const std::function<void(const std::string& tempPath)>& beforeReplace);

// The whole file (or its first `atMost` bytes), or nothing with the reason in `why`.
std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path, std::string* why,
                                                  size_t atMost = SIZE_MAX);

bool fileExists(const std::string& path);

}  // namespace trazello
