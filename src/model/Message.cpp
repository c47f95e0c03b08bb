#include "Message.h"

namespace trazello {

namespace {
std::string arg(const Message& m, size_t i) { return i < m.args.size() ? m.args[i] : std::string(); }
}  // namespace

std::string messageText(const Message& m) {
  switch (m.id) {
    case MessageId::BoardAdded: return "A new Board named \"" + arg(m, 0) + "\" was added.";
    case MessageId::DeleteBoardQuestion: return "Delete board \"" + arg(m, 0) + "\" ?";
    case MessageId::LastBoardKept: return "A project must at least contains one board.";
    case MessageId::SaveChanges: return "Save changes?";
    case MessageId::BoardSizeOutOfRange:
      return "The board size must lie between 1 and 500 mm.";
    case MessageId::NotATrazelloFile: return "\"" + arg(m, 0) + "\" is not a Trazello file.";
    case MessageId::FileNotFound: return "File not found!";
    case MessageId::FileCannotBeWritten:
      return "The file \"" + arg(m, 0) + "\" can not be written.";
    case MessageId::DamagedLayoutFile:
      return "The file \"" + arg(m, 0) + "\" is damaged and can not be opened:\r" + arg(m, 1) + ".";
    case MessageId::FileCannotBeRead:
      return "The file \"" + arg(m, 0) + "\" can not be read:\r" + arg(m, 1) + ".";
    case MessageId::LayersExchanged:
      return "This layout was create with an older version.\r\rThe elements on the copper-layer C1 "
             "and C2 will be exchanged,\rbecause of the new layer-structure.";
    case MessageId::LegacyTextQuestion:
      return "There are " + arg(m, 0) +
             " Font-Text elements on the layout.\rThese elements will not be supported "
             "anymore.\r\rReplace these elements with Layout-Text elements?";
    case MessageId::TextsConverted: return "Text-elements converted.";
    case MessageId::GerberFileCreated: return "File created successfully.";
    case MessageId::GerberFileNotCreated:
      return "Can not create file!\r\r" + arg(m, 0) + ":\r" + arg(m, 1) + ".";
    case MessageId::DrillFileNotWritten:
      return "The drill file \"" + arg(m, 0) + "\" can not be written:\r" + arg(m, 1) + ".";
    case MessageId::TextInClipboard: return "The text is now in the clipboard";
    case MessageId::TextNotGenerated: return "The text could not be generated.";
    case MessageId::ResetSolderMaskQuestion:
      return "This function will undo all manual changes to the solder mask,\rand reset the solder mask to "
             "default (all Pads and SMD-Pads).\r\rContinue?";
    case MessageId::SolderMaskReset: return "The soldermask is resetted.";
    case MessageId::LayoutNotSaved:
      return "The file \"" + arg(m, 0) + "\" can not be written:\r" + arg(m, 1) + ".";
    case MessageId::ConnectionsRemoved:
      return arg(m, 0) + " connections (rubberbands) removed.\r" + arg(m, 1) +
             " connections (rubberbands) remaining.";
    case MessageId::SaveColourChanges: return "You have changed the colors.\rSave changes?";
    case MessageId::ScannedCopyNotLoaded:
      return "Error loading scanned-copy-bitmap: " + arg(m, 0) + "\r" + arg(m, 1);
    case MessageId::HotkeyInUse: return "The hotkey \"" + arg(m, 0) + "\" is already in use.";
    case MessageId::ReplaceReadOnlyQuestion:
      return "The file \"" + arg(m, 0) + "\" is read-only.\rReplace it all the same?";
    case MessageId::UnsoundElementsLeftOut:
      return arg(m, 0) + " elements with coordinates or sizes no board can have were left out (" +
             arg(m, 1) + ").\rThe file is unchanged until you save it.";
    case MessageId::TrailingBytesIgnored:
      return arg(m, 0) + " bytes after the end of the layout were ignored.";
    case MessageId::ValueOutOfRange:
      return "The value must be " + arg(m, 0) + " ... " + arg(m, 1) + " .";
    case MessageId::NotAMacroFile: return "\"" + arg(m, 0) + "\" is not a Trazello macro file.";
    case MessageId::DamagedMacroFile:
      return "The macro file \"" + arg(m, 0) + "\" is damaged and can not be loaded:\r" +
             arg(m, 1) + ".";
    case MessageId::NoElementsForMacro: return "There are no elements on the board.";
    case MessageId::SaveWholeLayoutAsMacro:
      return "No objects selected.\rSave whole layout as macro?";
    case MessageId::DeleteMacroQuestion: return "Delete file \"" + arg(m, 0) + "\" ?";
    case MessageId::MacroNotDeleted:
      return "The file \"" + arg(m, 0) + "\" can not be deleted:\r" + arg(m, 1) + ".";
    case MessageId::PreviewCopied:
      return "The bitmap of the preview has been copied to the clipboard.";
    case MessageId::CalibrationOutOfRange: return "Please enter values from 0.8 to 1.2";
    case MessageId::MillingGroundPlaneIgnored:
      return "The automatic ground plane on the selected layer will be ignored.";
    case MessageId::NoMillingElements:
      return "There are no milling-elements on the selected layer.";
    case MessageId::MillingShorts:
      return "The milling tool is too wide to separate all nets: copper of different nets "
             "stays joined at " + arg(m, 0) + " places:\r" + arg(m, 1);
    case MessageId::NoOutlineElements: return "No elements for the PCB outline available.";
    case MessageId::GerberFileRefused:
      return "The Gerber file \"" + arg(m, 0) + "\" was not imported: " + arg(m, 1) + ".";
    case MessageId::GerberFileWarnings:
      return "The Gerber import read \"" + arg(m, 0) + "\" with these remarks:\n" + arg(m, 1);
    case MessageId::LargeBitmapQuestion:
      return "You are about to create a large bitmap.\rBetter make sure that your work is "
             "saved.\r\rContinue ?";
    case MessageId::JpegNotCreated:
      return "Error creating JPG-file. Please try another resolution (dpi).";
    case MessageId::BoardSizesLimited:
      return arg(m, 0) + " boards had a size no board can have and were brought within 1 mm to 10 m.\r"
             "The file is unchanged until you save it.";
    case MessageId::DrillFileRefused:
      return "The drill file \"" + arg(m, 0) + "\" was not imported: " + arg(m, 1) + ".";
    case MessageId::Count: break;
  }
  return {};
}

}  // namespace trazello
