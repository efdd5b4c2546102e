#pragma once
// The main window: a modal dialog holding every control of the clicker.
#include "mfc/afxwin.h"

class CQuillotapDlg : public CDialog {
 public:
  explicit CQuillotapDlg(CWnd* pParent = nullptr);
  ~CQuillotapDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Enter and Esc must not close the window: it closes through WM_CLOSE only.
  void OnOK() override {}
  void OnCancel() override {}

  void UpdateCountControls();
  void UpdateClickPointControls();

  afx_msg void OnBnClickedClickPoint();
  afx_msg void OnBnClickedCountType();
  afx_msg void OnBnClickedNoActivate();
  afx_msg void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);
  afx_msg void OnClose();
  afx_msg void OnExit();

  DECLARE_MESSAGE_MAP()

  BOOL m_bRunning = 0;      // a click run is in progress; guarded by m_csRunning
  BOOL m_bStopRequest = 0;  // asks a running click run to stop
  CCriticalSection m_csRunning;
  int m_nLastX = -1;  // pointer position last written into the fixed-point fields while capturing
  int m_nLastY = -1;
  BOOL m_bCapturing = 0;

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
  CButton m_btnViewPos;
};
