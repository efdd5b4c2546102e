#pragma once
// CCmdTarget and CWnd: message maps, the window object behind a handle, default processing and the
// reflection of child notifications.
#include <windows.h>

#include "mfc/afx_gdi.h"
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
  virtual void PostNcDestroy() {}

  // Offers the message being handled to the child's map as a reflected message.
  BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult);

  // Default handlers that reflect the message to the child before the default processing.
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

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
