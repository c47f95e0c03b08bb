#pragma once

#include <optional>
#include <string>

#include "ExcellonFile.h"
#include "GerberExport.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"
#include "model/Message.h"

namespace trazello {

// Writes one Gerber file (replacing `path` only once it is complete) and returns what the
// user is told: "File created successfully." or, with the reason, "Can not create file!".
Message saveGerberFile(const ElementList& elements, const BoardSettings& board,
                       const GerberOptions& options, const std::string& path);

// Writes the drill file; nothing when it worked, else the message naming file and reason.
std::optional<Message> saveDrillFile(const ElementList& elements, const BoardSettings& board,
                                     const ExcellonOptions& options, const std::string& path);

// The caption of the Gerber export's message boxes.
inline constexpr const char* kGerberMessageCaption = "Gerber file (RS274X format)";

// The caption of an output message's box in the program's language.
std::string outputMessageCaption(const Message& m, int language);

// The text of an output message in the program's language (0 Russian, 1 English, 2 French).
std::string outputMessageText(const Message& m, int language);

}  // namespace trazello
