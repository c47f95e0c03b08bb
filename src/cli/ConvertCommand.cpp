// trazello-cli convert IN OUT: reads a layout of any version and writes version 5.
#include <iostream>

#include "Commands.h"
#include "files/LayoutIo.h"
#include "files/TextEncoding.h"

namespace trazello::cli {

namespace {

int runConvert(const Args& args) {
  ArgReader in(args);
  std::string from, to;
  while (!in.atEnd()) {
    const std::string& a = in.next();
    in.operand(a, from.empty() ? from : to);
  }
  in.require(from, "IN");
  in.require(to, "OUT");
  in.distinct(from, to, "OUT");
  if (in.failed()) return usageError("convert", in.error());
  Document doc;
  Result<OpenOutcome> opened = openLayout(doc, from, false);
  if (!opened) {
    std::cerr << "trazello-cli: " << errorText(opened.error(), from) << "\n";
    return 1;
  }
  for (const Message& w : opened->warnings)
    std::cerr << "trazello-cli: " << errorText(w, from) << "\n";
  if (auto failed = saveLayout(doc, to)) {
    std::cerr << "trazello-cli: " << errorText(*failed, to);
    if (failed->args.size() > 1) std::cerr << " (" << failed->args[1] << ")";
    std::cerr << "\n";
    return 1;
  }
  keepUntilExit(std::move(doc));
  return 0;
}

}  // namespace

const Command kConvertCommand{"convert",
                              "Usage: trazello-cli convert IN OUT\n"
                              "Reads a layout of any version and writes it as version 5.\n",
                              runConvert};

}  // namespace trazello::cli
