#include "ToolCode.h"

namespace trazello {

namespace {

// One hint in the three languages: Russian, English, French.
using Hint = std::array<std::string_view, 3>;

struct ToolHints {
  ToolCode code;
  Hint idle;
  Hint drawing;  // empty: the idle hint applies
};

// clang-format off
constexpr ToolHints kHints[] = {
    {ToolCode::Edit,
     {"|Правка: выделение, перемещение, удаление, копирование и вставка объектов.\r<ПРОБЕЛ>=Масштаб",
      "|Edit: Select, move, delete, copy or paste objects.\r<SPACE>=Zoom",
      "|Édition : sélectionner, déplacer, supprimer, copier ou coller des objets.\r<ESPACE>=Zoom"},
     {"|Выделение: обведите объекты рамкой.",
      "|Select: Draw a frame to select objects.",
      "|Sélection : tracez un cadre autour des objets."}},
    {ToolCode::Track,
     {"|Дорожка: щёлкните в начальной точке",
      "|Track: Click to start point",
      "|Piste : cliquez sur le point de départ"},
     {"|Дорожка: щёлкните в следующей точке или закончите правой кнопкой мыши.\r"
      "CTRL отключает привязку. ПРОБЕЛ меняет вид излома.",
      "|Track: Click to next point or abort with right mouse button.\r"
      "Use CTRL to turn capture off. Use SPACE to switch bend mode.",
      "|Piste : cliquez sur le point suivant ou terminez avec le bouton droit de la souris.\r"
      "CTRL désactive l'accrochage. ESPACE change le type de coude."}},
    {ToolCode::Pad,
     {"|Площадка: щёлкните, чтобы добавить площадку; выход — правой кнопкой мыши",
      "|Pad: Click to add a pad, abort with right mouse button",
      "|Pastille : cliquez pour ajouter une pastille, quittez avec le bouton droit de la souris"},
     {}},
    {ToolCode::Zoom,
     {"|Масштаб: левая кнопка — крупнее / правая — мельче / выделите область",
      "|Zoom: Left=Zoom + / Right=Zoom - / Select range",
      "|Zoom : gauche = zoom + / droit = zoom - / sélectionnez une zone"},
     {"|Масштаб: выделите область",
      "|Zoom: Select range",
      "|Zoom : sélectionnez une zone"}},
    {ToolCode::Zone,
     {"|Полигон: щёлкните в начальной точке",
      "|Zone: Click to start point",
      "|Zone : cliquez sur le point de départ"},
     {"|Полигон: щёлкните в следующей точке или закончите правой кнопкой мыши.\r"
      "CTRL отключает привязку. ПРОБЕЛ меняет вид излома.",
      "|Zone: Click to next point or abort with right mouse button.\r"
      "Use CTRL to turn capture off. Use SPACE to switch bend mode.",
      "|Zone : cliquez sur le point suivant ou terminez avec le bouton droit de la souris.\r"
      "CTRL désactive l'accrochage. ESPACE change le type de coude."}},
    {ToolCode::Circle,
     {"|Окружность: щёлкните в центре и растяните радиус",
      "|Circle: Click center and draw radius",
      "|Cercle : cliquez au centre et tirez le rayon"},
     {}},
    {ToolCode::Text,
     {"|Текст: щёлкните там, где будет текст; выход — правой кнопкой мыши",
      "|Text: Click to text position, abort with right mouse button",
      "|Texte : cliquez à l'emplacement du texte, quittez avec le bouton droit de la souris"},
     {}},
    {ToolCode::ConnectionTest,
     {"|Проверка: щёлкните, чтобы найти соединённые области",
      "|Test: Click to find connected areas",
      "|Test : cliquez pour trouver les zones reliées"},
     {}},
    {ToolCode::Connection,
     {"|Соединение: выберите первую площадку",
      "|Connection: Select first pad",
      "|Liaison : choisissez la première pastille"},
     {"|Соединение: выберите вторую площадку; выход — правой кнопкой мыши",
      "|Connection: Select second pad for connection, abort with right mouse button",
      "|Liaison : choisissez la deuxième pastille, quittez avec le bouton droit de la souris"}},
    {ToolCode::SpecialShape,
     {"|Фигура: щёлкните в месте назначения; выход — правой кнопкой мыши",
      "|Polygon: Click to destination, abort with right mouse button",
      "|Polygone : cliquez à l'emplacement voulu, quittez avec le bouton droit de la souris"},
     {}},
    {ToolCode::Autoroute,
     {"|Автотрассировка: щёлкните по соединению, чтобы проложить дорожку.\r"
      "Щелчок по проложенной дорожке возвращает соединение",
      "|Autoroute: Click on a connection to autoroute.\rClick on an existing autoroute to resolve it",
      "|Routage auto : cliquez sur une liaison pour la router.\r"
      "Cliquez sur une piste routée pour l'annuler"},
     {}},
    {ToolCode::PastePlacement, {"", "", ""}, {}},
    {ToolCode::Measure,
     {"|Расстояние: щёлкните в начальной точке и ведите мышь с нажатой кнопкой",
      "|Distance: Click to starting point, then move the mouse with pushed mousebutton",
      "|Distance : cliquez sur le point de départ, puis déplacez la souris bouton enfoncé"},
     {}},
    {ToolCode::SmdPad,
     {"|SMD-площадка: щёлкните, чтобы добавить SMD-площадку; выход — правой кнопкой мыши",
      "|SMD-Pad: Click to add a SMD-pad, abort with right mouse button",
      "|Pastille CMS : cliquez pour ajouter une pastille CMS, quittez avec le bouton droit de la "
      "souris"},
     {}},
    {ToolCode::SolderMask,
     {"|Выберите элемент, чтобы добавить его в паяльную маску или убрать из неё",
      "|Select an element to add or delete it from the solder mask",
      "|Choisissez un élément pour l'ajouter au masque de soudure ou l'en retirer"},
     {}},
};

constexpr Hint kNodeHandleHint{
    "|Перемещение вершин\rПравая кнопка мыши добавляет и удаляет вершины",
    "|Move corners\rUse right mouse button to add/delete corners",
    "|Déplacer les sommets\rLe bouton droit de la souris ajoute ou supprime des sommets"};
// clang-format on

size_t languageIndex(int language) {
  return language >= 0 && language <= 2 ? static_cast<size_t>(language) : 1;
}

}  // namespace

std::optional<ToolChoice> toolOfHotkeyRow(int row) {
  if (row < 0 || row >= static_cast<int>(kHotkeyTools.size())) return std::nullopt;
  return kHotkeyTools[static_cast<size_t>(row)];
}

std::optional<ToolCode> toolCodeFromByte(int code) {
  if (code < 0 || code > 15 || code == 4) return std::nullopt;
  return static_cast<ToolCode>(code);
}

PointerShape pointerShapeOf(ToolCode code) {
  switch (code) {
    case ToolCode::Zoom:
      return PointerShape::Lupe;
    case ToolCode::Circle:
      return PointerShape::Ring;
    case ToolCode::ConnectionTest:
      return PointerShape::Test;
    case ToolCode::Connection:
    case ToolCode::SolderMask:
      return PointerShape::Connect;
    case ToolCode::Autoroute:
      return PointerShape::Autoroute;
    default:
      return PointerShape::Arrow;
  }
}

std::string_view toolHint(ToolCode code, bool drawing, int language) {
  const size_t l = languageIndex(language);
  for (const ToolHints& h : kHints) {
    if (h.code != code) continue;
    return drawing && !h.drawing[l].empty() ? h.drawing[l] : h.idle[l];
  }
  return {};
}

std::string_view nodeHandleHint(int language) {
  return kNodeHandleHint[languageIndex(language)];
}

}  // namespace trazello
