// The owner-drawn menu on real menu handles: the copy of the program's menu bar, measuring, drawing into
// a 24-bit DIB section read back pixel by pixel, the image ids and the teardown.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "controls/menu_ex.h"
#include "resource.h"
#include "test_window.h"

namespace {

constexpr COLORREF kItemBack = 0xF5DABA;  // what the main dialog sets: RGB 186, 218, 245
constexpr COLORREF kSelFill = 0xD2DCBA;   // RGB 186, 220, 210
constexpr COLORREF kIconBar = RGB(236, 233, 216);
constexpr COLORREF kSelFrame = RGB(49, 106, 197);
constexpr COLORREF kSeparatorLine = RGB(197, 194, 184);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kIconColour = RGB(200, 30, 90);

// Text width as InsertItem measures it without a main window: in a fresh screen context.
int TextWidth(LPCWSTR text) {
  HDC screen = ::GetDC(nullptr);
  SIZE size = {};
  ::GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &size);
  ::ReleaseDC(nullptr, screen);
  return size.cx;
}

struct ItemInfo {
  UINT type = 0;
  UINT id = 0;
  HMENU submenu = nullptr;
  ULONG_PTR data = 0;
  std::wstring text;
};

ItemInfo InfoAt(HMENU menu, UINT position) {
  wchar_t text[64] = L"";
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 64;
  ItemInfo result;
  if (!::GetMenuItemInfoW(menu, position, TRUE, &info)) return result;
  result.type = info.fType;
  result.id = info.wID;
  result.submenu = info.hSubMenu;
  result.data = info.dwItemData;
  if ((info.fType & MFT_OWNERDRAW) == 0) result.text = text;
  return result;
}

MEASUREITEMSTRUCT Measure(const MENUITEM* item) {
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemID = item->nID;
  mis.itemData = reinterpret_cast<ULONG_PTR>(item);
  CMenuEx::MeasureMenuItem(&mis);
  return mis;
}

CMenuEx* SubmenuOf(CMenuEx& bar, size_t index) { return bar.m_items.at(index)->pSubMenu; }

// An image list as the main dialog makes it, holding one 20 x 20 picture of a single colour.
void MakeIconList(CImageList& list, COLORREF colour, int size = 20) {
  ASSERT_TRUE(list.Create(size, size, ILC_COLOR24 | ILC_MASK, 9, 0));
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = size;
  bmi.bmiHeader.biHeight = size;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  CBitmap picture;
  ASSERT_TRUE(picture.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0)));
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
  {
    CSelectObject selected(memory, picture);
    const RECT all = {0, 0, size, size};
    memory.FillSolidRect(&all, colour);
  }
  ASSERT_EQ(list.Add(&picture, nullptr), 0);
}

TEST(MenuEx, TheMainMenuBarStaysOrdinaryAndEveryDropDownItemIsOwnerDrawn) {
  CMenuEx bar;
  ASSERT_TRUE(bar.LoadMainMenu());
  EXPECT_FALSE(bar.m_bPopup);
  ASSERT_EQ(::GetMenuItemCount(bar), 2);
  ASSERT_EQ(bar.m_items.size(), 2u);

  struct Expected {
    const wchar_t* title;
    std::vector<std::pair<UINT, std::wstring>> items;
  };
  const Expected expected[] = {
      {L"&File", {{ID_FILE_EXIT, L"E&xit"}}},
      {L"&Help", {{ID_HELP_ABOUT, L"About"}, {ID_HELP_UPDATE, L"Update"}, {ID_HELP_HELP, L"Help"}}},
  };
  for (UINT i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const ItemInfo barItem = InfoAt(bar, i);
    EXPECT_EQ(barItem.type & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(barItem.text, expected[i].title);
    const MENUITEM* item = bar.m_items[i];
    EXPECT_TRUE(item->bPopup);
    EXPECT_EQ(item->nID, static_cast<UINT>(-1));
    EXPECT_EQ(std::wstring(item->strText), expected[i].title);
    EXPECT_EQ(item->nWidth, TextWidth(expected[i].title) + 25);
    EXPECT_EQ(item->nHeight, 2);

    // The drop-down menu is the item's own CMenuEx, attached to the handle the bar opens.
    ASSERT_TRUE(::IsMenu(barItem.submenu));
    CMenuEx* sub = item->pSubMenu;
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(barItem.submenu), sub);
    EXPECT_TRUE(sub->m_bPopup);
    ASSERT_EQ(::GetMenuItemCount(*sub), static_cast<int>(expected[i].items.size()));
    ASSERT_EQ(sub->m_items.size(), expected[i].items.size());
    for (UINT j = 0; j < expected[i].items.size(); ++j) {
      SCOPED_TRACE(expected[i].items[j].second);
      const ItemInfo info = InfoAt(*sub, j);
      EXPECT_NE(info.type & MFT_OWNERDRAW, 0u);
      EXPECT_EQ(info.id, expected[i].items[j].first);
      EXPECT_EQ(info.data, reinterpret_cast<ULONG_PTR>(sub->m_items[j]));
      EXPECT_EQ(sub->m_items[j]->nID, expected[i].items[j].first);
      EXPECT_EQ(std::wstring(sub->m_items[j]->strText), expected[i].items[j].second);
      EXPECT_EQ(sub->m_items[j]->nWidth, TextWidth(expected[i].items[j].second.c_str()) + 10);
      EXPECT_EQ(sub->m_items[j]->nImage, -1);
      EXPECT_EQ(sub->m_items[j]->pSubMenu, nullptr);
    }
  }

  // Loading again replaces the whole copy.
  HMENU firstBar = bar.GetSafeHmenu();
  HMENU firstSub = SubmenuOf(bar, 0)->GetSafeHmenu();
  ASSERT_TRUE(bar.LoadMainMenu());
  EXPECT_FALSE(::IsMenu(firstBar));
  EXPECT_FALSE(::IsMenu(firstSub));
  EXPECT_EQ(CMenu::FromHandlePermanent(firstSub), nullptr);
  EXPECT_EQ(bar.m_items.size(), 2u);
}

// A drop-down menu with the states the program's own menus lack, built item by item.
class BuiltMenu : public testing::Test {
 protected:
  void SetUp() override {
    menu.m_bPopup = TRUE;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.InsertItem(0, MF_BYPOSITION | MF_STRING | MF_CHECKED, 500, L"Checked"));
    ASSERT_TRUE(menu.InsertItem(1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    ASSERT_TRUE(menu.InsertItem(2, MF_BYPOSITION | MF_STRING | MF_GRAYED, 501, L"Gr&ayed\tCtrl+G"));
    source = ::CreatePopupMenu();
    ::AppendMenuW(source, MF_STRING, 510, L"Inner");
    ::AppendMenuW(source, MF_SEPARATOR, 0, nullptr);
    ASSERT_TRUE(menu.InsertItem(3, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(source), L"More"));
  }

  CMenuEx menu;
  HMENU source = nullptr;
};

TEST_F(BuiltMenu, ItemsAreOwnerDrawnInTheirPlacesAndSubmenusAreCopied) {
  ASSERT_EQ(::GetMenuItemCount(menu), 4);
  for (UINT p = 0; p < 4; ++p) {
    const ItemInfo info = InfoAt(menu, p);
    EXPECT_NE(info.type & MFT_OWNERDRAW, 0u) << p;
    EXPECT_EQ(info.data, reinterpret_cast<ULONG_PTR>(menu.m_items[p])) << p;
  }
  EXPECT_NE(InfoAt(menu, 1).type & MFT_SEPARATOR, 0u);
  // The grayed state of the flags is not carried over to the owner-drawn item.
  EXPECT_EQ(::GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);

  EXPECT_FALSE(::IsMenu(source));  // copied, then destroyed
  CMenuEx* more = menu.m_items[3]->pSubMenu;
  ASSERT_NE(more, nullptr);
  EXPECT_EQ(InfoAt(menu, 3).submenu, more->GetSafeHmenu());
  EXPECT_EQ(CMenu::FromHandlePermanent(more->GetSafeHmenu()), more);
  ASSERT_EQ(more->m_items.size(), 2u);
  EXPECT_EQ(more->m_items[0]->nID, 510u);
  EXPECT_EQ(more->m_items[1]->nID, 0u);
  EXPECT_NE(InfoAt(*more, 1).type & MFT_OWNERDRAW, 0u);
}

TEST_F(BuiltMenu, RefusedInsertionsLeaveTheMenuAsItWas) {
  EXPECT_FALSE(menu.InsertItem(0, MF_BYCOMMAND | MF_STRING, 520, L"By command"));
  HMENU gone = ::CreatePopupMenu();
  ::DestroyMenu(gone);
  EXPECT_FALSE(menu.InsertItem(0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(gone), L"Stale"));
  EXPECT_EQ(menu.m_items.size(), 4u);
  EXPECT_EQ(::GetMenuItemCount(menu), 4);

  // A position past the end appends, in the menu and in the item list alike.
  ASSERT_TRUE(menu.InsertItem(99, MF_BYPOSITION | MF_STRING, 521, L"Last"));
  ASSERT_EQ(menu.m_items.size(), 5u);
  EXPECT_EQ(menu.m_items[4]->nID, 521u);
  EXPECT_EQ(InfoAt(menu, 4).data, reinterpret_cast<ULONG_PTR>(menu.m_items[4]));
  // In the middle, later items move up by one.
  ASSERT_TRUE(menu.InsertItem(1, MF_BYPOSITION | MF_STRING, 522, L"Second"));
  EXPECT_EQ(menu.m_items[1]->nID, 522u);
  EXPECT_EQ(menu.m_items[2]->nID, 0u);
  for (UINT p = 0; p < 6; ++p)
    EXPECT_EQ(InfoAt(menu, p).data, reinterpret_cast<ULONG_PTR>(menu.m_items[p])) << p;
}

TEST_F(BuiltMenu, MeasuringAddsTheIconToTheWidthTakenAtInsertion) {
  struct Row {
    size_t index;
    int width;
    int height;
  };
  // Without an image list an item counts 20 x 20 for its icon.
  const Row plain[] = {{0, TextWidth(L"Checked") + 30, 22},
                       {1, 0, 10},
                       {2, TextWidth(L"Gr&ayed\tCtrl+G") + 30, 22},
                       {3, TextWidth(L"More") + 45, 22}};
  for (const Row& row : plain) {
    const MEASUREITEMSTRUCT mis = Measure(menu.m_items[row.index]);
    EXPECT_EQ(static_cast<int>(mis.itemWidth), row.width) << row.index;
    EXPECT_EQ(static_cast<int>(mis.itemHeight), row.height) << row.index;
  }

  CImageList small;
  MakeIconList(small, kIconColour, 16);
  menu.SetImageList(&small);
  EXPECT_EQ(menu.m_nIconWidth, 16);
  EXPECT_EQ(menu.m_items[3]->pSubMenu->m_nIconHeight, 16);
  EXPECT_EQ(menu.m_items[3]->pSubMenu->m_items[0]->pImageList, &small);
  const Row withList[] = {{0, TextWidth(L"Checked") + 26, 18}, {1, 0, 10}, {3, TextWidth(L"More") + 41, 18}};
  for (const Row& row : withList) {
    const MEASUREITEMSTRUCT mis = Measure(menu.m_items[row.index]);
    EXPECT_EQ(static_cast<int>(mis.itemWidth), row.width) << row.index;
    EXPECT_EQ(static_cast<int>(mis.itemHeight), row.height) << row.index;
  }

  MEASUREITEMSTRUCT notMenu = {};
  notMenu.CtlType = ODT_BUTTON;
  notMenu.itemData = reinterpret_cast<ULONG_PTR>(menu.m_items[0]);
  CMenuEx::MeasureMenuItem(&notMenu);
  EXPECT_EQ(notMenu.itemWidth, 0u);
  EXPECT_EQ(notMenu.itemHeight, 0u);
}

TEST(MenuEx, ImageIdsNeedAnImageListAndTheLaterPositionWins) {
  CImageList icons;  // outlives both menus, whose teardown reads it
  CMenuEx bar;
  ASSERT_TRUE(bar.LoadMainMenu());
  CMenuEx* help = SubmenuOf(bar, 1);
  const UINT helpOnly[] = {ID_HELP_HELP};
  bar.SetImageIds(helpOnly, 1);
  EXPECT_EQ(help->m_items[2]->nImage, -1);  // no image list yet: nothing changes

  MakeIconList(icons, kIconColour);
  bar.SetImageList(&icons);
  const UINT table[] = {ID_HELP_HELP, ID_HELP_ABOUT, ID_HELP_HELP};
  bar.SetImageIds(table, 3);
  EXPECT_EQ(help->m_items[0]->nImage, 1);                // About
  EXPECT_EQ(help->m_items[1]->nImage, -1);               // Update: not in the table
  EXPECT_EQ(help->m_items[2]->nImage, 2);                // Help: named twice, the later position
  EXPECT_EQ(SubmenuOf(bar, 0)->m_items[0]->nImage, -1);  // Exit

  // As the main dialog does it: the Help item alone gets image 0, measured 22 high.
  CMenuEx program;
  ASSERT_TRUE(program.LoadMainMenu());
  program.SetImageList(&icons);
  program.SetImageIds(helpOnly, 1);
  const MENUITEM* helpItem = SubmenuOf(program, 1)->m_items[2];
  EXPECT_EQ(helpItem->nImage, 0);
  EXPECT_EQ(SubmenuOf(program, 1)->m_items[0]->nImage, -1);
  const MEASUREITEMSTRUCT mis = Measure(helpItem);
  EXPECT_EQ(static_cast<int>(mis.itemWidth), TextWidth(L"Help") + 30);
  EXPECT_EQ(mis.itemHeight, 22u);
}

TEST(MenuEx, DestroyAllTakesTheImageListsHandleAndEveryMenu) {
  CImageList icons;
  MakeIconList(icons, kIconColour);
  HMENU barHandle = nullptr;
  HMENU helpHandle = nullptr;
  {
    CMenuEx bar;
    ASSERT_TRUE(bar.LoadMainMenu());
    bar.SetImageList(&icons);
    barHandle = bar.GetSafeHmenu();
    helpHandle = SubmenuOf(bar, 1)->GetSafeHmenu();
    bar.DestroyAll();
    EXPECT_EQ(icons.GetSafeHandle(), nullptr);
    EXPECT_TRUE(bar.m_items.empty());
    EXPECT_EQ(bar.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(::IsMenu(barHandle));
    EXPECT_FALSE(::IsMenu(helpHandle));
    EXPECT_EQ(CMenu::FromHandlePermanent(helpHandle), nullptr);

    // Loaded again, the destructor does the same; the emptied list is passed over.
    MakeIconList(icons, kIconColour);
    ASSERT_TRUE(bar.LoadMainMenu());
    bar.SetImageList(&icons);
    helpHandle = SubmenuOf(bar, 1)->GetSafeHmenu();
  }
  EXPECT_EQ(icons.GetSafeHandle(), nullptr);
  EXPECT_FALSE(::IsMenu(helpHandle));
}

// A 24-bit DIB section to draw menu items into and read back.
class Strip {
 public:
  Strip(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = height;  // bottom-up
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &m_bits, nullptr, 0));
    m_dc.CreateCompatibleDC(nullptr);
    m_oldBitmap = m_dc.SelectObject(m_bitmap);
    // Menus are drawn in the menu font, which the system selects before WM_DRAWITEM.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_font.CreateFontIndirect(&metrics.lfMenuFont);
    m_oldFont = m_dc.SelectObject(m_font);
    const RECT all = {0, 0, width, height};
    m_dc.FillSolidRect(&all, RGB(255, 255, 255));
  }
  ~Strip() {
    m_dc.SelectObject(m_oldFont);
    m_dc.SelectObject(m_oldBitmap);
  }

  bool ok() const { return m_bits != nullptr && m_dc.GetSafeHdc() != nullptr; }
  HDC dc() const { return m_dc; }
  COLORREF At(int x, int y) const {
    const int stride = (m_width * 3 + 3) & ~3;
    const auto* row = static_cast<const BYTE*>(m_bits) + static_cast<size_t>(m_height - 1 - y) * stride;
    return RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
  }
  // How many pixels of the rectangle have the colour.
  int Count(const RECT& rect, COLORREF colour) const {
    ::GdiFlush();
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) count += At(x, y) == colour ? 1 : 0;
    }
    return count;
  }
  // Pixels of the rectangle in none of the given colours.
  int CountOther(const RECT& rect, std::initializer_list<COLORREF> colours) const {
    ::GdiFlush();
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        bool known = false;
        for (COLORREF c : colours) known = known || At(x, y) == c;
        count += known ? 0 : 1;
      }
    }
    return count;
  }

  // The leftmost column of the rectangle holding a pixel of the colour, or -1.
  int FirstColumnWith(const RECT& rect, COLORREF colour) const {
    for (int x = rect.left; x < rect.right; ++x) {
      if (Count({x, rect.top, x + 1, rect.bottom}, colour) > 0) return x;
    }
    return -1;
  }

  // Writes the strip as a BMP file.
  bool Save(const std::wstring& path) const {
    ::GdiFlush();
    const int stride = (m_width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = m_width;
    info.biHeight = m_height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * m_height);
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) return false;
    bool written = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&info, sizeof(info), 1, out) == 1 &&
                   fwrite(m_bits, static_cast<size_t>(stride * m_height), 1, out) == 1;
    return fclose(out) == 0 && written;
  }

 private:
  int m_width;
  int m_height;
  void* m_bits = nullptr;
  CBitmap m_bitmap;
  CFont m_font;
  CDC m_dc;
  HGDIOBJ m_oldBitmap = nullptr;
  HGDIOBJ m_oldFont = nullptr;
};

std::wstring ArtifactPath(const wchar_t* name) {
  const char* dir = std::getenv("QUILLOTAP_ARTIFACTS");
  if (dir == nullptr || *dir == '\0') return {};
  std::wstring path;
  for (const char* c = dir; *c != '\0'; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;  // a Unix path, through Wine's drive Z:
  ::CreateDirectoryW(path.c_str(), nullptr);
  return path + L"\\" + name;
}

// The program's menus with the main dialog's colours and icon, plus the states they lack.
class DrawnMenu : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(top.hwnd() != nullptr);
    ASSERT_TRUE(wnd.SubclassWindow(top.hwnd()));
    ASSERT_TRUE(bar.LoadMainMenu());
    bar.SetBackgroundColor(kItemBack);
    bar.SetSelectionColor(kSelFill);
    MakeIconList(icons, kIconColour);
    bar.SetImageList(&icons);
    const UINT ids[] = {ID_HELP_HELP};
    bar.SetImageIds(ids, 1);
    help = SubmenuOf(bar, 1);

    extra.m_bPopup = TRUE;
    ASSERT_TRUE(extra.CreatePopupMenu());
    ASSERT_TRUE(extra.InsertItem(0, MF_BYPOSITION | MF_STRING, 500, L"Checked"));
    ASSERT_TRUE(extra.InsertItem(1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr));
    extra.SetBackgroundColor(kItemBack);
    extra.SetSelectionColor(kSelFill);
    ASSERT_TRUE(strip.ok());
  }

  // Draws one item through the window's WM_DRAWITEM, as the system asks for it, at the next row.
  RECT Draw(CMenuEx& menu, size_t index, UINT state, int height = 22) {
    const RECT rect = {0, m_nextTop, kWidth, m_nextTop + height};
    m_nextTop += height;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = menu.m_items[index]->nID;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = reinterpret_cast<HWND>(menu.GetSafeHmenu());
    dis.hDC = strip.dc();
    dis.rcItem = rect;
    dis.itemData = reinterpret_cast<ULONG_PTR>(menu.m_items[index]);
    ::SendMessageW(top.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    ::GdiFlush();
    return rect;
  }

  static RECT TextArea(const RECT& item) { return {item.left + 30, item.top, item.right, item.bottom}; }

  // The plain look of an item: background, icon column, no frame.
  void ExpectPlainItem(const RECT& r) {
    EXPECT_EQ(strip.At(r.left, r.top), kIconBar);
    EXPECT_EQ(strip.At(r.left + 21, r.bottom - 1), kIconBar);
    EXPECT_EQ(strip.At(r.left + 22, r.top), kItemBack);
    EXPECT_EQ(strip.At(r.right - 1, r.top), kItemBack);
    EXPECT_EQ(strip.At(r.right - 1, r.bottom - 1), kItemBack);
    // Nothing between the icon column and the text's left edge.
    EXPECT_EQ(strip.Count({r.left + 22, r.top, r.left + 30, r.bottom}, kItemBack), 8 * (r.bottom - r.top));
  }

  static constexpr int kWidth = 160;
  ScopedTopWindow top;
  CWnd wnd;
  CImageList icons;  // before the menus: they destroy its handle first
  CMenuEx bar;
  CMenuEx extra;
  CMenuEx* help = nullptr;
  Strip strip{kWidth, 10 * 22 + 10};
  int m_nextTop = 0;
};

TEST_F(DrawnMenu, EachStateIsDrawnInItsColours) {
  const COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
  const RECT normal = Draw(*help, 0, 0);
  const RECT selected = Draw(*help, 0, ODS_SELECTED);
  const RECT grayed = Draw(*help, 0, ODS_GRAYED);
  const RECT grayedSelected = Draw(*help, 0, ODS_GRAYED | ODS_SELECTED);
  const RECT disabledSelected = Draw(*help, 0, ODS_DISABLED | ODS_SELECTED);
  const RECT icon = Draw(*help, 2, 0);
  const RECT iconSelected = Draw(*help, 2, ODS_SELECTED);
  const RECT checked = Draw(*help, 2, ODS_CHECKED);
  const RECT checkedGrayed = Draw(extra, 0, ODS_CHECKED | ODS_GRAYED);
  const RECT checkedSelected = Draw(extra, 0, ODS_CHECKED | ODS_SELECTED);
  const RECT separator = Draw(extra, 1, 0, 10);
  const std::wstring shot = ArtifactPath(L"menu_states.bmp");
  if (!shot.empty()) {
    EXPECT_TRUE(strip.Save(shot));
  }

  {
    SCOPED_TRACE("normal");
    ExpectPlainItem(normal);
    EXPECT_EQ(strip.At(normal.left + 10, normal.top + 10), kIconBar);  // About has no icon
    // The text begins at left + 30: its first inked column is where "About" drawn from x = 30 has it.
    Strip reference(kWidth, 22);
    ::SetBkMode(reference.dc(), TRANSPARENT);
    ::SetTextColor(reference.dc(), text);
    RECT from30 = {30, 0, kWidth, 22};
    ::DrawTextW(reference.dc(), L"About", -1, &from30, DT_EXPANDTABS);
    ::GdiFlush();
    const int firstInked = reference.FirstColumnWith({0, 0, kWidth, 22}, text);
    EXPECT_GE(firstInked, 30);
    EXPECT_EQ(strip.FirstColumnWith(normal, text), normal.left + firstInked);
    EXPECT_EQ(strip.Count(TextArea(normal), kGrey), 0);
  }
  {
    SCOPED_TRACE("selected");
    for (const POINT& edge :
         {POINT{selected.left, selected.top}, POINT{selected.right - 1, selected.top},
          POINT{selected.left, selected.bottom - 1}, POINT{selected.right - 1, selected.bottom - 1},
          POINT{selected.left + 11, selected.top}})
      EXPECT_EQ(strip.At(edge.x, edge.y), kSelFrame) << edge.x << "," << edge.y;
    EXPECT_EQ(strip.At(selected.left + 10, selected.top + 10), RGB(186, 220, 210));  // column covered
    EXPECT_EQ(strip.At(selected.right - 2, selected.top + 1), RGB(186, 220, 210));
    EXPECT_EQ(
        strip.Count({selected.left + 1, selected.top + 1, selected.right - 1, selected.bottom - 1}, kIconBar),
        0);
    EXPECT_GT(strip.Count(TextArea(selected), text), 0);
  }
  for (const RECT& r : {grayed, grayedSelected}) {
    SCOPED_TRACE(r.top == grayed.top ? "grayed" : "grayed and selected");
    ExpectPlainItem(r);
    EXPECT_GT(strip.Count(TextArea(r), kGrey), 0);
    EXPECT_EQ(strip.Count(TextArea(r), text), 0);
  }
  {
    SCOPED_TRACE("disabled and selected");
    ExpectPlainItem(disabledSelected);
    EXPECT_GT(strip.Count(TextArea(disabledSelected), text), 0);
    EXPECT_EQ(strip.Count(TextArea(disabledSelected), kGrey), 0);
  }
  {
    SCOPED_TRACE("icon");
    EXPECT_EQ(strip.At(icon.left, icon.top), kIconBar);
    EXPECT_EQ(strip.At(icon.left + 1, icon.top + 1), kIconColour);
    EXPECT_EQ(strip.At(icon.left + 20, icon.top + 20), kIconColour);
    EXPECT_EQ(strip.Count({icon.left + 1, icon.top + 1, icon.left + 21, icon.top + 21}, kIconColour), 400);
    EXPECT_EQ(strip.At(icon.left + 21, icon.top + 21), kIconBar);
    EXPECT_EQ(strip.At(iconSelected.left, iconSelected.top), kSelFrame);
    EXPECT_EQ(strip.Count({iconSelected.left + 1, iconSelected.top + 1, iconSelected.left + 21,
                           iconSelected.top + 21},
                          kIconColour),
              400);
  }
  for (const RECT& r : {checked, checkedSelected}) {
    SCOPED_TRACE(r.top == checked.top ? "checked" : "checked and selected");
    const RECT box = {r.left + 1, r.top + 1, r.left + 21, r.top + 21};
    EXPECT_EQ(strip.At(box.left, box.top), kSelFrame);
    EXPECT_EQ(strip.At(box.right - 1, box.bottom - 1), kSelFrame);
    EXPECT_EQ(strip.At(box.left + 2, box.bottom - 2), RGB(186, 220, 210));
    EXPECT_EQ(strip.Count(box, kIconColour), 0);  // a checked item shows no icon
    EXPECT_GT(strip.Count(box, text), 0);         // the check glyph
  }
  {
    SCOPED_TRACE("checked and grayed");
    const RECT box = {checkedGrayed.left + 2, checkedGrayed.top + 2, checkedGrayed.left + 20,
                      checkedGrayed.top + 20};
    EXPECT_EQ(strip.At(box.left - 1, box.top - 1), kSelFrame);
    // The embossed glyph: the system's shadow and highlight colours, never the plain text colour.
    EXPECT_GT(strip.Count(box, ::GetSysColor(COLOR_3DSHADOW)), 0);
    EXPECT_EQ(strip.Count(box, text), 0);
    EXPECT_GT(strip.Count(TextArea(checkedGrayed), kGrey), 0);
  }
  {
    SCOPED_TRACE("separator");
    const RECT& s = separator;
    EXPECT_EQ(strip.Count({s.left + 30, s.top + 4, s.right, s.top + 5}, kSeparatorLine), kWidth - 30);
    EXPECT_EQ(strip.At(s.left + 29, s.top + 4), kItemBack);
    EXPECT_EQ(strip.CountOther({s.left + 22, s.top, s.right, s.bottom}, {kItemBack, kSeparatorLine}), 0);
    EXPECT_EQ(strip.Count({s.left + 22, s.top, s.right, s.bottom}, kSeparatorLine), kWidth - 30);
    EXPECT_EQ(strip.Count({s.left, s.top, s.left + 22, s.bottom}, kIconBar), 22 * 10);
  }
}

TEST_F(DrawnMenu, TheColoursReachEverySubmenuAndOnlyMenuItemsAreDrawn) {
  EXPECT_EQ(SubmenuOf(bar, 0)->m_crMenuBack, kItemBack);
  EXPECT_EQ(SubmenuOf(bar, 0)->m_crSelFill, kSelFill);
  CMenuEx fresh;
  EXPECT_EQ(fresh.m_crMenuBack, RGB(140, 190, 235));
  EXPECT_EQ(fresh.m_crSelFill, RGB(200, 220, 253));
  EXPECT_EQ(fresh.m_nSeparatorHeight, 10);

  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_BUTTON;
  dis.hDC = strip.dc();
  dis.rcItem = {0, 0, kWidth, 22};
  dis.itemData = reinterpret_cast<ULONG_PTR>(help->m_items[0]);
  help->DrawItem(&dis);
  EXPECT_EQ(strip.Count({0, 0, kWidth, 22}, RGB(255, 255, 255)), kWidth * 22);
}

}  // namespace
