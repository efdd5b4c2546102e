#include "mfc/afx_imagelist.h"

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  HIMAGELIST hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
  if (hImageList == nullptr) return FALSE;
  DeleteImageList();
  m_hImageList = hImageList;
  return TRUE;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ImageList_Destroy(Detach());
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  m_hImageList = nullptr;
  return hImageList;
}
