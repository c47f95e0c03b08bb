#include "PictureSupport.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "files/TextEncoding.h"
#include "model/Message.h"

namespace trazello::cli {

std::string programFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

ScannedCopies loadScans(const BoardSettings& s) {
  ScannedCopies scans;
  for (size_t side = 0; side < 2; ++side) {
    if (!s.templateShown[side] || s.templateFile[side].empty()) continue;
    const std::string name = cp1252ToUtf8(s.templateFile[side]);
    Result<LoadedScan> loaded = loadScannedCopy(name);
    if (loaded)
      scans[side] = loaded->image;
    else
      std::cerr << "trazello-cli: " << errorText(loaded.error(), name) << "\n";
  }
  return scans;
}

std::unique_ptr<QGuiApplication> startPictureApplication() {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
  });
  static int argc = 1;
  static char name[] = "trazello-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace trazello::cli
