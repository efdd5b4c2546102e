#include "controls/hyper_link.h"

#include <shellapi.h>

#include <string>

#include "controls/link_fit.h"

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr WORD kLinkCursorId = 106;  // the hand of the system's help viewer
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
}  // namespace

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
  ON_CONTROL_REFLECT(STN_CLICKED, &CHyperLink::OnClicked)  // void OnClicked()
  ON_WM_CTLCOLOR_REFLECT()                                 // HBRUSH CtlColor(CDC*, UINT)
  ON_WM_SETCURSOR()                                        // BOOL OnSetCursor(CWnd*, UINT, UINT)
  ON_WM_MOUSEMOVE()                                        // void OnMouseMove(UINT, POINT)
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_crLink(RGB(0, 0, 238)), m_crVisited(RGB(85, 26, 139)), m_crHover(::GetSysColor(COLOR_HIGHLIGHT)) {}

CHyperLink::~CHyperLink() {
  // The font goes first. A dialog's control is gone before its object; one that outlives the object
  // draws in the system font from then on.
  m_font.DeleteObject();
  if (m_hCursor != nullptr) {
    // The copy is ours; a cursor still on the screen is put back to the arrow before it goes.
    if (::GetCursor() == m_hCursor) ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    ::DestroyIcon(m_hCursor);
  }
}

void CHyperLink::PreSubclassWindow() {
  // A static control reports clicks, and takes the mouse at all, only with SS_NOTIFY.
  ModifyStyle(0, SS_NOTIFY);
  if (m_strTarget.IsEmpty()) GetWindowText(m_strTarget);
  CString text;
  GetWindowText(text);
  if (text.IsEmpty()) SetWindowText(m_strTarget);
  SetLinkFont(m_bUnderline);
  FitWindowToText();
  LoadLinkCursor();
  m_tip.Create(this, 0);
  RECT client;
  GetClientRect(&client);
  m_tip.AddTool(this, m_strTarget, &client, kToolId);
  CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg) {
  m_tip.RelayEvent(pMsg);
  return CStatic::PreTranslateMessage(pMsg);
}

void CHyperLink::OnClicked() {
  if (auto* callBack = dynamic_cast<CallBack*>(GetParent())) {
    if (m_bUnderlineOnHover) LeaveHover();
    if (callBack->OnLinkClick(GetDlgCtrlID()) != 0) return;
  }
  ::ShellExecuteW(nullptr, L"open", m_strTarget, nullptr, nullptr, SW_SHOW);
  m_bVisited = TRUE;
  if (IsWindow()) Invalidate(TRUE);
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(
      LinkTextColour({m_crLink, m_crVisited, m_crHover}, m_bHover != FALSE, m_bVisited != FALSE));
  pDC->SetBkMode(TRANSPARENT);
  // No background of its own: the owner's brush, if it gives one, shows through.
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT) {
  if (m_bNoCursor || m_hCursor == nullptr) return FALSE;
  ::SetCursor(m_hCursor);
  return TRUE;
}

void CHyperLink::OnMouseMove(UINT nFlags, POINT point) {
  CStatic::OnMouseMove(nFlags, point);
  if (m_bHover) {
    RECT client;
    GetClientRect(&client);
    if (!::PtInRect(&client, point)) LeaveHover();
    return;
  }
  if (m_bUnderlineOnHover) ApplyUnderline(TRUE);
  m_bHover = TRUE;
  RedrawWindow(nullptr, nullptr, kRedrawNow);
  // Under the capture the control also sees the move that takes the pointer away.
  SetCapture();
  if (m_bUnderlineOnHover) InvalidateParentUnderLink();
}

void CHyperLink::LeaveHover() {
  if (m_bUnderlineOnHover) ApplyUnderline(FALSE);
  m_bHover = FALSE;
  ::ReleaseCapture();
  RedrawWindow(nullptr, nullptr, kRedrawNow);
  if (m_bUnderlineOnHover) InvalidateParentUnderLink();
}

void CHyperLink::InvalidateParentUnderLink() {
  CWnd* parent = GetParent();
  if (parent == nullptr) return;
  RECT rect;
  GetWindowRect(&rect);
  parent->ScreenToClient(&rect);
  parent->InvalidateRect(&rect, TRUE);
}

void CHyperLink::ApplyUnderline(BOOL bUnderline) {
  m_bUnderline = bUnderline;
  if (!IsWindow()) return;
  SetLinkFont(bUnderline);
  Invalidate(TRUE);
}

void CHyperLink::SetLinkFont(BOOL bUnderline) {
  HFONT current = GetFontHandle();
  // A control without a font of its own draws with the system font.
  if (current == nullptr) current = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  LOGFONTW logFont = {};
  if (::GetObjectW(current, sizeof(logFont), &logFont) == 0) return;
  logFont.lfUnderline = static_cast<BYTE>(bUnderline ? TRUE : FALSE);
  // The new font is on the control before the old one (possibly m_font itself) is deleted.
  HFONT font = ::CreateFontIndirectW(&logFont);
  if (font == nullptr) return;
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  m_font.Attach(font);
}

void CHyperLink::FitWindowToText() {
  if (!IsWindow() || !m_bFitToText) return;
  RECT rect;
  GetWindowRect(&rect);
  if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);
  CString text;
  GetWindowText(text);
  SIZE size;
  {
    CClientDC dc(this);
    CSelectObject font(dc, m_font);
    size = dc.GetTextExtent(text, text.GetLength());
  }
  const LinkRect fitted =
      FitLinkRect({rect.left, rect.top, rect.right, rect.bottom}, GetStyle(), size.cx, size.cy);
  SetWindowPos(nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
               SWP_NOZORDER);
}

void CHyperLink::LoadLinkCursor() {
  if (m_hCursor != nullptr) return;
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    const std::wstring path = std::wstring(folder, length) + L"\\winhlp32.exe";
    if (HMODULE module = ::LoadLibraryW(path.c_str())) {
      if (HCURSOR cursor = ::LoadCursorW(module, MAKEINTRESOURCEW(kLinkCursorId)))
        m_hCursor = ::CopyIcon(cursor);
      ::FreeLibrary(module);
    }
  }
  // Where the help viewer or its hand is missing, the system's hand, in a copy of our own as well.
  if (m_hCursor == nullptr) {
    if (HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND)) m_hCursor = ::CopyIcon(hand);
  }
}
