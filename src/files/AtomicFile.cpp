#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <algorithm>

namespace trazello {

namespace {

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t modeForNewFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string lastError() { return std::strerror(errno); }

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path,
                                               std::span<const uint8_t> data) {
  return writeFileAtomically(path, data, {});
}

std::optional<std::string> writeFileAtomically(
    const std::string& path, std::span<const uint8_t> data,
    const std::function<void(const std::string& tempPath)>& beforeReplace) {
  std::string temp = folderOf(path) + "/." + baseName(path) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return lastError();
  auto fail = [&](std::string why) {
    ::close(fd);
    ::unlink(temp.c_str());
    return std::optional<std::string>(std::move(why));
  };
  ::fchmod(fd, modeForNewFile(path));
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? lastError() : "nothing could be written");
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(lastError());
  if (::close(fd) != 0) {
    const std::string why = lastError();
    ::unlink(temp.c_str());
    return why;
  }
  if (beforeReplace) beforeReplace(temp);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = lastError();
    ::unlink(temp.c_str());
    return why;
  }
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> readWholeFile(const std::string& path, std::string* why,
                                                  size_t atMost) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (why) *why = lastError();
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0)
    bytes.reserve(std::min(atMost, static_cast<size_t>(st.st_size)));
  uint8_t buf[1 << 16];
  while (bytes.size() < atMost) {
    const ssize_t n = ::read(fd, buf, std::min(sizeof buf, atMost - bytes.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (why) *why = lastError();
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.insert(bytes.end(), buf, buf + n);
  }
  ::close(fd);
  return bytes;
}

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace trazello
