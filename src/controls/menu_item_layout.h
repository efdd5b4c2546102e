#pragma once
// How an owner-drawn menu item is sized and laid out, and which colours and icons it takes. Plain C++:
// the menu's Win32 side measures text in a device context and paints what these functions answer.
#include <cstdint>

#include "controls/plain_rect.h"

// Colours in the COLORREF layout, 0x00BBGGRR.
using MenuColour = uint32_t;

constexpr MenuColour kMenuGrayedText = 0x808080;       // RGB 128, 128, 128
constexpr MenuColour kMenuSeparatorLine = 0xB8C2C5;    // RGB 197, 194, 184
constexpr MenuColour kMenuDefaultBack = 0xEBBE8C;      // RGB 140, 190, 235
constexpr MenuColour kMenuDefaultIconBar = 0xD8E9EC;   // RGB 236, 233, 216
constexpr MenuColour kMenuDefaultSelFrame = 0xC56A31;  // RGB 49, 106, 197
constexpr MenuColour kMenuDefaultSelFill = 0xFDDCC8;   // RGB 200, 220, 253
constexpr int32_t kMenuDefaultSeparatorHeight = 10;
// The icon size without an image list, both for the column and for measuring.
constexpr int32_t kMenuDefaultIconSize = 20;

struct MenuSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const MenuSize& other) const { return cx == other.cx && cy == other.cy; }
};

using MenuRect = PlainRect;

struct MenuPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const MenuPoint& other) const { return x == other.x && y == other.y; }
};

enum class MenuItemKind { kCommand, kSubmenu, kSeparator };

// The ODS_ bits of a drawn item that the look depends on.
struct MenuItemState {
  bool selected = false;
  bool grayed = false;
  bool disabled = false;
  bool checked = false;
};

// The size kept in an item when it is inserted, before any icon: the text width measured then plus
// room for the margins (and the submenu arrow), 2 high; a separator is 0 wide and separatorHeight high.
MenuSize InsertedItemSize(MenuItemKind kind, int32_t textWidth, int32_t separatorHeight);

// What WM_MEASUREITEM answers: a separator as inserted; any other item grows by the size of its first
// image list's icon, or by 20 x 20 when it has no image list (iconSize null).
MenuSize MeasuredItemSize(const MenuSize& inserted, bool separator, const MenuSize* iconSize);

// The shaded column on the item's left, 2 pixels wider than the icons.
MenuRect IconColumnRect(const MenuRect& item, int32_t iconWidth);
// Where the text goes: 10 pixels right of the icons, its top moved down to centre a text of
// textHeight (rounding toward zero, so a text taller than the item moves up).
MenuRect TextRect(const MenuRect& item, int32_t iconWidth, int32_t textHeight);
// A separator's one-pixel line across the text area, just above the item's middle.
MenuRect SeparatorLineRect(const MenuRect& item, int32_t iconWidth);
// The icon's place, and the check box of a checked item: one pixel in from the item's top left.
MenuRect IconBoxRect(const MenuRect& item, int32_t iconWidth, int32_t iconHeight);
// Where the check glyph of the given size starts: centred in the box (rounding toward zero), then
// 4 pixels higher.
MenuPoint CheckGlyphOrigin(const MenuRect& box, const MenuSize& glyph);

// A highlight frame is drawn only over a selected item that can be chosen and is not a separator.
bool DrawsHighlight(bool separator, const MenuItemState& state);
// Grayed text wins over the selected colour, whatever the other bits say.
MenuColour TextColour(const MenuItemState& state, MenuColour normal, MenuColour selected);

enum class MenuImageSource { kNormal, kDisabled, kHot };
// The list an icon is drawn from: the disabled list for a grayed item and the hot list for a selected
// one, each only when the item has it; the normal list otherwise.
MenuImageSource ImageSourceFor(const MenuItemState& state, bool hasDisabledList, bool hasHotList);

// The icon index an item gets from a table of command ids: the last position whose id matches, or
// current when the id is not in the table.
int32_t ImageIndexFor(uint32_t id, const uint32_t* ids, int32_t count, int32_t current);
