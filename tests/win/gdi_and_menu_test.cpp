// The layer's GDI objects, menus, image lists, tooltips and window helpers, on real handles.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_window.h"

namespace {

TEST(GdiObjects, OwnTheirHandleAndPutTheOldSelectionBack) {
  HGDIOBJ brushHandle = nullptr;
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
  HDC memoryHandle = memory.GetSafeHdc();
  const HGDIOBJ stockBrush = ::GetCurrentObject(memoryHandle, OBJ_BRUSH);
  {
    CBrush brush(RGB(1, 2, 3));
    brushHandle = brush.GetSafeHandle();
    ASSERT_EQ(::GetObjectType(brushHandle), static_cast<DWORD>(OBJ_BRUSH));
    CSelectObject selected(memory, brush);
    EXPECT_EQ(::GetCurrentObject(memoryHandle, OBJ_BRUSH), brushHandle);
  }
  EXPECT_EQ(::GetCurrentObject(memoryHandle, OBJ_BRUSH), stockBrush);
  EXPECT_EQ(::GetObjectType(brushHandle), 0u);  // deleted with its object

  memory.DeleteDC();
  EXPECT_EQ(memory.GetSafeHdc(), nullptr);
  EXPECT_EQ(::GetObjectType(memoryHandle), 0u);
  CDC borrowed(::GetDC(nullptr));
  HDC screen = borrowed.GetSafeHdc();
  borrowed.DeleteDC();  // a borrowed context is not the object's to delete
  EXPECT_EQ(borrowed.GetSafeHdc(), screen);
  ::ReleaseDC(nullptr, screen);
}

TEST(GdiObjects, FillSolidRectPaintsExactlyTheRectangle) {
  CDC screen(::GetDC(nullptr));
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.Attach(::CreateCompatibleBitmap(screen, 8, 8)));
  CSelectObject selected(memory, bitmap);
  const RECT all = {0, 0, 8, 8};
  memory.FillSolidRect(&all, RGB(255, 255, 255));
  const RECT part = {2, 3, 5, 6};
  memory.FillSolidRect(&part, RGB(246, 246, 246));
  EXPECT_EQ(::GetPixel(memory, 2, 3), RGB(246, 246, 246));
  EXPECT_EQ(::GetPixel(memory, 4, 5), RGB(246, 246, 246));
  EXPECT_EQ(::GetPixel(memory, 5, 5), RGB(255, 255, 255));  // right and bottom edges are outside
  EXPECT_EQ(::GetPixel(memory, 4, 6), RGB(255, 255, 255));
  ::ReleaseDC(nullptr, screen);
}

class CRecordingMenu : public CMenu {
 public:
  std::vector<UINT> m_drawn;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_drawn.push_back(lpDrawItemStruct->itemID); }
};

TEST(Menus, AttachedObjectsAreFoundByHandleAndDrawTheirOwnItems) {
  ScopedTopWindow top;
  CWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(top.hwnd()));
  CRecordingMenu attached;
  ASSERT_TRUE(attached.CreatePopupMenu());
  HMENU handle = attached.GetSafeHmenu();
  EXPECT_EQ(CMenu::FromHandlePermanent(handle), &attached);
  HMENU stranger = ::CreatePopupMenu();
  EXPECT_EQ(CMenu::FromHandlePermanent(stranger), nullptr);
  EXPECT_NE(CMenu::FromHandle(stranger), nullptr);

  for (HMENU menu : {handle, stranger}) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = menu == handle ? 7 : 8;
    item.hwndItem = reinterpret_cast<HWND>(menu);
    ::SendMessageW(top.hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_EQ(attached.m_drawn, std::vector<UINT>{7});

  {
    CRecordingMenu scoped;
    ASSERT_TRUE(scoped.CreateMenu());
    handle = scoped.GetSafeHmenu();
  }
  EXPECT_FALSE(::IsMenu(handle));  // destroyed with its object
  EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
  ::DestroyMenu(stranger);
}

TEST(Menus, GetMenuStringReadsTextOfAnyLength) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  const std::wstring longText(600, L'x');
  ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 40, longText.c_str()));
  ASSERT_TRUE(menu.InsertMenu(1, MF_BYPOSITION | MF_STRING, 41, L"E&xit\tAlt+F4"));
  CString text;
  EXPECT_EQ(menu.GetMenuString(0, text, MF_BYPOSITION), 600);
  EXPECT_EQ(std::wstring(text), longText);
  menu.GetMenuString(41, text, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(text), L"E&xit\tAlt+F4");
  EXPECT_EQ(menu.GetMenuItemCount(), 2u);
  EXPECT_EQ(menu.GetMenuItemID(1), 41u);
}

TEST(ImageLists, AddAnImageReportItsSizeAndLetGoOfTheHandle) {
  CImageList list;
  ASSERT_TRUE(list.Create(20, 20, ILC_COLOR24 | ILC_MASK, 9, 0));
  CDC screen(::GetDC(nullptr));
  CBitmap picture;
  ASSERT_TRUE(picture.Attach(::CreateCompatibleBitmap(screen, 20, 20)));
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(list.Add(&picture, nullptr), 0);
  EXPECT_EQ(list.GetImageCount(), 1);
  IMAGEINFO info = {};
  ASSERT_TRUE(list.GetImageInfo(0, &info));
  EXPECT_EQ(info.rcImage.right - info.rcImage.left, 20);
  EXPECT_EQ(info.rcImage.bottom - info.rcImage.top, 20);
  EXPECT_TRUE(list.DeleteImageList());
  EXPECT_EQ(list.GetSafeHandle(), nullptr);
  EXPECT_FALSE(list.DeleteImageList());  // an emptied list is passed over
}

class CPointerWnd : public CWnd {
 public:
  std::vector<POINT> m_moves;
  int m_hovers = 0;
  int m_leaves = 0;

 protected:
  afx_msg void OnMouseMove(UINT, POINT point) { m_moves.push_back(point); }
  afx_msg void OnMouseHover(UINT, POINT) { ++m_hovers; }
  afx_msg void OnMouseLeave() { ++m_leaves; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPointerWnd, CWnd)
  ON_WM_MOUSEMOVE()   // void OnMouseMove(UINT, POINT)
  ON_WM_MOUSEHOVER()  // void OnMouseHover(UINT, POINT)
  ON_WM_MOUSELEAVE()  // void OnMouseLeave()
END_MESSAGE_MAP()

TEST(WindowHelpers, MouseMessagesCarrySignedPoints) {
  ScopedTopWindow top;
  CPointerWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(top.hwnd()));
  ::SendMessageW(top.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(-5, 7));
  ::SendMessageW(top.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(1, 1));
  ::SendMessageW(top.hwnd(), WM_MOUSELEAVE, 0, 0);
  ASSERT_EQ(wnd.m_moves.size(), 1u);
  EXPECT_EQ(wnd.m_moves[0].x, -5);
  EXPECT_EQ(wnd.m_moves[0].y, 7);
  EXPECT_EQ(wnd.m_hovers, 1);
  EXPECT_EQ(wnd.m_leaves, 1);
}

TEST(WindowHelpers, ModifyStyleSaysWhetherAnythingChanged) {
  ScopedTopWindow top;
  CButton button;
  ASSERT_TRUE(button.SubclassWindow(top.AddChild(L"Button", BS_PUSHBUTTON, 600)));
  EXPECT_TRUE(button.ModifyStyle(0, BS_OWNERDRAW));
  EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_FALSE(button.ModifyStyle(0, BS_OWNERDRAW));
  EXPECT_TRUE(button.GetStyle() & WS_VISIBLE);
}

class CRenamingButton : public CButton {
 public:
  CString m_seenClass;

 protected:
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override {
    m_seenClass = cs.lpszClass;
    cs.style |= BS_OWNERDRAW;
    return TRUE;
  }
};

TEST(WindowHelpers, CreatedWindowsPassThroughPreCreateWindowAndAreSubclassed) {
  ScopedTopWindow top;
  CWnd parent;
  ASSERT_TRUE(parent.SubclassWindow(top.hwnd()));
  CRenamingButton button;
  const RECT rect = {1, 2, 31, 22};
  ASSERT_TRUE(button.Create(L"made", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, &parent, 601));
  EXPECT_EQ(std::wstring(button.m_seenClass), L"BUTTON");
  EXPECT_EQ(CWnd::FromHandlePermanent(button.m_hWnd), &button);
  EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_EQ(::GetDlgCtrlID(button.m_hWnd), 601);
  RECT placed;
  button.GetWindowRect(&placed);
  parent.ScreenToClient(&placed);
  EXPECT_EQ(placed.left, 1);
  EXPECT_EQ(placed.top, 2);
  EXPECT_EQ(placed.right, 31);
  EXPECT_EQ(placed.bottom, 22);
}

TEST(ToolTips, AToolForAWholeWindowCarriesItsText) {
  ScopedTopWindow top;
  CWnd parent;
  ASSERT_TRUE(parent.SubclassWindow(top.hwnd()));
  CButton button;
  ASSERT_TRUE(button.SubclassWindow(top.AddChild(L"Button", BS_PUSHBUTTON, 602)));
  HWND tipWindow = nullptr;
  {
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent, 0));
    tipWindow = tip.m_hWnd;
    ASSERT_TRUE(tip.AddTool(&button, L"View mouse position"));
    tip.Activate(TRUE);
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);

    wchar_t text[64] = L"";
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = top.hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(button.m_hWnd);
    info.lpszText = text;
    tip.SendMessage(TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(text), L"View mouse position");
  }
  EXPECT_FALSE(::IsWindow(tipWindow));  // the tooltip goes with its object
}

}  // namespace
