#pragma once
// A control's text as a number, the way the dialog's fields are read.
#include "mfc/afxwin.h"

// The control's whole text as a number, by the same rule as GetWindowInt(controls, id, fallback) of the
// click run: IntFromText.
int GetWindowInt(CWnd* wnd, int fallback);
