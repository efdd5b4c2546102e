#include "controls/menu_ex.h"

#include <initializer_list>

#include "controls/menu_item_layout.h"
#include "resource.h"

namespace {

constexpr UINT kNoSubmenuId = static_cast<UINT>(-1);  // what GetMenuItemID says of a submenu item
constexpr wchar_t kCheckGlyph[] = L"\x221A";          // the square-root sign serves as the check mark

RECT ToRect(const MenuRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

MenuRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

MenuItemState StateOf(UINT itemState) {
  MenuItemState state;
  state.selected = (itemState & ODS_SELECTED) != 0;
  state.grayed = (itemState & ODS_GRAYED) != 0;
  state.disabled = (itemState & ODS_DISABLED) != 0;
  state.checked = (itemState & ODS_CHECKED) != 0;
  return state;
}

// The size of a list's images, read from image 0; a list that holds no image yet gives the size it was
// made with, and one without a handle the default.
MenuSize IconSizeOf(const CImageList& list) {
  IMAGEINFO info = {};
  if (list.GetImageInfo(0, &info))
    return {info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top};
  int cx = 0;
  int cy = 0;
  if (list.GetSafeHandle() != nullptr && ImageList_GetIconSize(list.GetSafeHandle(), &cx, &cy))
    return {cx, cy};
  return {kMenuDefaultIconSize, kMenuDefaultIconSize};
}

}  // namespace

MENUITEM::~MENUITEM() { delete pSubMenu; }

CMenuEx::CMenuEx()
    : m_bPopup(FALSE),
      m_nSeparatorHeight(kMenuDefaultSeparatorHeight),
      m_crMenuBack(kMenuDefaultBack),
      m_crMenuTextSel(::GetSysColor(COLOR_MENUTEXT)),
      m_crMenuText(::GetSysColor(COLOR_MENUTEXT)),
      m_crIconBar(kMenuDefaultIconBar),
      m_crSelFrame(kMenuDefaultSelFrame),
      m_crSelFill(kMenuDefaultSelFill),
      m_nIconWidth(kMenuDefaultIconSize),
      m_nIconHeight(kMenuDefaultIconSize),
      m_pImageList(nullptr),
      m_pDisabledImageList(nullptr),
      m_pHotImageList(nullptr) {}

CMenuEx::~CMenuEx() { DestroyAll(); }

BOOL CMenuEx::LoadMainMenu() {
  return LoadFromHandle(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAIN_MENU)));
}

BOOL CMenuEx::LoadFromHandle(HMENU hMenu) {
  // A missing resource or a stale handle would otherwise read as a menu of -1 items.
  if (!::IsMenu(hMenu)) return FALSE;
  CMenu source;
  source.m_hMenu = hMenu;  // borrowed: not attached, so the wrapper never owns the handle
  if (m_hMenu != nullptr) DestroyAll();
  const BOOL created = m_bPopup ? CreatePopupMenu() : CreateMenu();
  const BOOL copied = created && CopyItems(&source);
  source.m_hMenu = nullptr;
  ::DestroyMenu(hMenu);
  return copied;
}

BOOL CMenuEx::CopyItems(CMenu* pSource) {
  // The count is asked again after each item; a failed count (-1) copies nothing.
  for (int p = 0; p < static_cast<int>(pSource->GetMenuItemCount()); ++p) {
    const UINT id = pSource->GetMenuItemID(p);
    const UINT state = pSource->GetMenuState(p, MF_BYPOSITION);
    CString text;
    pSource->GetMenuString(p, text, MF_BYPOSITION);
    const UINT end = static_cast<UINT>(m_items.size());
    BOOL inserted = FALSE;
    if (id == 0) {
      inserted = InsertItem(end, MF_SEPARATOR | MF_BYPOSITION, 0, nullptr);
    } else if (id == kNoSubmenuId) {
      // A submenu's state carries its item count in the high byte.
      HMENU submenu = ::GetSubMenu(pSource->GetSafeHmenu(), p);
      inserted = InsertItem(end, (state & 0xFF) | MF_POPUP | MF_BYPOSITION,
                            reinterpret_cast<UINT_PTR>(submenu), text);
    } else {
      inserted = InsertItem(end, state | MF_BYPOSITION, id, text);
    }
    if (!inserted) return FALSE;
  }
  return TRUE;
}

BOOL CMenuEx::InsertItem(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCWSTR lpszNewItem) {
  // Text is measured once, here, in the font a fresh context of the main window starts with.
  CClientDC dc(AfxGetMainWnd());
  if ((nFlags & MF_BYPOSITION) == 0) return FALSE;
  // InsertMenu appends for a position past the end; the item list must put the item in the same place.
  const UINT count = static_cast<UINT>(m_items.size());
  const UINT position = nPosition < count ? nPosition : count;
  const CString text = lpszNewItem;
  auto* item = new MENUITEM;
  const auto itemData = reinterpret_cast<LPCWSTR>(item);
  BOOL inserted = FALSE;
  BOOL done = FALSE;

  if ((nFlags & MF_SEPARATOR) != 0) {
    const MenuSize size = InsertedItemSize(MenuItemKind::kSeparator, 0, m_nSeparatorHeight);
    item->nWidth = size.cx;
    item->nHeight = size.cy;
    inserted = InsertMenu(position, nFlags, 0, nullptr);
    done = inserted &&
           (!m_bPopup || ModifyMenu(position, MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, itemData));
  } else {
    const bool popup = (nFlags & MF_POPUP) != 0;
    const MenuSize size = InsertedItemSize(popup ? MenuItemKind::kSubmenu : MenuItemKind::kCommand,
                                           dc.GetTextExtent(text, text.GetLength()).cx, m_nSeparatorHeight);
    item->strText = text;
    item->nWidth = size.cx;
    item->nHeight = size.cy;
    item->pImageList = m_pImageList;
    item->pDisabledImageList = m_pDisabledImageList;
    item->pHotImageList = m_pHotImageList;
    if (popup) {
      item->nID = kNoSubmenuId;
      item->bPopup = TRUE;
      item->pSubMenu = new CMenuEx;
      item->pSubMenu->m_bPopup = TRUE;
      item->pSubMenu->LoadFromHandle(reinterpret_cast<HMENU>(nIDNewItem));
      const auto submenu = reinterpret_cast<UINT_PTR>(item->pSubMenu->GetSafeHmenu());
      // A source that was no menu leaves the copy without a handle: nothing to open.
      inserted = submenu != 0 && InsertMenu(position, nFlags, submenu, text);
      done = inserted && (!m_bPopup || ModifyMenu(position, nFlags | MF_OWNERDRAW | MF_POPUP | MF_BYPOSITION,
                                                  submenu, itemData));
    } else {
      item->nID = static_cast<UINT>(nIDNewItem);
      inserted = InsertMenu(position, nFlags, nIDNewItem, text);
      // Only these two flags: the owner-drawn item keeps no grayed or checked state of nFlags.
      done =
          inserted && (!m_bPopup || ModifyMenu(position, MF_OWNERDRAW | MF_BYPOSITION, nIDNewItem, itemData));
    }
  }

  if (!done) {
    // Positions in the menu and in m_items must stay in step.
    if (inserted) ::RemoveMenu(m_hMenu, position, MF_BYPOSITION);
    delete item;
    return FALSE;
  }
  m_items.insert(m_items.begin() + position, item);
  return TRUE;
}

void CMenuEx::SetBackgroundColor(COLORREF cr) {
  m_crMenuBack = cr;
  for (MENUITEM* item : m_items) {
    if (item->pSubMenu != nullptr) item->pSubMenu->SetBackgroundColor(cr);
  }
}

void CMenuEx::SetSelectionColor(COLORREF cr) {
  m_crSelFill = cr;
  for (MENUITEM* item : m_items) {
    if (item->pSubMenu != nullptr) item->pSubMenu->SetSelectionColor(cr);
  }
}

void CMenuEx::SetImageList(CImageList* pImageList) {
  if (pImageList == nullptr) return;
  m_pImageList = pImageList;
  const MenuSize size = IconSizeOf(*pImageList);
  m_nIconWidth = size.cx;
  m_nIconHeight = size.cy;
  for (MENUITEM* item : m_items) item->pImageList = pImageList;
  for (MENUITEM* item : m_items) {
    if (item->pSubMenu != nullptr) item->pSubMenu->SetImageList(pImageList);
  }
}

void CMenuEx::SetImageIds(const UINT* pIds, int nCount) {
  if (m_pImageList == nullptr && m_pDisabledImageList == nullptr && m_pHotImageList == nullptr) return;
  for (MENUITEM* item : m_items) {
    if (item->pSubMenu != nullptr)
      item->pSubMenu->SetImageIds(pIds, nCount);
    else
      item->nImage = ImageIndexFor(item->nID, pIds, nCount, item->nImage);
  }
}

void CMenuEx::MeasureMenuItem(LPMEASUREITEMSTRUCT lpMIS) {
  if (lpMIS == nullptr || lpMIS->CtlType != ODT_MENU || lpMIS->itemData == 0) return;
  const auto* item = reinterpret_cast<const MENUITEM*>(lpMIS->itemData);
  // The icon size of the first list the item has.
  CImageList* list = item->pImageList != nullptr           ? item->pImageList
                     : item->pDisabledImageList != nullptr ? item->pDisabledImageList
                                                           : item->pHotImageList;
  MenuSize icon;
  if (list != nullptr) icon = IconSizeOf(*list);
  const MenuSize size =
      MeasuredItemSize({item->nWidth, item->nHeight}, item->nID == 0, list != nullptr ? &icon : nullptr);
  lpMIS->itemWidth = static_cast<UINT>(size.cx);
  lpMIS->itemHeight = static_cast<UINT>(size.cy);
}

void CMenuEx::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (lpDIS == nullptr || lpDIS->CtlType != ODT_MENU || lpDIS->itemData == 0) return;
  const MENUITEM* item = reinterpret_cast<const MENUITEM*>(lpDIS->itemData);
  CDC dc(lpDIS->hDC);  // borrowed from the system for this call
  const MenuRect area = FromRect(lpDIS->rcItem);
  const RECT whole = lpDIS->rcItem;
  const MenuItemState state = StateOf(lpDIS->itemState);
  const bool separator = item->nID == 0;

  // Every call paints the whole item, whatever the item action asks for.
  {
    CBrush back(m_crMenuBack);
    dc.FillRect(&whole, back);
    CBrush bar(m_crIconBar);
    const RECT column = ToRect(IconColumnRect(area, m_nIconWidth));
    dc.FillRect(&column, bar);
  }

  if (DrawsHighlight(separator, state)) {
    CPen frame(PS_SOLID, 1, m_crSelFrame);
    CBrush fill(m_crSelFill);
    CSelectObject pen(dc, frame);
    CSelectObject brush(dc, fill);
    dc.Rectangle(&whole);
  }

  dc.SetBkMode(TRANSPARENT);
  if (separator) {
    CBrush line(kMenuSeparatorLine);
    const RECT lineRect = ToRect(SeparatorLineRect(area, m_nIconWidth));
    dc.FillRect(&lineRect, line);
  } else {
    const int textHeight = dc.GetTextExtent(item->strText, item->strText.GetLength()).cy;
    RECT textRect = ToRect(TextRect(area, m_nIconWidth, textHeight));
    dc.SetTextColor(TextColour(state, m_crMenuText, m_crMenuTextSel));
    // Not single-line: the top computed above places the text; tabs and "&" work as in a menu.
    dc.DrawText(item->strText, item->strText.GetLength(), &textRect, DT_VCENTER | DT_EXPANDTABS);
  }
  dc.SetBkMode(OPAQUE);

  const MenuRect box = IconBoxRect(area, m_nIconWidth, m_nIconHeight);
  if (state.checked) {
    const RECT boxRect = ToRect(box);
    {
      CPen frame(PS_SOLID, 1, m_crSelFrame);
      CBrush fill(m_crSelFill);
      CSelectObject pen(dc, frame);
      CSelectObject brush(dc, fill);
      dc.Rectangle(&boxRect);
    }
    const SIZE extent = dc.GetTextExtent(kCheckGlyph, 1);
    const MenuPoint origin = CheckGlyphOrigin(box, {extent.cx, extent.cy});
    dc.SetBkMode(TRANSPARENT);
    if (state.grayed) {
      dc.DrawState({origin.x, origin.y}, {box.right - origin.x, box.bottom - origin.y}, kCheckGlyph,
                   DST_PREFIXTEXT | DSS_DISABLED);
    } else {
      dc.SetTextColor(state.selected ? m_crMenuTextSel : m_crMenuText);
      RECT glyphRect = {origin.x, origin.y, box.right, box.bottom};
      dc.DrawText(kCheckGlyph, 1, &glyphRect, DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
    }
    dc.SetBkMode(OPAQUE);
  } else if (item->nImage != -1) {
    CImageList* list = item->pImageList;
    switch (ImageSourceFor(state, item->pDisabledImageList != nullptr, item->pHotImageList != nullptr)) {
      case MenuImageSource::kDisabled:
        list = item->pDisabledImageList;
        break;
      case MenuImageSource::kHot:
        list = item->pHotImageList;
        break;
      case MenuImageSource::kNormal:
        break;
    }
    if (list != nullptr) list->Draw(&dc, item->nImage, {area.left + 1, area.top + 1}, ILD_TRANSPARENT);
  }
}

void CMenuEx::DestroyAll() {
  // The lists are not ours, but their handles go with the menu; a list emptied already is passed over.
  for (CImageList* list : {m_pImageList, m_pDisabledImageList, m_pHotImageList}) {
    if (list != nullptr && list->GetSafeHandle() != nullptr) list->DeleteImageList();
  }
  while (!m_items.empty()) {
    MENUITEM* item = m_items.front();
    if (item->pSubMenu != nullptr) item->pSubMenu->DestroyAll();
    m_items.erase(m_items.begin());
    delete item;
  }
  DestroyMenu();
}
