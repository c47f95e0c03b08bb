#pragma once

#include <string>

#include "Captions.h"
#include "model/Message.h"

namespace trazello {

// The text of a message in a language; English is the model's own wording, Russian and French
// come from a table with %1, %2 for the message's arguments. Empty when a language lacks it.
std::string messageIn(const Message& m, Language language);

}  // namespace trazello
