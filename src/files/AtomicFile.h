#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trazello {

// How `writeFileAtomically` treats what it finds at the target.
struct AtomicWrite {
  // Replace a file nobody may write to; the editor asks the user before it sets this.
  bool replaceReadOnly = false;
  // Called with the name of the complete, flushed temporary file just before it replaces the
  // target: the one moment a crash leaves both files behind.
  std::function<void(const std::string& tempPath)> beforeReplace;
};

// Writes `data` to a temporary file beside the target, flushes it to disk and only then puts it
// in the target's place, so a failed write never harms the previous file. A symbolic link is
// followed to the file it names (the link stays); a file with several hard links is rewritten in
// place once the complete copy is safe on disk, so the links stay joined. Temporary files of
// earlier interrupted saves of the same file are removed after a successful save. Returns the
// reason when it fails.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               std::span<const uint8_t> data,
                                               const AtomicWrite& how = {});

// Takes the bytes of a file piece by piece, in order.
using ByteSink = std::function<void(std::span<const uint8_t>)>;

// The same for a file made piece by piece, so that it never lies whole in memory: `produce`
// hands every piece of it to the sink, in order. It may be called twice, when a file with
// several hard links is rewritten in place, and must give the same bytes each time.
std::optional<std::string> writeFileAtomically(const std::string& path,
                                               const std::function<void(const ByteSink&)>& produce,
                                               const AtomicWrite& how = {});

// True when `path` names an existing file nobody may write to.
bool isReadOnlyFile(const std::string& path);

// Whole-file reads refuse files larger than this: ten times the largest layout or scan anybody
// draws, far beyond any board of the size limit.
inline constexpr size_t kWholeFileLimit = size_t{1} << 30;

// The whole file (or its first `atMost` bytes), or nothing with the reason in `why`. Only a
// regular file of at most `kWholeFileLimit` bytes is read; a pipe or folder is refused at once.
std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path, std::string* why,
                                                  size_t atMost = SIZE_MAX);

bool fileExists(const std::string& path);

// True when both paths name the same existing file (through links or other spellings).
bool sameFile(const std::string& a, const std::string& b);

}  // namespace trazello
