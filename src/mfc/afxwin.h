#pragma once
// The program's window layer, with the familiar class names: include this one header.
#include <windows.h>
#include <commctrl.h>

#include "mfc/afx_app.h"
#include "mfc/afx_controls.h"
#include "mfc/afx_dialog.h"
#include "mfc/afx_gdi.h"
#include "mfc/afx_imagelist.h"
#include "mfc/afx_menu.h"
#include "mfc/afx_string.h"
#include "mfc/afx_sync.h"
#include "mfc/afx_wnd.h"

#ifndef afx_msg
#define afx_msg  // marks a message-map handler
#endif
