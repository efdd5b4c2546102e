#pragma once
// CMenu: a menu handle with an object behind it. Attach makes the object the handle's permanent owner,
// which is how an owner-drawn menu item's WM_DRAWITEM finds the object that draws it.
#include <windows.h>

#include "mfc/afx_string.h"

class CMenu {
 public:
  CMenu() = default;
  // Destroys the menu it still holds.
  virtual ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  // The object attached to the handle, or nullptr.
  static CMenu* FromHandlePermanent(HMENU hMenu);
  // The permanent object, or else a wrapper that lives as long as the thread; nullptr for nullptr.
  static CMenu* FromHandle(HMENU hMenu);

  BOOL Attach(HMENU hMenu);
  HMENU Detach();
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }  // NOLINT: implicit, as callers expect

  BOOL CreateMenu() { return Attach(::CreateMenu()); }
  BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
  // From the program's resources.
  BOOL LoadMenu(UINT nIDResource);
  BOOL DestroyMenu();

  UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
  UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
  UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
  // The item's text whatever its length; returns the length.
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
    return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
  }
  // For MF_OWNERDRAW, lpszNewItem is the item data.
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
  }

  // An owner-drawn item of this menu; the window's default WM_DRAWITEM handling calls it.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

  HMENU m_hMenu = nullptr;
};
