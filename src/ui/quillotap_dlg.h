#pragma once
// The main window: a modal dialog holding every control of the clicker. It is also what the click run
// and the settings rules see of the world: its controls by id, the pointer, the clocks and its queue.
#include "controls/alpha_image.h"
#include "controls/hover_bitmap_button.h"
#include "controls/menu_ex.h"
#include "engine/click_run.h"
#include "mfc/afxwin.h"

// The two pictures of the "View mouse position" button, loaded once per process and kept until it ends;
// null when the file does not read.
extern ALPHAIMAGE* g_pViewPosImage;
extern ALPHAIMAGE* g_pViewPosDisImage;

class CQuillotapDlg : public CDialog, private ClickRunHost {
 public:
  explicit CQuillotapDlg(CWnd* pParent = nullptr);
  ~CQuillotapDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Ends the capture on a key or a left click, which it swallows; shows the tooltip everything else.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;
  // Enter and Esc must not close the window: it closes through WM_CLOSE only.
  void OnOK() override {}
  void OnCancel() override {}

  void UpdateCountControls();
  void UpdateClickPointControls() override;
  void LoadSettings();
  void SaveSettings() override;
  void SetEditInt(CEdit& edit, int value);
  void SetFixedPointFields(const POINT& point);  // X, then Y

  // The look, in the order in which the dialog takes it on (quillotap_dlg_look.cpp).
  void LoadLook();  // the pictures and the icon, at construction
  void SetWindowIcons();
  void SetUpMenuBar();
  void SetUpMenuIcons();
  void PlaceViewPosButton();
  void SetViewPosButtonLook();
  void SetUpToolTip();
  // The picture of the click-point mode: the enabled one for a fixed point.
  void ShowViewPosPicture(BOOL enabled);

  afx_msg void OnPaint();
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg void OnStart();
  afx_msg void OnStop();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnBnClickedCapture();
  afx_msg void OnBnClickedViewPos();
  afx_msg void OnBnClickedClickPoint();
  afx_msg void OnBnClickedCountType();
  afx_msg void OnBnClickedNoActivate();
  afx_msg void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
  afx_msg void OnClose();
  afx_msg void OnExit();

  DECLARE_MESSAGE_MAP()

  BOOL m_bRunning = 0;      // a click run is in progress; guarded by m_csRunning
  BOOL m_bStopRequest = 0;  // asks a running click run to stop
  HICON m_hIcon = nullptr;  // window icon, minimised painting, drag icon
  CCriticalSection m_csRunning;
  int m_nLastX = -1;  // pointer position last written into the fixed-point fields while capturing
  int m_nLastY = -1;
  BOOL m_bCapturing = 0;
  CImageList m_imageList;  // the menu's icons; emptied by m_menu's destruction, which comes first
  CMenuEx m_menu;

  CEdit m_editInterval;
  CButton m_btnStart;
  CButton m_btnStop;
  CComboBox m_comboMouse;
  CComboBox m_comboAction;
  CButton m_radioMousePos;
  CButton m_radioFixedPoint;
  CButton m_btnCapture;
  CEdit m_editX;
  CEdit m_editY;
  CStatic m_staticCaptureHint;
  CButton m_checkMoveMouse;
  CEdit m_editCount;
  CButton m_radioCount;
  CButton m_radioForTime;
  CEdit m_editForTime;
  CComboBox m_comboTimeUnit;
  CButton m_checkNoActivate;
  CHoverBitmapButton m_btnViewPos;
  CToolTipCtrl m_toolTip;

 private:
  // DialogControls
  bool IsChecked(int id) override;
  void SetCheck(int id, bool checked) override;
  std::wstring Text(int id) override;
  void SetText(int id, const std::wstring& text) override;
  int CurSel(int id) override;
  int ItemCount(int id) override;
  void SelectItem(int id, int index) override;
  void Enable(int id, bool enable) override;

  // ClickRunHost
  bool TryBeginRun() override;
  void EndRun() override;
  bool StopRequested() override { return m_bStopRequest != 0; }
  void ClearStopRequest() override { m_bStopRequest = 0; }
  void MinimizeWithoutActivating() override;
  void BringToFront() override;
  ScreenRect OwnWindowRect() override;
  ScreenPoint PointerPos() override;
  void MovePointer(const ScreenPoint& point) override;
  void SendClick(int32_t button, int32_t action, const ScreenPoint& point) override;
  int64_t SecondsNow() override;
  uint64_t MonotonicMs() override;
  void SleepFor(uint32_t ms) override;
  void PumpMessages() override;
};
