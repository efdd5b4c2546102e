#pragma once
// CCmdTarget and CWnd: message maps, the window object behind a handle, default processing and the
// reflection of child notifications.
#include <windows.h>

#include "mfc/afx_gdi.h"
#include "mfc/afx_menu.h"
#include "mfc/afx_msgmap.h"
#include "mfc/afx_string.h"

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;

  // Offers a command (menu item, accelerator or control notification) to this object's message map.
  virtual BOOL OnCmdMsg(UINT nID, int nCode);

 protected:
  // The message-map function that BEGIN_MESSAGE_MAP defines; TRUE when an entry handled the message.
  virtual BOOL OnMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // The object that subclassed this window, or nullptr.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The permanent object, or else a wrapper that lives as long as the thread; nullptr for nullptr.
  static CWnd* FromHandle(HWND hWnd);

  // Routes the window's messages through this object (SetWindowSubclass) until it is destroyed.
  BOOL SubclassWindow(HWND hWnd);
  HWND UnsubclassWindow();

  // Creates a window after PreCreateWindow had its say, and subclasses it into this object. The
  // object sees the window's messages from the first one after CreateWindowExW returns.
  BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT_PTR nID);

  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND GetSafeHwnd() const { return m_hWnd; }
  CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
  void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
  void GetWindowText(CString& text) const;
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
  }
  BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL DestroyWindow();
  BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }

  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
  // FALSE when the style stays as it was; nFlags other than 0 also tells the frame with SetWindowPos.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void ScreenToClient(LPRECT rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
  }
  void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
  void ClientToScreen(LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
  }
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
  }
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx,
                          cy, nFlags);
  }
  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
  void InvalidateRect(LPCRECT rect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, rect, bErase); }
  BOOL RedrawWindow(LPCRECT rectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, rectUpdate, hrgnUpdate, flags);
  }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }

  BOOL SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr); }
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr), bRedraw);
  }
  HFONT GetFontHandle() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

  HWND m_hWnd = nullptr;

 protected:
  // The default processing of the message being handled.
  LRESULT Default();
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Where a command that this window's map does not handle goes next; dialogs pass it to the application.
  virtual BOOL RouteUnhandledCommand(UINT nID, int nCode);
  virtual void PreSubclassWindow() {}
  // May change the creation's class, styles and the rest before CreateEx creates the window.
  virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
  virtual void PostNcDestroy() {}

  // Offers the message being handled to the child's map as a reflected message.
  BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult);

  // Default handlers that reflect the message to the child before the default processing. A menu
  // item's WM_DRAWITEM goes to the CMenu attached to its menu handle.
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

  // Default handlers that a derived map may call: the default processing of the message.
  void OnPaint() { Default(); }
  BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
  void OnMouseMove(UINT, POINT) { Default(); }
  BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
  void OnSysCommand(UINT, LPARAM) { Default(); }

  DECLARE_MESSAGE_MAP()

 private:
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR idSubclass, DWORD_PTR refData);
  CurrentMessage m_current = {};
};
