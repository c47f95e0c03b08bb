#pragma once

#include <string>
#include <vector>

namespace trazello {

// A message for the user, returned as data by the document and file layers; the window shows it
// in a box captioned "Trazello" in the current language.
enum class MessageKind { Information, Warning, Error, Question };

enum class MessageId {
  BoardAdded,          // args: board name
  DeleteBoardQuestion, // args: board name
  LastBoardKept,
  SaveChanges,
  BoardSizeOutOfRange,
  NotATrazelloFile,     // args: file name without path; caption "Open"
  FileNotFound,         // caption "Open"
  FileCannotBeWritten,  // args: full file name
  DamagedLayoutFile,    // args: file name, what is wrong
  FileCannotBeRead,     // args: file name, reason
  LayersExchanged,
  LegacyTextQuestion,   // args: count
  TextsConverted,
  ConnectionsRemoved,   // args: removed, remaining
  SaveColourChanges,
  ScannedCopyNotLoaded,  // args: file name, reason
  GerberFileCreated,     // caption "Gerber file (RS274X format)"
  GerberFileNotCreated,  // args: full file name, reason; caption "Gerber file (RS274X format)"
  DrillFileNotWritten,   // args: full file name, reason
  TextInClipboard,
  TextNotGenerated,
  ResetSolderMaskQuestion,  // OK / Cancel
  SolderMaskReset,
  LayoutNotSaved,  // args: full file name, reason
  HotkeyInUse,  // args: the letter
  ReplaceReadOnlyQuestion,  // args: full file name; Yes / No
  UnsoundElementsLeftOut,   // args: count, kinds with counts
  TrailingBytesIgnored,     // args: count of bytes
  ValueOutOfRange,  // args: lower limit, upper limit (general number format)
  NotAMacroFile,             // args: file name without path
  DamagedMacroFile,          // args: file name, what is wrong
  NoElementsForMacro,        // caption "Savce macro"
  SaveWholeLayoutAsMacro,    // Yes / No; caption "Save as macro"
  DeleteMacroQuestion,       // args: file name; OK / Cancel
  MacroNotDeleted,           // args: full file name, reason
  PreviewCopied,             // the print preview's picture is on the clipboard
  CalibrationOutOfRange,     // a printer correction factor outside 0.8 to 1.2
  // isolation and outline milling
  MillingGroundPlaneIgnored,  // caption "Isolation milling"
  NoMillingElements,          // caption "Isolation milling"
  MillingShorts,              // args: count, the places; caption "Isolation milling"
  NoOutlineElements,          // caption "PCB outline"
  GerberFileRefused,  // args: file name, what is wrong
  GerberFileWarnings,  // args: file names, the warnings one per line
  LargeBitmapQuestion,       // OK / Cancel, warning icon
  JpegNotCreated,
  BoardSizesLimited,         // args: count of boards
  DrillFileRefused,  // args: file name, what is wrong
  Count,  // not a message: the number of messages; new ones go above
};

struct Message {
  MessageKind kind = MessageKind::Information;
  MessageId id = MessageId::BoardAdded;
  std::vector<std::string> args;
  std::string caption = "Trazello";

  friend bool operator==(const Message&, const Message&) = default;
};

// The English text of a message.
std::string messageText(const Message& m);

}  // namespace trazello
