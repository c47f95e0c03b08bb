// trazello-cli convert IN OUT: reads a layout of any version and writes version 5.
#include <iostream>

#include "Commands.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"

namespace trazello::cli {

int runConvert(const Args& args) {
  if (args.size() != 2) {
    std::cerr << "Usage: trazello-cli convert IN OUT\n";
    return 2;
  }
  Document doc;
  Result<OpenOutcome> opened = openLayout(doc, args[0], false);
  if (!opened) {
    std::cerr << "trazello-cli: " << cp1252ToUtf8(messageText(opened.error())) << "\n";
    return 1;
  }
  for (const Message& w : opened->warnings) {
    std::cerr << "trazello-cli: " << cp1252ToUtf8(messageText(w)) << "\n";
  }
  if (auto failed = saveLayout(doc, args[1])) {
    std::cerr << "trazello-cli: " << cp1252ToUtf8(messageText(*failed));
    if (failed->args.size() > 1) std::cerr << " (" << failed->args[1] << ")";
    std::cerr << "\n";
    return 1;
  }
  return 0;
}

}  // namespace trazello::cli
