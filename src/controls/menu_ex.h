#pragma once
// CMenuEx: a copy of a menu whose drop-down items the program draws itself (light background, icon
// column, framed highlight and check box, grey text when grayed, a thin line for a separator). The menu
// bar stays an ordinary one; each drop-down menu is a CMenuEx of its own, owned by the item opening it.
#include <vector>

#include "mfc/afxwin.h"

class CMenuEx;

// One item of a CMenuEx; in a drop-down menu its address is the item's owner-draw data.
struct MENUITEM {
  MENUITEM() = default;
  ~MENUITEM();  // deletes the submenu object
  MENUITEM(const MENUITEM&) = delete;
  MENUITEM& operator=(const MENUITEM&) = delete;

  CString strText;  // as in the source menu, "&" and tab included; empty for a separator
  UINT nID = 0;     // command id; (UINT)-1 for an item that opens a submenu; 0 for a separator
  int nWidth = 0;   // measured at insertion, without the icon
  int nHeight = 0;  // without the icon
  CImageList* pImageList = nullptr;
  CImageList* pDisabledImageList = nullptr;
  CImageList* pHotImageList = nullptr;
  int nImage = -1;  // icon index in the image list, -1 for none
  BOOL bPopup = FALSE;
  CMenuEx* pSubMenu = nullptr;  // owned
};

class CMenuEx : public CMenu {
 public:
  CMenuEx();
  ~CMenuEx() override;

  // The owner-drawn copy of the program's menu bar IDR_MAIN_MENU.
  BOOL LoadMainMenu();
  // The owner-drawn copy of hMenu, which is destroyed afterwards.
  BOOL LoadFromHandle(HMENU hMenu);
  // Appends a copy of every item of pSource; FALSE at the first item that fails.
  BOOL CopyItems(CMenu* pSource);
  // InsertMenu's arguments; nFlags must contain MF_BYPOSITION. With MF_POPUP, nIDNewItem is the source
  // submenu, which is copied into a CMenuEx of the new item's own and destroyed.
  BOOL InsertItem(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem);

  // These apply to this menu and to every submenu below it.
  void SetBackgroundColor(COLORREF cr);
  void SetSelectionColor(COLORREF cr);
  // The list is not owned, but DestroyAll destroys its handle.
  void SetImageList(CImageList* pImageList);
  // The item whose command id is pIds[j] gets icon j; nothing happens before an image list is set.
  void SetImageIds(const UINT* pIds, int nCount);

  // Fills WM_MEASUREITEM's answer for an item of any CMenuEx from its MENUITEM.
  static void MeasureMenuItem(LPMEASUREITEMSTRUCT lpMIS);
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  // Destroys the image lists' handles, the items with their submenus, and the menu handle.
  virtual void DestroyAll();

  BOOL m_bPopup;  // a drop-down menu, whose items are owner-drawn
  int m_nSeparatorHeight;
  COLORREF m_crMenuBack;
  COLORREF m_crMenuTextSel;
  COLORREF m_crMenuText;
  COLORREF m_crIconBar;
  COLORREF m_crSelFrame;  // frame of the highlight and of the check box
  COLORREF m_crSelFill;   // fill of the highlight and of the check box
  int m_nIconWidth;
  int m_nIconHeight;
  CImageList* m_pImageList;
  CImageList* m_pDisabledImageList;
  CImageList* m_pHotImageList;
  std::vector<MENUITEM*> m_items;  // in menu order: index = position
};
