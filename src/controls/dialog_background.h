#pragma once
// The look that the program's dialogs share: one light grey under the dialog and under every
// static-kind control (labels, group boxes, radio buttons, check boxes, disabled edit fields).
#include "mfc/afxwin.h"

constexpr COLORREF kDialogBackground = RGB(246, 246, 246);

// The whole client area in the grey; what a dialog's OnEraseBkgnd does. Always TRUE.
BOOL EraseDialogBackground(CWnd* pDialog, CDC* pDC);

// A dialog's OnCtlColor after the default brush came from its base class: static-kind controls get a
// transparent text background and the grey brush, which the caller keeps for the life of the process;
// every other kind keeps the default brush.
HBRUSH DialogControlBrush(CDC* pDC, UINT nCtlColor, HBRUSH defaultBrush, CBrush& greyBrush);
