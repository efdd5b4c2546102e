#include "controls/menu_item_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

constexpr MenuColour kNormal = 0x000001;
constexpr MenuColour kSelected = 0x000002;

struct SizeCase {
  const char* name;
  MenuItemKind kind;
  int32_t textWidth;
  int32_t separatorHeight;
  std::optional<MenuSize> icon;  // the first image list's icon size, if the item has a list
  MenuSize inserted;
  MenuSize measured;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

class MenuItemSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(MenuItemSizeTest, TextWidthAtInsertionPlusTheIcon) {
  const SizeCase& c = GetParam();
  const MenuSize inserted = InsertedItemSize(c.kind, c.textWidth, c.separatorHeight);
  EXPECT_EQ(inserted, c.inserted);
  const MenuSize measured =
      MeasuredItemSize(inserted, c.kind == MenuItemKind::kSeparator, c.icon ? &*c.icon : nullptr);
  EXPECT_EQ(measured, c.measured);
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuItemSizeTest,
    testing::Values(
        // With 20 x 20 icons: a command is text + 30 wide and 22 high, a submenu item text + 45.
        SizeCase{"Command20", MenuItemKind::kCommand, 57, 10, MenuSize{20, 20}, {67, 2}, {87, 22}},
        SizeCase{"Submenu20", MenuItemKind::kSubmenu, 40, 10, MenuSize{20, 20}, {65, 2}, {85, 22}},
        // No image list counts as 20 x 20.
        SizeCase{"CommandWithoutList", MenuItemKind::kCommand, 57, 10, std::nullopt, {67, 2}, {87, 22}},
        SizeCase{"CommandSmallIcons", MenuItemKind::kCommand, 57, 10, MenuSize{16, 12}, {67, 2}, {83, 14}},
        SizeCase{"EmptyText", MenuItemKind::kCommand, 0, 10, MenuSize{20, 20}, {10, 2}, {30, 22}},
        // A separator ignores its text width and the icon.
        SizeCase{"Separator", MenuItemKind::kSeparator, 33, 10, MenuSize{20, 20}, {0, 10}, {0, 10}},
        SizeCase{"SeparatorOwnHeight", MenuItemKind::kSeparator, 0, 7, std::nullopt, {0, 7}, {0, 7}}));

TEST(MenuItemGeometry, CommandItemWithTwentyPixelIcons) {
  const MenuRect item{5, 40, 205, 62};  // 22 high
  EXPECT_EQ(IconColumnRect(item, 20), (MenuRect{5, 40, 27, 62}));
  EXPECT_EQ(IconBoxRect(item, 20, 20), (MenuRect{6, 41, 26, 61}));
  // Text 30 pixels from the left; 13 high in 22 leaves 9, of which the top gets 4.
  EXPECT_EQ(TextRect(item, 20, 13), (MenuRect{35, 44, 205, 62}));
  // A text taller than the item moves up, the half rounded toward zero (-9 / 2 is -4).
  EXPECT_EQ(TextRect(item, 20, 31), (MenuRect{35, 36, 205, 62}));
  EXPECT_EQ(IconColumnRect(item, 16), (MenuRect{5, 40, 23, 62}));
  EXPECT_EQ(TextRect(item, 16, 13).left, 31);
}

TEST(MenuItemGeometry, SeparatorLineJustAboveTheMiddleAcrossTheTextArea) {
  EXPECT_EQ(SeparatorLineRect({5, 62, 205, 72}, 20), (MenuRect{35, 66, 205, 67}));  // top + 4
  EXPECT_EQ(SeparatorLineRect({0, 0, 100, 11}, 20), (MenuRect{30, 4, 100, 5}));     // odd height: still + 4
  EXPECT_EQ(SeparatorLineRect({0, 0, 100, 1}, 20), (MenuRect{30, -1, 100, 0}));     // an item too thin
}

TEST(MenuItemGeometry, CheckGlyphCentredInTheBoxThenFourPixelsHigher) {
  const MenuRect box{6, 41, 26, 61};
  EXPECT_EQ(CheckGlyphOrigin(box, {9, 13}), (MenuPoint{11, 40}));  // 6 + 11/2, 41 + 7/2 - 4
  EXPECT_EQ(CheckGlyphOrigin(box, {10, 14}), (MenuPoint{11, 40}));
  EXPECT_EQ(CheckGlyphOrigin(box, {25, 20}), (MenuPoint{4, 37}));  // wider than the box: -5 / 2 is -2
}

struct StateCase {
  const char* name;
  bool separator;
  MenuItemState state;
  bool highlight;
  MenuColour text;
  MenuImageSource withBothLists;
  MenuImageSource withNormalListOnly;
};

void PrintTo(const StateCase& c, std::ostream* out) { *out << c.name; }

class MenuItemStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(MenuItemStateTest, HighlightTextColourAndIconList) {
  const StateCase& c = GetParam();
  EXPECT_EQ(DrawsHighlight(c.separator, c.state), c.highlight);
  EXPECT_EQ(TextColour(c.state, kNormal, kSelected), c.text);
  EXPECT_EQ(ImageSourceFor(c.state, true, true), c.withBothLists);
  EXPECT_EQ(ImageSourceFor(c.state, false, false), c.withNormalListOnly);
}

// Fields of MenuItemState: selected, grayed, disabled, checked.
INSTANTIATE_TEST_SUITE_P(States, MenuItemStateTest,
                         testing::Values(StateCase{"Normal",
                                                   false,
                                                   {false, false, false, false},
                                                   false,
                                                   kNormal,
                                                   MenuImageSource::kNormal,
                                                   MenuImageSource::kNormal},
                                         StateCase{"Selected",
                                                   false,
                                                   {true, false, false, false},
                                                   true,
                                                   kSelected,
                                                   MenuImageSource::kHot,
                                                   MenuImageSource::kNormal},
                                         StateCase{"Grayed",
                                                   false,
                                                   {false, true, false, false},
                                                   false,
                                                   kMenuGrayedText,
                                                   MenuImageSource::kDisabled,
                                                   MenuImageSource::kNormal},
                                         // Grayed wins over selected, for the frame, the text and the list.
                                         StateCase{"GrayedSelected",
                                                   false,
                                                   {true, true, false, false},
                                                   false,
                                                   kMenuGrayedText,
                                                   MenuImageSource::kDisabled,
                                                   MenuImageSource::kNormal},
                                         // Disabled alone takes the frame away but not the colour.
                                         StateCase{"DisabledSelected",
                                                   false,
                                                   {true, false, true, false},
                                                   false,
                                                   kSelected,
                                                   MenuImageSource::kHot,
                                                   MenuImageSource::kNormal},
                                         StateCase{"Disabled",
                                                   false,
                                                   {false, false, true, false},
                                                   false,
                                                   kNormal,
                                                   MenuImageSource::kNormal,
                                                   MenuImageSource::kNormal},
                                         StateCase{"CheckedSelected",
                                                   false,
                                                   {true, false, false, true},
                                                   true,
                                                   kSelected,
                                                   MenuImageSource::kHot,
                                                   MenuImageSource::kNormal},
                                         StateCase{"SeparatorSelected",
                                                   true,
                                                   {true, false, false, false},
                                                   false,
                                                   kSelected,
                                                   MenuImageSource::kHot,
                                                   MenuImageSource::kNormal}));

TEST(MenuImageIds, TheLastMatchingPositionWinsAndOthersKeepTheirIndex) {
  const uint32_t ids[] = {32776, 32773, 32776};
  EXPECT_EQ(ImageIndexFor(32776, ids, 3, -1), 2);  // named twice: the later position
  EXPECT_EQ(ImageIndexFor(32773, ids, 3, -1), 1);
  EXPECT_EQ(ImageIndexFor(32776, ids, 1, -1), 0);  // only the first nCount entries count
  EXPECT_EQ(ImageIndexFor(32777, ids, 3, -1), -1);
  EXPECT_EQ(ImageIndexFor(32777, ids, 3, 4), 4);  // not in the table: unchanged
  EXPECT_EQ(ImageIndexFor(32776, ids, 0, -1), -1);
  EXPECT_EQ(ImageIndexFor(32776, nullptr, 3, -1), -1);
}

}  // namespace
