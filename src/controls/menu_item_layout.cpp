#include "controls/menu_item_layout.h"

MenuSize InsertedItemSize(MenuItemKind kind, int32_t textWidth, int32_t separatorHeight) {
  switch (kind) {
    case MenuItemKind::kSeparator:
      return {0, separatorHeight};
    case MenuItemKind::kSubmenu:
      return {textWidth + 25, 2};  // room for the arrow that points to the submenu
    case MenuItemKind::kCommand:
      break;
  }
  return {textWidth + 10, 2};
}

MenuSize MeasuredItemSize(const MenuSize& inserted, bool separator, const MenuSize* iconSize) {
  if (separator) return inserted;
  const MenuSize icon =
      iconSize != nullptr ? *iconSize : MenuSize{kMenuDefaultIconSize, kMenuDefaultIconSize};
  return {inserted.cx + icon.cx, inserted.cy + icon.cy};
}

MenuRect IconColumnRect(const MenuRect& item, int32_t iconWidth) {
  return {item.left, item.top, item.left + iconWidth + 2, item.bottom};
}

MenuRect TextRect(const MenuRect& item, int32_t iconWidth, int32_t textHeight) {
  return {item.left + iconWidth + 10, item.top + (item.bottom - textHeight - item.top) / 2, item.right,
          item.bottom};
}

MenuRect SeparatorLineRect(const MenuRect& item, int32_t iconWidth) {
  const int32_t mid = item.top + (item.bottom - item.top) / 2;
  return {item.left + iconWidth + 10, mid - 1, item.right, mid};
}

MenuRect IconBoxRect(const MenuRect& item, int32_t iconWidth, int32_t iconHeight) {
  return {item.left + 1, item.top + 1, item.left + 1 + iconWidth, item.top + 1 + iconHeight};
}

MenuPoint CheckGlyphOrigin(const MenuRect& box, const MenuSize& glyph) {
  return {box.left + (box.right - glyph.cx - box.left) / 2,
          box.top + (box.bottom - glyph.cy - box.top) / 2 - 4};
}

bool DrawsHighlight(bool separator, const MenuItemState& state) {
  return !separator && state.selected && !state.grayed && !state.disabled;
}

MenuColour TextColour(const MenuItemState& state, MenuColour normal, MenuColour selected) {
  if (state.grayed) return kMenuGrayedText;
  return state.selected ? selected : normal;
}

MenuImageSource ImageSourceFor(const MenuItemState& state, bool hasDisabledList, bool hasHotList) {
  if (state.grayed && hasDisabledList) return MenuImageSource::kDisabled;
  if (state.selected && hasHotList) return MenuImageSource::kHot;
  return MenuImageSource::kNormal;
}

int32_t ImageIndexFor(uint32_t id, const uint32_t* ids, int32_t count, int32_t current) {
  for (int32_t j = 0; ids != nullptr && j < count; ++j) {
    if (ids[j] == id) current = j;
  }
  return current;
}
