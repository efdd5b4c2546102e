#include "mfc/afx_wnd.h"

#include <commctrl.h>

#include <map>
#include <memory>

namespace {

// One subclass id for every window object of the layer.
constexpr UINT_PTR kSubclassId = 0x51A7;

// The window handle of a reflected message's child, or nullptr when the message is not reflected.
HWND ReflectedChild(HWND hWndParent, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      return item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, static_cast<int>(item->CtlID));
    }
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return reinterpret_cast<HWND>(lParam);
      return nullptr;
  }
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
  LRESULT result = 0;
  return OnMessageMap(WM_COMMAND, MAKEWPARAM(nID, nCode), 0, result);
}

BOOL CCmdTarget::OnMessageMap(UINT, WPARAM, LPARAM, LRESULT&) { return FALSE; }

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_CTLCOLOR()     // CWnd::OnCtlColor
  ON_WM_DRAWITEM()     // CWnd::OnDrawItem
  ON_WM_MEASUREITEM()  // CWnd::OnMeasureItem
END_MESSAGE_MAP()

CWnd::~CWnd() { UnsubclassWindow(); }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  DWORD_PTR refData = 0;
  if (hWnd == nullptr || !::GetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, &refData))
    return nullptr;
  return reinterpret_cast<CWnd*>(refData);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  // Wrappers for windows without an object of their own, kept per thread and reused per handle.
  thread_local std::map<HWND, std::unique_ptr<CWnd>> temporaries;
  std::unique_ptr<CWnd>& wrapper = temporaries[hWnd];
  if (!wrapper) wrapper = std::make_unique<CWnd>();
  wrapper->m_hWnd = hWnd;
  return wrapper.get();
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (hWnd == nullptr || m_hWnd != nullptr) return FALSE;
  if (!::SetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    return FALSE;
  m_hWnd = hWnd;
  PreSubclassWindow();
  return TRUE;
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
    ::RemoveWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId);
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT_PTR nID) {
  CREATESTRUCTW cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.hwndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  cs.hMenu = reinterpret_cast<HMENU>(nID);
  cs.hInstance = ::GetModuleHandleW(nullptr);
  if (!PreCreateWindow(cs)) return FALSE;
  HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (hWnd == nullptr) return FALSE;
  if (!SubclassWindow(hWnd)) {
    ::DestroyWindow(hWnd);
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW&) { return TRUE; }

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  const DWORD style = GetStyle();
  const DWORD newStyle = (style & ~dwRemove) | dwAdd;
  if (style == newStyle) return FALSE;
  ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(newStyle));
  if (nFlags != 0)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  ::GetWindowTextW(m_hWnd, text.GetBuffer(length), length + 1);
  text.ReleaseBuffer();
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) {
  CWnd* wnd = reinterpret_cast<CWnd*>(refData);
  if (message == WM_NCDESTROY) {
    // The window is going: the object lets go of it and may clean up after it.
    ::RemoveWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId);
    wnd->m_hWnd = nullptr;
    const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
    wnd->PostNcDestroy();
    return result;
  }
  const CurrentMessage outer = wnd->m_current;  // handlers may send messages to their own window
  wnd->m_current = {message, wParam, lParam};
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  wnd->m_current = outer;
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (FromHandlePermanent(m_hWnd) == this) return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam, result);
  // Notifications go to the child first; WM_CTLCOLOR*, WM_DRAWITEM and WM_MEASUREITEM reach the
  // child through the default handlers below, after the parent's own map had its chance.
  if (message == WM_NOTIFY && ReflectLastMsg(reinterpret_cast<NMHDR*>(lParam)->hwndFrom, &result))
    return TRUE;
  return OnMessageMap(message, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND hWndControl = reinterpret_cast<HWND>(lParam);
  if (hWndControl != nullptr && ReflectLastMsg(hWndControl, &result)) return TRUE;
  if (OnMessageMap(WM_COMMAND, wParam, lParam, result)) return TRUE;
  return RouteUnhandledCommand(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::RouteUnhandledCommand(UINT, int) { return FALSE; }

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* child = FromHandlePermanent(hWndChild);
  if (child == nullptr || child == this) return FALSE;
  const CurrentMessage& msg = m_current;
  if (ReflectedChild(m_hWnd, msg.message, msg.lParam) != hWndChild) return FALSE;
  LRESULT result = 0;
  if (!child->OnMessageMap(WM_REFLECT_BASE + msg.message, msg.wParam, msg.lParam, result)) return FALSE;
  if (pResult != nullptr) *pResult = result;
  return TRUE;
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
  LRESULT result = 0;
  if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &result)) return reinterpret_cast<HBRUSH>(result);
  return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct->CtlType == ODT_MENU) {
    if (CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem))) {
      menu->DrawItem(lpDrawItemStruct);
      return;
    }
  } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem, nullptr)) {
    return;
  }
  Default();
}

// WM_MEASUREITEM names no menu handle, so a menu item is left to the window's own handler, which
// measures it from the item data.
void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct->CtlType != ODT_MENU && ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl), nullptr))
    return;
  Default();
}
