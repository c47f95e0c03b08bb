#include "HugePages.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace trazello::cli {

void restartWithHugePages(char** argv) {
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  const std::string given = tunables ? tunables : "";
  if (given.find("glibc.malloc.hugetlb") != std::string::npos) return;
  const std::string wanted = (given.empty() ? "" : given + ":") + "glibc.malloc.hugetlb=1";
  if (::setenv("GLIBC_TUNABLES", wanted.c_str(), 1) != 0) return;
  ::execv("/proc/self/exe", argv);
  // Not started again: go on with the heap as it is, leaving the setting to nobody else.
  if (tunables)
    ::setenv("GLIBC_TUNABLES", tunables, 1);
  else
    ::unsetenv("GLIBC_TUNABLES");
}

}  // namespace trazello::cli
