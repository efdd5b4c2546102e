#include "ui/quillotap_dlg.h"

#include "resource.h"
#include "ui/hotkeys.h"

BEGIN_MESSAGE_MAP(CQuillotapDlg, CDialog)
  ON_WM_PAINT()                                                                // void OnPaint()
  ON_WM_QUERYDRAGICON()                                                        // HCURSOR OnQueryDragIcon()
  ON_BN_CLICKED(IDC_START, &CQuillotapDlg::OnStart)                            // void ()
  ON_BN_CLICKED(IDC_STOP, &CQuillotapDlg::OnStop)                              // void ()
  ON_WM_TIMER()                                                                // void OnTimer(UINT_PTR)
  ON_BN_CLICKED(IDC_CAPTURE, &CQuillotapDlg::OnBnClickedCapture)               // void ()
  ON_BN_CLICKED(IDC_CLICK_FIXED_POINT, &CQuillotapDlg::OnBnClickedClickPoint)  // void ()
  ON_BN_CLICKED(IDC_CLICK_MOUSE_POS, &CQuillotapDlg::OnBnClickedClickPoint)    // void ()
  ON_WM_CLOSE()                                                                // void OnClose()
  ON_WM_HOTKEY()       // void OnHotKey(UINT, UINT, UINT)
  ON_WM_ERASEBKGND()   // BOOL OnEraseBkgnd(CDC*)
  ON_WM_CTLCOLOR()     // HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
  ON_WM_MEASUREITEM()  // void OnMeasureItem(int, LPMEASUREITEMSTRUCT)
  ON_BN_CLICKED(IDC_RADIO_COUNT, &CQuillotapDlg::OnBnClickedCountType)   // void ()
  ON_BN_CLICKED(IDC_RADIO_TIME, &CQuillotapDlg::OnBnClickedCountType)    // void ()
  ON_BN_CLICKED(IDC_NO_ACTIVATE, &CQuillotapDlg::OnBnClickedNoActivate)  // void ()
  ON_BN_CLICKED(IDC_VIEW_POS, &CQuillotapDlg::OnBnClickedViewPos)        // void ()
  ON_COMMAND(ID_FILE_EXIT, &CQuillotapDlg::OnExit)                       // void ()
END_MESSAGE_MAP()

CQuillotapDlg::CQuillotapDlg(CWnd* pParent) : CDialog(IDD_MAIN_DIALOG, pParent) { LoadLook(); }

CQuillotapDlg::~CQuillotapDlg() = default;

void CQuillotapDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_INTERVAL, m_editInterval);
  DDX_Control(pDX, IDC_START, m_btnStart);
  DDX_Control(pDX, IDC_STOP, m_btnStop);
  DDX_Control(pDX, IDC_MOUSE, m_comboMouse);
  DDX_Control(pDX, IDC_ACTION, m_comboAction);
  DDX_Control(pDX, IDC_CLICK_MOUSE_POS, m_radioMousePos);
  DDX_Control(pDX, IDC_CLICK_FIXED_POINT, m_radioFixedPoint);
  DDX_Control(pDX, IDC_CAPTURE, m_btnCapture);
  DDX_Control(pDX, IDC_FIXED_X, m_editX);
  DDX_Control(pDX, IDC_FIXED_Y, m_editY);
  DDX_Control(pDX, IDC_CAPTURE_HINT, m_staticCaptureHint);
  DDX_Control(pDX, IDC_MOVE_MOUSE, m_checkMoveMouse);
  DDX_Control(pDX, IDC_CLICK_COUNT, m_editCount);
  DDX_Control(pDX, IDC_RADIO_COUNT, m_radioCount);
  DDX_Control(pDX, IDC_RADIO_TIME, m_radioForTime);
  DDX_Control(pDX, IDC_CLICK_TIME, m_editForTime);
  DDX_Control(pDX, IDC_TIME_UNIT, m_comboTimeUnit);
  DDX_Control(pDX, IDC_NO_ACTIVATE, m_checkNoActivate);
  DDX_Control(pDX, IDC_VIEW_POS, m_btnViewPos);
}

BOOL CQuillotapDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowIcons();
  SetUpMenuBar();
  SetUpMenuIcons();

  // The lists; their indexes are the button, action and unit numbers that the click run uses.
  m_comboMouse.InsertString(-1, L"Left Button");
  m_comboMouse.InsertString(-1, L"Middle Button");
  m_comboMouse.InsertString(-1, L"Right Button");
  m_comboMouse.SetCurSel(0);
  m_comboAction.InsertString(-1, L"Single Click");
  m_comboAction.InsertString(-1, L"Double Click");
  m_comboAction.InsertString(-1, L"Button Down");
  m_comboAction.InsertString(-1, L"Button Up");
  m_comboAction.SetCurSel(0);
  m_comboTimeUnit.InsertString(0, L"ms");
  m_comboTimeUnit.InsertString(1, L"second");
  m_comboTimeUnit.InsertString(2, L"minute");
  m_comboTimeUnit.InsertString(3, L"hour");
  m_comboTimeUnit.SetCurSel(2);

  PlaceViewPosButton();
  SetViewPosButtonLook();
  SetUpToolTip();

  // The settings select items of the lists above, and the enabling below reads what they checked.
  LoadSettings();

  UpdateCountControls();
  m_btnStop.EnableWindow(FALSE);
  UpdateClickPointControls();

  // Without a hotkey the buttons still work: say so once and open all the same.
  if (!::RegisterHotKey(m_hWnd, kHotKeyStart, MOD_CONTROL, VK_F1))
    AfxMessageBox(L"Hotkey 'Ctrl + F1' conflict!", MB_OK);
  if (!::RegisterHotKey(m_hWnd, kHotKeyStop, MOD_CONTROL, VK_F2))
    AfxMessageBox(L"Hotkey 'Ctrl + F2' conflict!", MB_OK);
  return TRUE;
}

void CQuillotapDlg::UpdateCountControls() {
  const BOOL byCount = m_radioCount.GetCheck() == BST_CHECKED;
  m_editCount.EnableWindow(byCount);
  m_editForTime.EnableWindow(!byCount);
  m_comboTimeUnit.EnableWindow(!byCount);
}

void CQuillotapDlg::UpdateClickPointControls() {
  // Only "Click where the mouse is" counts: with neither radio checked the fixed point applies.
  const BOOL fixedPoint = m_radioMousePos.GetCheck() != BST_CHECKED;
  m_btnCapture.EnableWindow(fixedPoint);
  m_editX.EnableWindow(fixedPoint);
  m_editY.EnableWindow(fixedPoint);
  m_checkMoveMouse.EnableWindow(fixedPoint);
  m_btnViewPos.EnableWindow(fixedPoint);
  ShowViewPosPicture(fixedPoint);
}

void CQuillotapDlg::OnBnClickedClickPoint() { UpdateClickPointControls(); }

void CQuillotapDlg::OnBnClickedCountType() { UpdateCountControls(); }

// Nothing to do on a click: the click run reads the box once, when it starts. Checked, the window is
// minimised then and not brought to the front when the run ends.
void CQuillotapDlg::OnBnClickedNoActivate() {}

void CQuillotapDlg::OnHotKey(UINT nHotKeyId, UINT, UINT) {
  if (nHotKeyId == kHotKeyStart) {
    // Handled through the queue exactly as a click on Start, also from inside a running click run.
    PostMessage(WM_COMMAND, IDC_START, 0);
  } else if (nHotKeyId == kHotKeyStop) {
    m_bStopRequest = 1;
  }
  Default();
}

void CQuillotapDlg::OnClose() {
  m_bStopRequest = 1;
  ::UnregisterHotKey(m_hWnd, kHotKeyStart);
  ::UnregisterHotKey(m_hWnd, kHotKeyStop);
  CDialog::OnCancel();
}

void CQuillotapDlg::OnExit() { SendMessage(WM_CLOSE); }
