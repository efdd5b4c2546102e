// A dialog from a template, run modally: data exchange, the modal loop's PreTranslateMessage walk, the
// dialog manager's keys, and commands routed on to the application object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/afxwin.h"
#include "test_dialogs.h"

namespace {

constexpr UINT kPassedOn = WM_APP + 1;  // the edit lets it through
constexpr UINT kConsumed = WM_APP + 2;  // the edit's PreTranslateMessage keeps it
constexpr UINT kAppCommand = 0xE146;    // handled by the application object only
constexpr UINT_PTR kFailSafeTimer = 7;  // ends a dialog whose test went wrong

std::vector<std::string> g_log;

class CRecordingEdit : public CEdit {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == kPassedOn || pMsg->message == kConsumed) g_log.push_back("edit pretranslate");
    return pMsg->message == kConsumed;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kPassedOn || message == kConsumed) g_log.push_back("edit received");
    return CEdit::WindowProc(message, wParam, lParam);
  }
};

class COwnerDrawProbe : public CButton {
 public:
  void DrawItem(LPDRAWITEMSTRUCT) override {
    if (!m_bDrawn) ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND, IDCANCEL, 0);
    m_bDrawn = true;
  }
  bool m_bDrawn = false;
};

// What the test asks the dialog to do once it is open.
enum class Script { kWalkAndEndWhenPainted, kPressKey, kAppCommand };

class CTestDialog : public CDialog {
 public:
  CTestDialog(Script script, WPARAM key = 0) : CDialog(IDD_TEST_DIALOG), m_script(script), m_key(key) {}

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == kPassedOn || pMsg->message == kConsumed) g_log.push_back("dialog pretranslate");
    return CDialog::PreTranslateMessage(pMsg);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kFailSafeTimer) {
      EndDialog(-2);
      return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }

  CRecordingEdit m_edit;
  CButton m_button;
  COwnerDrawProbe m_ownerDraw;
  bool m_bBoundOnInit = false;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEST_EDIT, m_edit);
    DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
    DDX_Control(pDX, IDC_TEST_OWNERDRAW, m_ownerDraw);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_bBoundOnInit = m_edit.m_hWnd == ::GetDlgItem(m_hWnd, IDC_TEST_EDIT) &&
                     CWnd::FromHandlePermanent(m_edit.m_hWnd) == &m_edit &&
                     CWnd::FromHandlePermanent(m_button.m_hWnd) == &m_button;
    ::SetTimer(m_hWnd, kFailSafeTimer, 10000, nullptr);
    switch (m_script) {
      case Script::kWalkAndEndWhenPainted:
        m_edit.PostMessage(kPassedOn);
        m_edit.PostMessage(kConsumed);
        break;
      case Script::kPressKey:
        m_edit.PostMessage(WM_KEYDOWN, m_key, 1);
        break;
      case Script::kAppCommand:
        PostMessage(WM_COMMAND, kAppCommand, 0);
        PostMessage(WM_COMMAND, IDCANCEL, 0);
        break;
    }
    return TRUE;
  }

 private:
  Script m_script;
  WPARAM m_key;
};

TEST(ModalDialog, BindsControlsAndWalksPreTranslateMessageFromTheControlUp) {
  g_log.clear();
  CTestDialog dialog(Script::kWalkAndEndWhenPainted);

  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // ended by the owner-drawn button's first paint

  EXPECT_TRUE(dialog.m_bBoundOnInit);
  EXPECT_TRUE(dialog.m_ownerDraw.m_bDrawn);
  const std::vector<std::string> expected = {
      "edit pretranslate", "dialog pretranslate", "edit received",  // passed on: walked up, then delivered
      "edit pretranslate",                                          // consumed: seen once, reaching no window
  };
  EXPECT_EQ(g_log, expected);
  EXPECT_EQ(dialog.m_hWnd, nullptr);  // destroyed when the loop ended
  EXPECT_EQ(dialog.m_edit.m_hWnd, nullptr);
}

TEST(ModalDialog, EnterAndEscapeReachOnOkAndOnCancelThroughTheDialogManager) {
  const struct {
    WPARAM key;
    INT_PTR result;
  } cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
  for (const auto& c : cases) {
    CTestDialog dialog(Script::kPressKey, c.key);
    EXPECT_EQ(dialog.DoModal(), c.result) << "key " << c.key;
  }
}

class CTestApp : public CWinApp {
 public:
  afx_msg void OnAppCommand() { g_log.push_back("application"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
  ON_COMMAND(kAppCommand, &CTestApp::OnAppCommand)  // void ()
END_MESSAGE_MAP()

TEST(ModalDialog, CommandsTheDialogDoesNotHandleGoOnToTheApplication) {
  CTestApp app;
  ASSERT_EQ(AfxGetApp(), &app);
  g_log.clear();
  CTestDialog dialog(Script::kAppCommand);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(g_log, std::vector<std::string>{"application"});
}

}  // namespace
