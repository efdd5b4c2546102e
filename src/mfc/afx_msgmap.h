#pragma once
// Message maps with the familiar spelling. Each map becomes one member function that tests its entries
// in order and then hands the message to the base class's map; every handler call is an ordinary,
// type-checked member call. The comment beside each entry gives the handler it calls.
#include <windows.h>

// Reflected messages: a parent offers a child's notification to the child as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

// The signed client coordinates of a mouse message.
#define AFX_POINT_OF(lParam) \
  POINT { static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)) }

#define DECLARE_MESSAGE_MAP() \
 protected:                   \
  BOOL OnMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                               \
  BOOL theClass::OnMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
    using ThisClass = theClass;                                                              \
    using TheBaseClass = baseClass;                                                          \
    static_assert(sizeof(ThisClass) > 0, "complete class");                                  \
    (void)wParam;                                                                            \
    (void)lParam;                                                                            \
    (void)result;

#define END_MESSAGE_MAP()                                             \
  return TheBaseClass::OnMessageMap(message, wParam, lParam, result); \
  }

#define AFX_MAP_CALL(signature, memberFxn, call) \
  {                                              \
    signature = memberFxn;                       \
    call;                                        \
  }

// void memberFxn()
#define ON_COMMAND(id, memberFxn)                                                                \
  if (message == WM_COMMAND && LOWORD(wParam) == (id) && (HIWORD(wParam) == 0 || lParam == 0)) { \
    AFX_MAP_CALL(void (ThisClass::*handler)(), memberFxn, (this->*handler)())                    \
    result = 0;                                                                                  \
    return TRUE;                                                                                 \
  }

// void memberFxn()
#define ON_CONTROL(notifyCode, id, memberFxn)                                              \
  if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (notifyCode)) { \
    AFX_MAP_CALL(void (ThisClass::*handler)(), memberFxn, (this->*handler)())              \
    result = 0;                                                                            \
    return TRUE;                                                                           \
  }

// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// void memberFxn(); the parent no longer sees the notification.
#define ON_CONTROL_REFLECT(notifyCode, memberFxn)                                  \
  if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (notifyCode)) { \
    AFX_MAP_CALL(void (ThisClass::*handler)(), memberFxn, (this->*handler)())      \
    result = 0;                                                                    \
    return TRUE;                                                                   \
  }

// BOOL memberFxn(); FALSE lets the parent handle the notification as well.
#define ON_CONTROL_REFLECT_EX(notifyCode, memberFxn)                                    \
  if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (notifyCode)) {      \
    BOOL handled = FALSE;                                                               \
    AFX_MAP_CALL(BOOL (ThisClass::*handler)(), memberFxn, handled = (this->*handler)()) \
    result = 0;                                                                         \
    return handled;                                                                     \
  }

// void OnClose()
#define ON_WM_CLOSE()        \
  if (message == WM_CLOSE) { \
    this->OnClose();         \
    result = 0;              \
    return TRUE;             \
  }

// void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2): nKey1 the modifiers, nKey2 the virtual key
#define ON_WM_HOTKEY()                                                         \
  if (message == WM_HOTKEY) {                                                  \
    this->OnHotKey(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); \
    result = 0;                                                                \
    return TRUE;                                                               \
  }

// LRESULT memberFxn(WPARAM wParam, LPARAM lParam), for a message of the program's own
#define ON_MESSAGE(msg, memberFxn)                                         \
  if (message == (msg)) {                                                  \
    AFX_MAP_CALL(LRESULT (ThisClass::*handler)(WPARAM, LPARAM), memberFxn, \
                 result = (this->*handler)(wParam, lParam))                \
    return TRUE;                                                           \
  }

// void OnPaint()
#define ON_WM_PAINT()        \
  if (message == WM_PAINT) { \
    this->OnPaint();         \
    result = 0;              \
    return TRUE;             \
  }

// BOOL OnEraseBkgnd(CDC* pDC): non-zero when the background is erased
#define ON_WM_ERASEBKGND()                                     \
  if (message == WM_ERASEBKGND) {                              \
    CDC dcArg(reinterpret_cast<HDC>(wParam));                  \
    result = static_cast<LRESULT>(this->OnEraseBkgnd(&dcArg)); \
    return TRUE;                                               \
  }

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                    \
  if (message == WM_QUERYDRAGICON) {                             \
    result = reinterpret_cast<LRESULT>(this->OnQueryDragIcon()); \
    return TRUE;                                                 \
  }

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                 \
  if (message == WM_SYSCOMMAND) {                          \
    this->OnSysCommand(static_cast<UINT>(wParam), lParam); \
    result = 0;                                            \
    return TRUE;                                           \
  }

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                                    \
  if (message == WM_SETCURSOR) {                                                                             \
    result =                                                                                                 \
        this->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam)); \
    return TRUE;                                                                                             \
  }

// void OnMouseMove(UINT nFlags, POINT point), the point in client coordinates
#define ON_WM_MOUSEMOVE()                                               \
  if (message == WM_MOUSEMOVE) {                                        \
    this->OnMouseMove(static_cast<UINT>(wParam), AFX_POINT_OF(lParam)); \
    result = 0;                                                         \
    return TRUE;                                                        \
  }

// void OnMouseHover(UINT nFlags, POINT point)
#define ON_WM_MOUSEHOVER()                                               \
  if (message == WM_MOUSEHOVER) {                                        \
    this->OnMouseHover(static_cast<UINT>(wParam), AFX_POINT_OF(lParam)); \
    result = 0;                                                          \
    return TRUE;                                                         \
  }

// void OnMouseLeave()
#define ON_WM_MOUSELEAVE()        \
  if (message == WM_MOUSELEAVE) { \
    this->OnMouseLeave();         \
    result = 0;                   \
    return TRUE;                  \
  }

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER()                             \
  if (message == WM_TIMER) {                      \
    this->OnTimer(static_cast<UINT_PTR>(wParam)); \
    result = 0;                                   \
    return TRUE;                                  \
  }

// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor), for every WM_CTLCOLOR* message
#define ON_WM_CTLCOLOR()                                                                         \
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                            \
    CDC dcArg(reinterpret_cast<HDC>(wParam));                                                    \
    result = reinterpret_cast<LRESULT>(this->OnCtlColor(                                         \
        &dcArg, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX)); \
    return TRUE;                                                                                 \
  }

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor); a NULL brush lets the parent decide.
#define ON_WM_CTLCOLOR_REFLECT()                                                                          \
  if (message >= WM_REFLECT_BASE + WM_CTLCOLORMSGBOX && message <= WM_REFLECT_BASE + WM_CTLCOLORSTATIC) { \
    CDC dcArg(reinterpret_cast<HDC>(wParam));                                                             \
    HBRUSH brush = this->CtlColor(&dcArg, message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);                 \
    result = reinterpret_cast<LRESULT>(brush);                                                            \
    return brush != nullptr;                                                                              \
  }

// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM()                                                                    \
  if (message == WM_DRAWITEM) {                                                             \
    this->OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
    result = TRUE;                                                                          \
    return TRUE;                                                                            \
  }

// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM()                                                                       \
  if (message == WM_MEASUREITEM) {                                                                \
    this->OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); \
    result = TRUE;                                                                                \
    return TRUE;                                                                                  \
  }

// void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct), for an owner-drawn control
#define ON_WM_DRAWITEM_REFLECT()                                \
  if (message == WM_REFLECT_BASE + WM_DRAWITEM) {               \
    this->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
    result = TRUE;                                              \
    return TRUE;                                                \
  }
