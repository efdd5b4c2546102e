#include "controls/hover_bitmap_button.h"

#include "controls/alpha_image.h"
#include "controls/button_image_place.h"
#include "controls/draw_alpha_image.h"

namespace {
constexpr COLORREF kNoTextColor = 0xFFFFFFFF;
constexpr LPCWSTR kNoDoubleClickClass = L"NoDoubleClickButton";
constexpr DWORD kHoverTimeMs = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CHoverBitmapButton, CButton)
  ON_WM_ERASEBKGND()  // BOOL OnEraseBkgnd(CDC*)
  ON_WM_MOUSELEAVE()  // void OnMouseLeave()
  ON_WM_MOUSEHOVER()  // void OnMouseHover(UINT, POINT)
  ON_WM_MOUSEMOVE()   // void OnMouseMove(UINT, POINT)
END_MESSAGE_MAP()

void CHoverBitmapButton::PreSubclassWindow() {
  ModifyStyle(0, BS_OWNERDRAW);
  CButton::PreSubclassWindow();
}

BOOL CHoverBitmapButton::PreCreateWindow(CREATESTRUCTW& cs) {
  WNDCLASSW windowClass = {};
  if (!::GetClassInfoW(cs.hInstance, cs.lpszClass, &windowClass)) return FALSE;
  // Two quick clicks then arrive as two clicks rather than as a click and a double click.
  windowClass.style &= ~static_cast<UINT>(CS_DBLCLKS);
  windowClass.hInstance = cs.hInstance;
  windowClass.lpszClassName = kNoDoubleClickClass;
  if (!AfxRegisterClass(&windowClass)) return FALSE;
  cs.lpszClass = kNoDoubleClickClass;
  return CButton::PreCreateWindow(cs);
}

void CHoverBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC dc(lpDrawItemStruct->hDC);
  RECT rect = lpDrawItemStruct->rcItem;
  const int saved = dc.SaveDC();
  CString caption;
  GetWindowText(caption);
  dc.SetBkMode(TRANSPARENT);

  if (m_bFillBackground) dc.FillSolidRect(&rect, m_crBackground);
  if (m_pfnPaintBackground != nullptr) m_pfnPaintBackground(this, &dc, &rect);

  if (m_bHover || m_bHoverAlways) {
    if (m_hHoverBitmap != nullptr) {
      CDC memory;
      BITMAP bitmap = {};
      if (memory.CreateCompatibleDC(&dc) && ::GetObjectW(m_hHoverBitmap, sizeof(bitmap), &bitmap) != 0) {
        CSelectObject selected(memory, m_hHoverBitmap);
        dc.BitBlt(rect.left, rect.top, bitmap.bmWidth, bitmap.bmHeight, &memory, 0, 0, SRCCOPY);
      }
    } else {
      dc.FillSolidRect(&rect, m_crHover);
    }
  }

  ButtonFaceInput in = {};
  in.item = {rect.left, rect.top, rect.right, rect.bottom};
  in.hasImage = m_pImage != nullptr;
  in.imageWidth = m_pImage != nullptr ? m_pImage->width : 0;
  in.imageHeight = m_pImage != nullptr ? m_pImage->height : 0;
  in.pressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  in.noPushOffset = m_bNoPushOffset != FALSE;
  in.imageOffset = m_bImageOffset != FALSE;
  in.hasCaption = !caption.IsEmpty();
  const ButtonFace face = PlaceButtonFace(in);
  if (m_pImage != nullptr)
    DrawAlphaImage(dc, face.imageX, face.imageY, m_pImage->width, m_pImage->height, m_pImage, 0, 0);

  if (m_crText != kNoTextColor) dc.SetTextColor(m_crText);
  if (!caption.IsEmpty()) {
    RECT captionRect = {face.caption.left, face.caption.top, face.caption.right, face.caption.bottom};
    dc.DrawText(caption, -1, &captionRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  dc.RestoreDC(saved);
}

BOOL CHoverBitmapButton::OnEraseBkgnd(CDC*) {
  return FALSE;  // DrawItem paints every pixel of the item
}

void CHoverBitmapButton::OnMouseMove(UINT nFlags, POINT point) {
  if (!m_bTracking) {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = kHoverTimeMs;
    m_bTracking = _TrackMouseEvent(&track);
  }
  CButton::OnMouseMove(nFlags, point);
}

void CHoverBitmapButton::OnMouseHover(UINT, POINT) {
  m_bHover = TRUE;
  Invalidate(TRUE);
}

void CHoverBitmapButton::OnMouseLeave() {
  // The parent repaints what lies under the button, which the hover look may have covered.
  if (CWnd* parent = GetParent()) {
    RECT area;
    GetWindowRect(&area);
    parent->ScreenToClient(&area);
    parent->InvalidateRect(&area, TRUE);
  }
  m_bHover = FALSE;
  m_bTracking = FALSE;
  Invalidate(FALSE);
}
