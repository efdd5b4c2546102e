#pragma once
// CImageList: a common-controls image list, destroyed with the object unless DeleteImageList or
// Detach let it go first.
#include <windows.h>
#include <commctrl.h>

#include "mfc/afx_gdi.h"

class CImageList {
 public:
  CImageList() = default;
  ~CImageList() { DeleteImageList(); }
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL DeleteImageList();
  HIMAGELIST Detach();
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  // The new image's index, or -1.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Add(m_hImageList, *pbmImage,
                         pbmMask != nullptr ? static_cast<HBITMAP>(*pbmMask) : nullptr);
  }
  int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
  }
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
  }

  HIMAGELIST m_hImageList = nullptr;
};
