#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

namespace trazello {

namespace {

constexpr int kTempSuffixLength = 6;  // mkstemp's XXXXXX

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string lastError() {
  return std::strerror(errno);
}

// The file a chain of symbolic links ends at; the path itself when it is no link. A dangling
// link names the file the save will create.
std::string linkTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(current.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return current;
    const std::string next(buf, static_cast<size_t>(n));
    current = next.front() == '/' ? next : folderOf(current) + "/" + next;
  }
  return current;
}

mode_t modeForNewFile(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

using Producer = std::function<void(const ByteSink&)>;

// Writes what `produce` gives into `fd` and flushes it to disk; the first failure is the
// reason, and what follows it is not written. A producer running out of memory is a failure
// like a full disk: the caller keeps the previous file.
std::optional<std::string> writeAll(int fd, const Producer& produce) {
  std::optional<std::string> failed;
  try {
    produce([&](std::span<const uint8_t> data) {
      size_t done = 0;
      while (!failed && done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
          failed = n < 0 ? lastError() : "nothing could be written";
        else
          done += static_cast<size_t>(n);
      }
    });
  } catch (const std::bad_alloc&) {
    failed = "there is not enough memory";
  }
  if (failed) return failed;
  if (::fsync(fd) != 0) return lastError();
  return std::nullopt;
}

// Writes the complete temporary copy; its name is returned in `temp`.
std::optional<std::string> writeTemporary(const std::string& target, const Producer& produce,
                                          mode_t mode, std::string& temp) {
  temp = folderOf(target) + "/." + baseName(target) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return lastError();
  ::fchmod(fd, mode);
  std::optional<std::string> failed = writeAll(fd, produce);
  if (::close(fd) != 0 && !failed) failed = lastError();
  if (failed) ::unlink(temp.c_str());
  return failed;
}

// Rewrites a hard-linked file in its own inode. Should that fail half-way, the complete copy
// takes the file's place instead: the links part, but nothing is lost.
std::optional<std::string> rewriteInPlace(const std::string& target, const std::string& temp,
                                          const Producer& produce) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  std::optional<std::string> failed = fd < 0 ? lastError() : writeAll(fd, produce);
  if (fd >= 0 && ::close(fd) != 0 && !failed) failed = lastError();
  if (!failed) {
    ::unlink(temp.c_str());
    return std::nullopt;
  }
  if (::rename(temp.c_str(), target.c_str()) == 0) return std::nullopt;
  return failed;
}

bool isOurTemporaryOf(const std::string& entry, const std::string& base) {
  const std::string prefix = "." + base + ".";
  if (entry.size() != prefix.size() + kTempSuffixLength || entry.compare(0, prefix.size(), prefix))
    return false;
  return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Saves killed between writing and renaming leave their temporary copies behind.
void removeStaleTemporaries(const std::string& target) {
  const std::string folder = folderOf(target);
  const std::string base = baseName(target);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* e = ::readdir(dir)) {
    if (!isOurTemporaryOf(e->d_name, base)) continue;
    const std::string stale = folder + "/" + e->d_name;
    struct stat st {};
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(stale.c_str());
  }
  ::closedir(dir);
}

bool readOnly(const struct stat& st, const std::string& path) {
  // Root may write anything; a file without any write bit is still read-only to the user.
  return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path,
                                               std::span<const uint8_t> data,
                                               const AtomicWrite& how) {
  return writeFileAtomically(
      path, [&](const ByteSink& sink) { sink(data); }, how);
}

std::optional<std::string> writeFileAtomically(const std::string& path, const Producer& produce,
                                               const AtomicWrite& how) {
  const std::string target = linkTarget(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return "it is not a regular file";
  if (exists && !how.replaceReadOnly && readOnly(st, target)) return "the file is read-only";

  std::string temp;
  if (auto failed = writeTemporary(target, produce, modeForNewFile(exists ? &st : nullptr), temp))
    return failed;
  if (how.beforeReplace) how.beforeReplace(temp);
  if (exists && st.st_nlink > 1) {
    if (auto failed = rewriteInPlace(target, temp, produce)) return failed;
  } else if (::rename(temp.c_str(), target.c_str()) != 0) {
    const std::string why = lastError();
    ::unlink(temp.c_str());
    return why;
  }
  removeStaleTemporaries(target);
  return std::nullopt;
}

bool isReadOnlyFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && readOnly(st, path);
}

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path, std::string* why,
                                                  size_t atMost) {
  auto refuse = [&](std::string reason) {
    if (why) *why = std::move(reason);
    return std::nullopt;
  };
  // Non-blocking, so that a pipe named like a file cannot hold the program at open().
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return refuse(lastError());
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return refuse("it is not a regular file");
  }
  const size_t wanted = std::min(atMost, static_cast<size_t>(st.st_size));
  if (wanted > kWholeFileLimit) {
    ::close(fd);
    return refuse("the file is larger than " + std::to_string(kWholeFileLimit >> 20) + " MB");
  }
  std::vector<uint8_t> bytes;
  try {
    // The size the file has now is read straight into place; a file still growing is read on
    // up to the limit, never beyond it.
    const size_t limit = std::min(atMost, kWholeFileLimit);
    bytes.resize(wanted);
    size_t have = 0;
    uint8_t more[1 << 16];
    while (have < limit) {
      const bool inPlace = have < bytes.size();
      uint8_t* to = inPlace ? bytes.data() + have : more;
      const size_t room = inPlace ? bytes.size() - have : std::min(sizeof more, limit - have);
      const ssize_t n = ::read(fd, to, room);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        const std::string reason = lastError();
        ::close(fd);
        return refuse(reason);
      }
      if (n == 0) break;
      if (!inPlace) bytes.insert(bytes.end(), more, more + n);
      have += static_cast<size_t>(n);
    }
    bytes.resize(have);
  } catch (const std::bad_alloc&) {
    ::close(fd);
    return refuse("there is not enough memory to read it");
  }
  ::close(fd);
  return bytes;
}

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

}  // namespace trazello
