#pragma once
// The application object: start-up as a single instance, the program's folders, the main window class,
// then the main dialog, run modally. The program ends when the dialog does.
#include "mfc/afxwin.h"

class CQuillotapApp : public CWinApp {
 public:
  CQuillotapApp();
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern CQuillotapApp theApp;
