#pragma once

#include <QGuiApplication>
#include <memory>
#include <string>

#include "model/BoardSettings.h"
#include "view/ScannedCopy.h"

namespace trazello::cli {

// What the commands that draw pictures share.

// The folder of the running program, where the colour schemes live; empty when unknown.
std::string programFolder();

// The scanned copies the board shows; a scan that cannot be read is reported on stderr and left
// out, as the window leaves it out.
ScannedCopies loadScans(const BoardSettings& board);

// A Qt application without a screen, for the font database that text in pictures needs. Qt's
// notes about the machine are kept out of a script's log; only its errors pass.
std::unique_ptr<QGuiApplication> startPictureApplication();

}  // namespace trazello::cli
