#include "OutputFiles.h"

#include <span>

#include "Captions.h"
#include "files/AtomicFile.h"

namespace trazello {

namespace {

std::optional<std::string> writeText(const std::string& path, const std::string& text) {
  return writeFileAtomically(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

constexpr Localized kGerberCaption{{"Файл Gerber (формат RS274X)", "Gerber file (RS274X format)",
                                    "Fichier Gerber (format RS274X)"}};
constexpr Localized kCreated{
    {"Файл успешно создан.", "File created successfully.", "Fichier créé avec succès."}};
constexpr Localized kNotCreated{
    {"Невозможно создать файл!", "Can not create file!", "Impossible de créer le fichier !"}};
constexpr Localized kDrillNotWritten{
    {"Файл сверловки \"%1\" не может быть записан:\r%2.",
     "The drill file \"%1\" can not be written:\r%2.",
     "Le fichier de perçage \"%1\" ne peut pas être écrit :\r%2."}};
constexpr Localized kClipboard{{"Текст скопирован в буфер обмена",
                                "The text is now in the clipboard",
                                "Le texte est maintenant dans le presse-papiers"}};

std::string arg(const Message& m, size_t i) {
  return i < m.args.size() ? m.args[i] : std::string();
}

// The text with %1 and %2 replaced by the message's arguments.
std::string filled(std::string_view text, const Message& m) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += arg(m, static_cast<size_t>(text[++i] - '1'));
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

Message saveGerberFile(const ElementList& elements, const BoardSettings& board,
                       const GerberOptions& options, const std::string& path) {
  const std::string text = GerberExport(elements, board, options).PlotteGerberfile();
  if (const auto why = writeText(path, text))
    return {
        MessageKind::Error, MessageId::GerberFileNotCreated, {path, *why}, kGerberMessageCaption};
  return {MessageKind::Information, MessageId::GerberFileCreated, {}, kGerberMessageCaption};
}

std::optional<Message> saveDrillFile(const ElementList& elements, const BoardSettings& board,
                                     const ExcellonOptions& options, const std::string& path) {
  if (const auto why = writeText(path, excellonFile(elements, board, options)))
    return Message{MessageKind::Error, MessageId::DrillFileNotWritten, {path, *why}};
  return std::nullopt;
}

std::string outputMessageCaption(const Message& m, int language) {
  if (m.id == MessageId::GerberFileCreated || m.id == MessageId::GerberFileNotCreated)
    return std::string(kGerberCaption.in(language));
  return m.caption;
}

std::string outputMessageText(const Message& m, int language) {
  switch (m.id) {
    case MessageId::GerberFileCreated:
      return std::string(kCreated.in(language));
    case MessageId::GerberFileNotCreated:
      return std::string(kNotCreated.in(language)) + "\r\r" + arg(m, 0) + ":\r" + arg(m, 1) + ".";
    case MessageId::DrillFileNotWritten:
      return filled(kDrillNotWritten.in(language), m);
    case MessageId::TextInClipboard:
      return std::string(kClipboard.in(language));
    default:
      return messageText(m);
  }
}

}  // namespace trazello
