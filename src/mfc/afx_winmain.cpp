// The program's entry point: everything happens in the one application object.
#include "mfc/afx_app.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int nCmdShow) {
  return AfxWinMain(hInstance, nCmdShow);
}
