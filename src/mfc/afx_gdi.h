#pragma once
// Device contexts and GDI objects. A CDC made from a handle borrows it; CPaintDC, CClientDC and a
// compatible memory context own theirs. GDI objects delete their handle when they go, and
// CSelectObject puts the previous object back when its scope ends.
#include <windows.h>

class CWnd;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }

  HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
  }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT: implicit, as callers expect
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
  BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT: implicit, as callers expect
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONTW* lpLogFont) { return Attach(::CreateFontIndirectW(lpLogFont)); }
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT: implicit, as callers expect
};

class CBitmap : public CGdiObject {
 public:
  // From the program's resources.
  BOOL LoadBitmap(UINT nIDResource);
  int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT: implicit, as callers expect
};

class CDC {
 public:
  CDC() = default;
  explicit CDC(HDC hDC) : m_hDC(hDC) {}
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT: implicit, as callers expect

  // A memory context of its own, deleted with this object.
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
  HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
  int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
  COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
  COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }

  // Fills with a solid colour through the background colour, which it leaves set.
  void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
  int FillRect(LPCRECT lpRect, HBRUSH hBrush) { return ::FillRect(m_hDC, lpRect, hBrush); }
  BOOL Rectangle(LPCRECT lpRect) {
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
  }
  SIZE GetTextExtent(LPCWSTR lpszString, int nCount) const;
  BOOL DrawState(POINT pt, SIZE size, LPCWSTR lpszText, UINT nFlags, HBRUSH hBrush = nullptr);
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->m_hDC, xSrc, ySrc, dwRop);
  }
  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

  HDC m_hDC = nullptr;

 protected:
  bool m_bOwnsDC = false;  // a memory context made by CreateCompatibleDC
};

// BeginPaint and EndPaint around the life of the object.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps = {};

 private:
  HWND m_hWnd;
};

// The window's client-area context, released with the object.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};

// Selects an object into a context for the length of a scope.
class CSelectObject {
 public:
  CSelectObject(CDC& dc, HGDIOBJ hObject) : m_dc(dc), m_hOld(dc.SelectObject(hObject)) {}
  ~CSelectObject() { m_dc.SelectObject(m_hOld); }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  CDC& m_dc;
  HGDIOBJ m_hOld;
};
