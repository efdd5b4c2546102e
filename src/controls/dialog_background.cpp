#include "controls/dialog_background.h"

BOOL EraseDialogBackground(CWnd* pDialog, CDC* pDC) {
  RECT client;
  pDialog->GetClientRect(&client);
  pDC->FillSolidRect(&client, kDialogBackground);
  return TRUE;
}

HBRUSH DialogControlBrush(CDC* pDC, UINT nCtlColor, HBRUSH defaultBrush, CBrush& greyBrush) {
  if (greyBrush.GetSafeHandle() == nullptr) greyBrush.CreateSolidBrush(kDialogBackground);
  if (nCtlColor != CTLCOLOR_STATIC) return defaultBrush;
  pDC->SetBkMode(TRANSPARENT);
  return greyBrush;
}
