#include "ui/window_int.h"

#include "engine/decimal_text.h"

int GetWindowInt(CWnd* wnd, int fallback) {
  CString text;
  wnd->GetWindowText(text);
  return IntFromText(static_cast<LPCWSTR>(text), fallback);
}
