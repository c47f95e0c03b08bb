#include "MessageTexts.h"

#include <map>

namespace trazello {

namespace {

struct Variants {
  const char* ru;
  const char* fr;
};

const std::map<MessageId, Variants>& table() {
  static const std::map<MessageId, Variants> t = {
      {MessageId::BoardAdded,
       {"Добавлена новая плата \"%1\".", "Une nouvelle carte nommée \"%1\" a été ajoutée."}},
      {MessageId::DeleteBoardQuestion, {"Удалить плату \"%1\" ?", "Supprimer la carte \"%1\" ?"}},
      {MessageId::LastBoardKept,
       {"Проект должен содержать хотя бы одну плату.", "Un projet doit contenir au moins une carte."}},
      {MessageId::SaveChanges, {"Сохранить изменения?", "Enregistrer les modifications ?"}},
      {MessageId::BoardSizeOutOfRange,
       {"Размер платы должен быть от 1 до 500 мм.", "La taille de la carte doit être comprise entre 1 et 500 mm."}},
      {MessageId::NotATrazelloFile,
       {"\"%1\" не является файлом Trazello.", "\"%1\" n'est pas un fichier Trazello."}},
      {MessageId::FileNotFound, {"Файл не найден!", "Fichier introuvable !"}},
      {MessageId::FileCannotBeWritten,
       {"Невозможно записать файл \"%1\".", "Le fichier \"%1\" ne peut pas être écrit."}},
      {MessageId::DamagedLayoutFile,
       {"Файл \"%1\" повреждён и не может быть открыт:\r%2.",
        "Le fichier \"%1\" est endommagé et ne peut pas être ouvert :\r%2."}},
      {MessageId::FileCannotBeRead,
       {"Невозможно прочитать файл \"%1\":\r%2.", "Le fichier \"%1\" ne peut pas être lu :\r%2."}},
      {MessageId::LayersExchanged,
       {"Эта плата создана старой версией программы.\r\rЭлементы медных слоёв C1 и C2 будут "
        "переставлены\rиз-за новой структуры слоёв.",
        "Cette carte a été créée avec une ancienne version.\r\rLes éléments des couches de cuivre "
        "C1 et C2 seront échangés,\rà cause de la nouvelle structure des couches."}},
      {MessageId::LegacyTextQuestion,
       {"На плате %1 текстовых элементов со шрифтом Windows.\rЭти элементы больше не "
        "поддерживаются.\r\rЗаменить их текстами платы?",
        "La carte contient %1 textes en police système.\rCes éléments ne seront plus pris en "
        "charge.\r\rLes remplacer par des textes de carte ?"}},
      {MessageId::TextsConverted, {"Тексты преобразованы.", "Textes convertis."}},
      {MessageId::ConnectionsRemoved,
       {"Удалено связей (резинок): %1.\rОсталось связей (резинок): %2.",
        "%1 connexions (élastiques) supprimées.\r%2 connexions (élastiques) restantes."}},
      {MessageId::SaveColourChanges,
       {"Цвета изменены.\rСохранить изменения?", "Vous avez modifié les couleurs.\rEnregistrer les modifications ?"}},
      {MessageId::ScannedCopyNotLoaded,
       {"Ошибка загрузки скан-копии: %1\r%2", "Erreur au chargement de la copie scannée : %1\r%2"}},
      {MessageId::GerberFileCreated, {"Файл успешно создан.", "Fichier créé avec succès."}},
      {MessageId::GerberFileNotCreated,
       {"Невозможно создать файл!\r\r%1:\r%2.", "Impossible de créer le fichier !\r\r%1 :\r%2."}},
      {MessageId::DrillFileNotWritten,
       {"Невозможно записать файл сверловки \"%1\":\r%2.",
        "Le fichier de perçage \"%1\" ne peut pas être écrit :\r%2."}},
      {MessageId::TextInClipboard, {"Текст скопирован в буфер обмена", "Le texte est dans le presse-papiers"}},
      {MessageId::TextNotGenerated, {"Не удалось построить текст.", "Le texte n'a pas pu être généré."}},
      {MessageId::ResetSolderMaskQuestion,
       {"Эта функция отменит все ручные изменения паяльной маски\rи вернёт маску по умолчанию (все КП и SMD-КП).\r\rПродолжить?",
        "Cette fonction annule toutes les modifications manuelles du vernis épargne\ret le remet par défaut (toutes les pastilles et pastilles CMS).\r\rContinuer ?"}},
      {MessageId::SolderMaskReset, {"Паяльная маска сброшена.", "Le vernis épargne a été réinitialisé."}},
      {MessageId::LayoutNotSaved,
       {"Невозможно записать файл \"%1\":\r%2.", "Le fichier \"%1\" ne peut pas être écrit :\r%2."}},
      {MessageId::HotkeyInUse,
       {"Клавиша \"%1\" уже занята.", "Le raccourci \"%1\" est déjà utilisé."}},
      {MessageId::ReplaceReadOnlyQuestion,
       {"Файл \"%1\" защищён от записи.\rВсё равно заменить его?",
        "Le fichier \"%1\" est en lecture seule.\rLe remplacer quand même ?"}},
      {MessageId::UnsoundElementsLeftOut,
       {"Элементы с невозможными координатами или размерами пропущены: %1 (%2).\rФайл не изменится, пока вы его не сохраните.",
        "%1 éléments aux coordonnées ou dimensions impossibles ont été écartés (%2).\rLe fichier reste inchangé tant que vous ne l'enregistrez pas."}},
      {MessageId::DrillFileRefused,
       {"Файл сверловки \"%1\" не импортирован: %2.", "Le fichier de perçage \"%1\" n'a pas été importé : %2."}},
      {MessageId::TrailingBytesIgnored,
       {"Байты после конца макета пропущены: %1.",
        "%1 octets après la fin du circuit ont été ignorés."}},
      {MessageId::ValueOutOfRange,
       {"Значение должно быть в пределах %1 ... %2 .", "La valeur doit être %1 ... %2 ."}},
      {MessageId::NotAMacroFile,
       {"\"%1\" не является файлом макроса Trazello.", "\"%1\" n'est pas un fichier de macro Trazello."}},
      {MessageId::DamagedMacroFile,
       {"Файл макроса \"%1\" повреждён и не может быть загружен:\r%2.",
        "Le fichier de macro \"%1\" est endommagé et ne peut pas être chargé :\r%2."}},
      {MessageId::NoElementsForMacro,
       {"На плате нет элементов.", "Il n'y a aucun élément sur la carte."}},
      {MessageId::SaveWholeLayoutAsMacro,
       {"Объекты не выделены.\rСохранить всю плату как макрос?",
        "Aucun objet sélectionné.\rEnregistrer toute la carte comme macro ?"}},
      {MessageId::DeleteMacroQuestion, {"Удалить файл \"%1\" ?", "Supprimer le fichier \"%1\" ?"}},
      {MessageId::MacroNotDeleted,
       {"Невозможно удалить файл \"%1\":\r%2.", "Le fichier \"%1\" ne peut pas être supprimé :\r%2."}},
      {MessageId::PreviewCopied,
       {"Изображение предварительного просмотра скопировано в буфер обмена.",
        "L'image de l'aperçu a été copiée dans le presse-papiers."}},
      {MessageId::CalibrationOutOfRange,
       {"Введите значения от 0.8 до 1.2", "Veuillez entrer des valeurs de 0.8 à 1.2"}},
      // isolation and outline milling
      {MessageId::MillingGroundPlaneIgnored,
       {"Автоматическая заливка выбранного слоя будет проигнорирована.",
        "Le plan de masse automatique de la couche choisie sera ignoré."}},
      {MessageId::NoMillingElements,
       {"На выбранном слое нет элементов для фрезерования.",
        "Il n'y a aucun élément à fraiser sur la couche choisie."}},
      {MessageId::MillingShorts,
       {"Фреза слишком широка, чтобы разделить все цепи: медь разных цепей остаётся "
        "соединённой в %1 местах:\r%2",
        "L'outil de fraisage est trop large pour séparer toutes les équipotentielles : le cuivre "
        "de réseaux différents reste relié à %1 endroits :\r%2"}},
      {MessageId::NoOutlineElements,
       {"Нет элементов для контура платы.", "Aucun élément disponible pour le contour de la carte."}},
      {MessageId::GerberFileRefused,
       {"Файл Gerber \"%1\" не импортирован: %2.", "Le fichier Gerber \"%1\" n'a pas été importé : %2."}},
      {MessageId::GerberFileWarnings,
       {"При импорте Gerber файла \"%1\" замечено:\n%2", "L'import Gerber de \"%1\" a relevé :\n%2"}},
      {MessageId::LargeBitmapQuestion,
       {"Вы собираетесь создать очень большой рисунок.\rЛучше убедитесь, что ваша работа сохранена.\r\rПродолжить?",
        "Vous allez créer une très grande image.\rAssurez-vous d'abord que votre travail est enregistré.\r\rContinuer ?"}},
      {MessageId::JpegNotCreated,
       {"Ошибка создания файла JPG. Попробуйте другое разрешение (dpi).",
        "Erreur lors de la création du fichier JPG. Essayez une autre résolution (dpi)."}},
      {MessageId::BoardSizesLimited,
       {"Платы с невозможным размером приведены к размеру от 1 мм до 10 м: %1.\rФайл не изменится, пока вы его не сохраните.",
        "%1 circuits avaient une taille impossible et ont été ramenés entre 1 mm et 10 m.\rLe fichier reste inchangé tant que vous ne l'enregistrez pas."}},
  };
  return t;
}

std::string fill(std::string text, const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string mark = "%" + std::to_string(i + 1);
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + args[i].size()))
      text.replace(at, mark.size(), args[i]);
  }
  return text;
}

}  // namespace

std::string messageIn(const Message& m, Language language) {
  if (language == Language::English) return messageText(m);
  const auto it = table().find(m.id);
  if (it == table().end()) return {};
  return fill(language == Language::French ? it->second.fr : it->second.ru, m.args);
}

}  // namespace trazello
