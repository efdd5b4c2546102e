#pragma once
// A control's text as a number, the way the dialog's fields are read.
#include "mfc/afxwin.h"

// The whole text read as "%d" reads it (12ab gives 12); fallback when it is empty or starts with no
// number.
int GetWindowInt(CWnd* wnd, int fallback);
