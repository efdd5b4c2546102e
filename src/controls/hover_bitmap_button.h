#pragma once
// A push button that draws itself: a picture with per-pixel transparency over a solid background, a
// hover colour while the pointer rests on it, and the picture one pixel lower right while pressed.
// The owner sets the public members before the first paint and invalidates the button after a change.
#include "mfc/afxwin.h"

struct ALPHAIMAGE;
class CHoverBitmapButton;

// Paints under the picture, after the background fill: the button, its context and the item rectangle.
using PaintBackgroundFn = void (*)(CHoverBitmapButton* pButton, CDC* pDC, LPRECT lpRect);

class CHoverBitmapButton : public CButton {
 public:
  CHoverBitmapButton() = default;
  // Frees neither the picture nor the hover bitmap: both belong to the owner.
  ~CHoverBitmapButton() override = default;

  BOOL m_bHoverAlways = FALSE;     // the hover look even with the pointer away
  BOOL m_bImageOffset = FALSE;     // the centred picture one more pixel right and down (no caption)
  BOOL m_bNoPushOffset = FALSE;    // the picture stays put while pressed
  BOOL m_bFillBackground = FALSE;  // the whole item in m_crBackground first
  COLORREF m_crHover = 0xFFFFFF;
  COLORREF m_crBackground = 0xFFFFFF;
  PaintBackgroundFn m_pfnPaintBackground = nullptr;
  BOOL m_bHover = FALSE;                 // the pointer rests on the button
  BOOL m_bTracking = FALSE;              // hover and leave notifications are asked for
  COLORREF m_crText = 0xFFFFFFFF;        // caption colour; 0xFFFFFFFF keeps the context's own
  const ALPHAIMAGE* m_pImage = nullptr;  // not owned
  HBITMAP m_hHoverBitmap = nullptr;      // copied onto the item instead of the hover fill; not owned

  DECLARE_MESSAGE_MAP()

 protected:
  // The template declares a plain push button: binding makes it owner-drawn.
  void PreSubclassWindow() override;
  // For a button the program creates itself: a class like the original without double clicks.
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

 public:
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnMouseLeave();
  afx_msg void OnMouseHover(UINT nFlags, POINT point);
  afx_msg void OnMouseMove(UINT nFlags, POINT point);
};
