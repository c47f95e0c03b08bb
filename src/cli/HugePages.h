#pragma once

namespace trazello::cli {

// A large board is read into hundreds of thousands of small blocks, and touching the fresh
// memory page by page costs the kernel as much as reading the file. Asks the C library to back
// the heap with huge pages (where the system allows them on request) by starting this program
// again with that setting; returns when it is already set, was set otherwise by the user, or
// the program could not be started again.
void restartWithHugePages(char** argv);

}  // namespace trazello::cli
