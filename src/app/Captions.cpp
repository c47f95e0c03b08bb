#include "Captions.h"

#include <map>

namespace trazello {

namespace {

// Menus, tool buttons and their hints. "&" marks the accelerator letter.
const std::map<std::string, Caption>& table() {
  static const std::map<std::string, Caption> captions = {
      {"Datei1", {"&Файл", "&File", "&Fichier"}},
      {"Neu1", {"&Новый...", "&New...", "&Nouveau..."}},
      {"ffnen1", {"&Открыть...", "&Open...", "&Ouvrir..."}},
      {"Speichern1", {"&Сохранить", "&Save", "&Enregistrer"}},
      {"Speichernals1", {"Сохранить &как...", "S&ave as...", "Enregistrer &sous..."}},
      {"Makrospeichern1", {"Сохранить как &макрос...", "Save as &macro...", "Enregistrer comme &macro..."}},
      {"Autospeichern1", {"&Автосохранение...", "&AutoSave...", "Sauvegarde &automatique..."}},
      {"Exportieren1", {"&Экспорт", "E&xport", "E&xporter"}},
      {"GerberFormat1", {"Экспорт &Gerber...", "&Gerber export...", "Export &Gerber..."}},
      {"BohrDatenExcellon1", {"&Данные сверловки (Excellon)...", "&Drill data (Excellon)...", "Données de &perçage (Excellon)..."}},
      {"BitmapExport1", {"Рисунок BMP...", "Bitmap (BMP)...", "Image BMP..."}},
      {"JPGExport1", {"Рисунок JPG...", "Picture (JPG)...", "Image JPG..."}},
      {"GIFExport1", {"Рисунок GIF...", "Picture (GIF)...", "Image GIF..."}},
      {"EMFExport1", {"Метафайл EMF...", "Metafile (EMF)...", "Métafichier EMF..."}},
      {"Frsdateien1", {"Файлы фрезерования", "Milling files", "Fichiers de fraisage"}},
      {"UmrissHPGLplt1", {"Фрезерование изоляции (HPGL, *.plt)", "Isolation milling (HPGL, *.plt)", "Fraisage d'isolation (HPGL, *.plt)"}},
      {"PlatinenkonturHPGLplt1", {"Фрезерование контура платы (HPGL, *.plt)", "PCB outline milling (HPGL, *.plt)", "Fraisage du contour (HPGL, *.plt)"}},
      {"Arbeitsverzeichnisse1", {"Папки...", "Directories...", "Dossiers..."}},
      {"Druckereinrichten1", {"&Настройка принтера...", "P&rinter Setup...", "Configuration de l'&imprimante..."}},
      {"Drucken1", {"&Печать...", "&Print...", "&Imprimer..."}},
      {"Beenden1", {"В&ыход", "E&xit", "&Quitter"}},
      {"Bearbeiten1", {"&Правка", "&Edit", "É&dition"}},
      {"Undo", {"&Отменить", "&Undo", "&Annuler"}},
      {"Redo", {"&Повторить", "&Redo", "&Rétablir"}},
      {"Kopieren1", {"&Копировать", "C&opy", "C&opier"}},
      {"Ausschneiden1", {"&Вырезать", "&Cut", "Co&uper"}},
      {"Einfgen1", {"Вст&авить", "&Paste", "Co&ller"}},
      {"Duplizieren1", {"&Дублировать", "D&uplicate", "D&upliquer"}},
      {"Kacheln2", {"Размножить...", "Tile...", "Répéter..."}},
      {"Lschen1", {"&Удалить [Del]", "&Delete [Del]", "&Supprimer [Suppr]"}},
      {"Allesmarkieren1", {"Выделить &всё", "Select &all", "Tout &sélectionner"}},
      {"Platine1", {"П&лата", "&Board", "&Carte"}},
      {"NeuePlatine1", {"&Добавить новую плату...", "&Add new board...", "&Ajouter une carte..."}},
      {"Platinengrsse1", {"&Свойства", "&Properties", "&Propriétés"}},
      {"Platinekopieren1", {"Копировать плату", "Copy board", "Copier la carte"}},
      {"Platinelschen1", {"&Удалить плату...", "&Delete board...", "&Supprimer la carte..."}},
      {"Platinenachrechts1", {"Поставить плату в&право", "Set board to &right", "Placer la carte à &droite"}},
      {"Platinenachlinks1", {"Поставить плату в&лево", "Set board to &left", "Placer la carte à &gauche"}},
      {"Platineeinsnachrechts1", {"Сдвинуть плату вп&раво", "Move board to &right", "Déplacer la carte vers la d&roite"}},
      {"Platineeinsnachlinks1", {"Сдвинуть плату вл&ево", "Move board to &left", "Déplacer la carte vers la g&auche"}},
      {"Platinennachladen1", {"&Импорт плат из файла...", "&Import boards from file...", "&Importer des cartes..."}},
      {"Funktionen1", {"Ф&ункции", "F&unctions", "F&onctions"}},
      {"Rotieren1", {"&Повернуть", "&Rotate", "&Tourner"}},
      {"Horizontalspiegeln2", {"Отразить по &горизонтали", "Mirror &horizontal", "Miroir &horizontal"}},
      {"Vertikalspiegeln2", {"Отразить по &вертикали", "Mirror &vertical", "Miroir &vertical"}},
      {"Gruppieren1", {"&Сгруппировать", "Build &group", "&Grouper"}},
      {"Gruppierungaufheben1", {"&Разгруппировать", "Split gro&up", "&Dégrouper"}},
      {"Layerwechseln1", {"Сменить сторону платы", "Change board side", "Changer de face"}},
      {"SetzeaufLayer1", {"Перенести на слой", "Set to layer", "Mettre sur la couche"}},
      {"amRasterausrichten1", {"&Выровнять по сетке", "&Adjust to grid", "&Aligner sur la grille"}},
      {"Luftlinienentfernen1", {"&Удалить связи (резинки)", "&Remove connections (rubberbands)", "&Supprimer les connexions (élastiques)"}},
      {"LscheElementeausserhalb1", {"Удалить элементы вне платы", "Delete elements outside the board", "Supprimer les éléments hors de la carte"}},
      {"LS_Reset", {"Сбросить паяльную маску...", "Reset solder mask...", "Réinitialiser le masque de soudure..."}},
      {"Optionen1", {"&Настройки", "&Options", "&Options"}},
      {"Grundeinstellungen1", {"Общие настройки...", "General settings...", "Réglages généraux..."}},
      {"Eigenschaften2", {"Показать панель свойств", "Show Properties-Panel", "Afficher le panneau des propriétés"}},
      {"DRCCheck1", {"Показать панель DRC", "Show DRC-Panel", "Afficher le panneau DRC"}},
      {"Makrofenster1", {"Показать библиотеку макросов", "Show Macro-Library", "Afficher la bibliothèque de macros"}},
      {"Vorlage1", {"&Скан-копия...", "&Scanned copy...", "Copie &scannée..."}},
      {"M_AutoMasse", {"&Полигон земли", "&GroundPlane", "Plan de &masse"}},
      {"ZoomPlatine1", {"Масштаб по &плате", "Zoom &board", "Zoom sur la &carte"}},
      {"ZoomObjekte1", {"Масштаб по &объектам", "Zoom &objects", "Zoom sur les &objets"}},
      {"ZoomMarkierung1", {"Масштаб по &выделению", "Zoom &selection", "Zoom sur la &sélection"}},
      {"Zoomvorher1", {"Предыдущий масштаб", "Zoom previous", "Zoom précédent"}},
      {"Neuzeichnen1", {"&Перерисовать", "&Repaint", "&Redessiner"}},
      {"Projektinfo1", {"Информация о проекте...", "Project info...", "Informations sur le projet..."}},
      {"BohrungenAuflisten1", {"Список отверстий...", "List drillings...", "Liste des perçages..."}},
      {"BauteilAssistent1", {"Мастер посадочных мест...", "Footprint-Wizard...", "Assistant d'empreintes..."}},
      {"L1", {"&Слои", "&Layers", "&Couches"}},
      {"AktiverLayer1", {"&Активный слой", "&Active layer", "Couche &active"}},
      {"SichtbareLayer1", {"&Видимые слои", "&Visible layers", "Couches &visibles"}},
      {"K1", {"&Медь (1)", "&Copper (1)", "&Cuivre (1)"}},
      {"B1", {"&Шелкография (1)", "&Silk screen (1)", "&Sérigraphie (1)"}},
      {"K2", {"М&едь (2)", "&Copper (2)", "C&uivre (2)"}},
      {"B2", {"Ш&елкография (2)", "&Silk screen (2)", "S&érigraphie (2)"}},
      {"Info1", {"&?", "&?", "&?"}},
      {"Index1", {"&Содержание...", "&Index...", "&Index..."}},
      {"Nullpunktsetzen1", {"Установить начало координат", "Set origin", "Placer l'origine"}},
      {"SetzeaufKlickposition1", {"В точку щелчка", "Set to click-position", "Au point cliqué"}},
      {"RcksetzenObenLinks1", {"Сбросить в левый верхний угол", "Reset to left/top", "Remettre en haut à gauche"}},
      {"rund1", {"Круглая", "Circular", "Ronde"}},
      {"Octagon1", {"Восьмиугольная", "Octagon", "Octogonale"}},
      {"Quadrat1", {"Квадратная", "Square", "Carrée"}},
      {"Abegrundetquer1", {"Скруглённая, горизонтальная", "Rounded, horizontal", "Arrondie, horizontale"}},
      {"Octagonquer1", {"Восьмиугольная, горизонтальная", "Octagon, horizontal", "Octogonale, horizontale"}},
      {"Rechteckquer1", {"Прямоугольная, горизонтальная", "Rectangle, horizontal", "Rectangle, horizontal"}},
      {"Abgerundethoch1", {"Скруглённая, вертикальная", "Rounded, vertical", "Arrondie, verticale"}},
      {"Octagonhoch1", {"Восьмиугольная, вертикальная", "Octagon, vertical", "Octogonale, verticale"}},
      {"Rechteckhoch1", {"Прямоугольная, вертикальная", "Rectangle, vertical", "Rectangle, vertical"}},
      {"Durchkontaktierung1", {"Металлизированная", "Through pad", "Pastille métallisée"}},
      {"L_Hinzufuegen", {"Добавить", "Add", "Ajouter"}},
      {"L_Entfernen", {"Удалить", "Remove", "Supprimer"}},
      {"LA_Hinzufuegen", {"Добавить", "Add", "Ajouter"}},
      {"LA_Entfernen", {"Удалить", "Remove", "Supprimer"}},
      {"SMD_Hinzufuegen", {"Добавить", "Add", "Ajouter"}},
      {"SMD_Entfernen", {"Удалить", "Remove", "Supprimer"}},
      {"UnitMm", {"мм", "mm", "mm"}},
      {"UnitMil", {"мил", "mil", "mil"}},
      {"R_Hinzufuegen", {"Добавить шаг сетки...", "Add new grid value...", "Ajouter un pas de grille..."}},
      {"R_Entfernen", {"Удалить текущий шаг сетки", "Remove current grid value", "Supprimer le pas de grille actuel"}},
      {"Rastermarkierung1", {"Подразделения", "Subdivisions", "Subdivisions"}},
      {"RM_Aus", {"Выкл.", "Off", "Désactivé"}},
      {"Rastersichtbar1", {"Показать сетку", "Show grid", "Afficher la grille"}},
      {"ProjectInfoTitle", {"Информация о проекте", "Project info", "Informations sur le projet"}},
      {"ProjectTitle", {"Название:", "Title:", "Titre :"}},
      {"ProjectAuthor", {"Автор:", "Author:", "Auteur :"}},
      {"ProjectCompany", {"Организация:", "Company:", "Société :"}},
      {"ProjectComment", {"Комментарий:", "Comment:", "Commentaire :"}},
      {"LayoutFilter", {"Файлы плат (*.trz);;Все файлы (*)", "Layout files (*.trz);;All files (*)", "Fichiers de carte (*.trz);;Tous les fichiers (*)"}},
      {"BoardName", {"Плата ", "Board ", "Carte "}},
      {"BoardWidth", {"Ширина:", "Width:", "Largeur :"}},
      {"BoardHeight", {"Высота:", "Height:", "Hauteur :"}},
      {"BoardNameField", {"Имя:", "Name:", "Nom :"}},
      {"BoardMultilayer", {"Многослойная (I1, I2)", "Multilayer (I1, I2)", "Multicouche (I1, I2)"}},
      {"LayerInfo", {"Информация о слоях", "Layer information", "Informations sur les couches"}},
      {"StatusReady", {"Готово", "Ready", "Prêt"}},
      {"RasterDlg", {"Новая сетка", "New grid", "Nouvelle grille"}},
      {"RasterDlg.Size", {"Шаг сетки", "Grid size", "Pas de grille"}},
      {"VorlageSeite1", {"Сторона 1", "Side 1", "Face 1"}},
      {"VorlageSeite2", {"Сторона 2", "Side 2", "Face 2"}},
      {"B_Suchen", {"Загрузить...", "Load...", "Charger..."}},
      {"B_Entfernen", {"Удалить", "Remove", "Retirer"}},
      {"CB_Vorlage", {"Показывать", "Show", "Afficher"}},
      {"VorlageOffsetX", {"Смещение X (0,1 мм):", "X offset (0.1 mm):", "Décalage X (0,1 mm) :"}},
      {"VorlageOffsetY", {"Смещение Y (0,1 мм):", "Y offset (0.1 mm):", "Décalage Y (0,1 mm) :"}},
      {"VorlageFarbe", {"Цвет:", "Color:", "Couleur :"}},
      {"SB_HideVorlage", {"Скрыть скан-копию, пока кнопка нажата", "Hide the scanned copy while pressed", "Masquer la copie scannée tant que le bouton est enfoncé"}},
      {"SB_NurVorlage", {"Только скан-копия, пока кнопка нажата", "Show only the scanned copy while pressed", "Afficher seulement la copie scannée tant que le bouton est enfoncé"}},
      {"SB_LayerInfo", {"Информация о слоях", "Layer information", "Informations sur les couches"}},
      // The node menu of tracks and zones.
      {"NeuerKnoten1", {"Добавить вершину", "Add corner", "Ajouter un sommet"}},
      {"Knotenentfernen1", {"Удалить вершину", "Remove corner", "Supprimer le sommet"}},
      {"Trennen1", {"Разделить дорожку", "Split track", "Couper la piste"}},
      {"AmRasterausrichten2", {"Выровнять вершину по сетке", "Adjust corner to grid", "Aligner le sommet sur la grille"}},
      {"AlleKnotenamRasterausrichten1", {"Выровнять все вершины по сетке", "Adjust all corners to grid", "Aligner tous les sommets sur la grille"}},
      {"ToolBar", {"Инструменты", "Tools", "Outils"}},
      {"HelpBtn", {"&Справка", "&Help", "&Aide"}},
      {"CloseBtn", {"&Закрыть", "&Close", "&Fermer"}},
      {"PhotoView", {"Фотовид", "Photoview", "Vue photo"}},
      {"PhotoSide1", {"Сторона 1 = М1/К1", "Side 1 = C1/S1", "Face 1 = C1/S1"}},
      {"PhotoSide2", {"Сторона 2 = М2/К2 (зеркально)", "Side 2 = C2/S2 (mirrored)", "Face 2 = C2/S2 (en miroir)"}},
      {"PhotoSilk", {"с шелкографией", "with silkscreen", "avec sérigraphie"}},
      {"PhotoXray", {"Рентген", "X-Ray", "Rayons X"}},
      {"TB_Transparent", {"Прозрачное отображение", "Transparent drawing", "Affichage transparent"}},
      {"TB_Zoom", {"Масштаб", "Zoom", "Zoom"}},
      {"TB_Neuzeichnen", {"Перерисовать", "Repaint", "Redessiner"}},
      {"TB_Vorlage", {"Скан-копия...", "Scanned copy...", "Copie scannée..."}},
      {"TB_ClearConnections", {"Удалить связи (резинки)", "Remove connections (rubberbands)", "Supprimer les connexions (élastiques)"}},
  };
  return captions;
}

}  // namespace

Language languageFromByte(int value) {
  return value == 1 ? Language::English : value == 2 ? Language::French : Language::Russian;
}

std::string caption(const std::string& component, Language language) {
  const auto& t = table();
  const auto it = t.find(component);
  if (it == t.end()) return component;
  switch (language) {
    case Language::English: return it->second.en;
    case Language::French: return it->second.fr;
    case Language::Russian: break;
  }
  return it->second.ru;
}

std::vector<std::string> captionedComponents() {
  std::vector<std::string> names;
  for (const auto& [name, c] : table()) names.push_back(name);
  return names;
}

}  // namespace trazello
