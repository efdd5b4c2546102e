#include "mfc/afx_menu.h"

#include <map>
#include <memory>

#include "mfc/afx_app.h"

namespace {

// Menus belong to the thread that made them, as windows do.
std::map<HMENU, CMenu*>& PermanentMenus() {
  thread_local std::map<HMENU, CMenu*> menus;
  return menus;
}

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
  auto& menus = PermanentMenus();
  const auto found = menus.find(hMenu);
  return found != menus.end() ? found->second : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  if (CMenu* permanent = FromHandlePermanent(hMenu)) return permanent;
  thread_local std::map<HMENU, std::unique_ptr<CMenu>> temporaries;
  std::unique_ptr<CMenu>& wrapper = temporaries[hMenu];
  if (!wrapper) wrapper = std::make_unique<CMenu>();
  wrapper->m_hMenu = hMenu;
  return wrapper.get();
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == nullptr || m_hMenu != nullptr) return FALSE;
  m_hMenu = hMenu;
  PermanentMenus()[hMenu] = this;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU hMenu = m_hMenu;
  if (hMenu != nullptr) {
    auto& menus = PermanentMenus();
    const auto found = menus.find(hMenu);
    if (found != menus.end() && found->second == this) menus.erase(found);
  }
  m_hMenu = nullptr;
  return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
  return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CMenu::DestroyMenu() {
  // A temporary wrapper does not own its handle.
  if (m_hMenu == nullptr || FromHandlePermanent(m_hMenu) != this) {
    m_hMenu = nullptr;
    return FALSE;
  }
  return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  const int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (length <= 0) {
    rString.Empty();
    return 0;
  }
  ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBuffer(length), length + 1, nFlags);
  rString.ReleaseBuffer();
  return rString.GetLength();
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
