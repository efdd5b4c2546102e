// Message maps, default processing and reflection, on real windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_window.h"

namespace {

std::vector<std::string> g_calls;

class CBaseWnd : public CWnd {
 protected:
  afx_msg void OnShared() { g_calls.push_back("base shared"); }
  afx_msg void OnBaseOnly() { g_calls.push_back("base only"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_COMMAND(101, &CBaseWnd::OnShared)    // void ()
  ON_COMMAND(102, &CBaseWnd::OnBaseOnly)  // void ()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 protected:
  afx_msg void OnDerivedShared() { g_calls.push_back("derived shared"); }
  afx_msg void OnClose() { g_calls.push_back("close kept"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
  ON_COMMAND(101, &CDerivedWnd::OnDerivedShared)  // void ()
  ON_WM_CLOSE()                                   // void OnClose()
END_MESSAGE_MAP()

// Lets WM_CLOSE go on to the window's own procedure, which destroys the window.
class CDefaultCloseWnd : public CWnd {
 protected:
  afx_msg void OnClose() {
    g_calls.push_back("close passed on");
    Default();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultCloseWnd, CWnd)
  ON_WM_CLOSE()  // void OnClose()
END_MESSAGE_MAP()

struct CommandCase {
  UINT id;
  std::vector<std::string> calls;
};

TEST(MessageMap, DerivedEntriesComeFirstAndUnhandledCommandsFallToTheBase) {
  const CommandCase cases[] = {
      {101, {"derived shared"}},  // both maps have it: the derived one wins
      {102, {"base only"}},       // reached through the base's map
      {103, {}},                  // no entry anywhere
  };
  ScopedTopWindow top;
  CDerivedWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(top.hwnd()));
  for (const CommandCase& c : cases) {
    g_calls.clear();
    ::SendMessageW(top.hwnd(), WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
    EXPECT_EQ(g_calls, c.calls) << "command " << c.id;
  }
  g_calls.clear();
  wnd.WindowProc(WM_COMMAND, MAKEWPARAM(102, 0), 0);  // a hand-built message goes the same way
  EXPECT_EQ(g_calls, std::vector<std::string>{"base only"});
}

TEST(MessageMap, HandledMessagesSkipTheDefaultUnlessTheHandlerAsksForIt) {
  ScopedTopWindow kept;
  CDerivedWnd keeping;
  ASSERT_TRUE(keeping.SubclassWindow(kept.hwnd()));
  ScopedTopWindow closed;
  CDefaultCloseWnd closing;
  ASSERT_TRUE(closing.SubclassWindow(closed.hwnd()));
  g_calls.clear();

  ::SendMessageW(kept.hwnd(), WM_CLOSE, 0, 0);
  ::SendMessageW(closed.hwnd(), WM_CLOSE, 0, 0);

  EXPECT_EQ(g_calls, (std::vector<std::string>{"close kept", "close passed on"}));
  EXPECT_TRUE(::IsWindow(kept.hwnd()));
  EXPECT_FALSE(::IsWindow(closed.hwnd()));  // DefWindowProc destroyed it
  EXPECT_EQ(closing.m_hWnd, nullptr);       // and the object let go of the handle
  EXPECT_EQ(CWnd::FromHandlePermanent(kept.hwnd()), &keeping);
}

class CTimerWnd : public CWnd {
 public:
  std::vector<UINT_PTR> m_ticks;

 protected:
  afx_msg void OnTimer(UINT_PTR nIDEvent) {
    m_ticks.push_back(nIDEvent);
    KillTimer(nIDEvent);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWnd, CWnd)
  ON_WM_TIMER()  // void OnTimer(UINT_PTR)
END_MESSAGE_MAP()

TEST(MessageMap, ATimerTickArrivesWithItsId) {
  ScopedTopWindow top;
  CTimerWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(top.hwnd()));
  ASSERT_NE(wnd.SetTimer(100, 1, nullptr), 0u);
  const DWORD deadline = ::GetTickCount() + 5000;
  MSG msg;
  while (wnd.m_ticks.empty() && ::GetTickCount() < deadline) {
    if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::DispatchMessageW(&msg);
    } else {
      ::Sleep(1);
    }
  }
  EXPECT_EQ(wnd.m_ticks, std::vector<UINT_PTR>{100});
}

// Reflection of notifications and drawing messages to the child's object.
constexpr int kChildId = 500;

class CParentWnd : public CWnd {
 protected:
  afx_msg void OnChildClicked() { g_calls.push_back("parent"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
  ON_BN_CLICKED(kChildId, &CParentWnd::OnChildClicked)  // void ()
END_MESSAGE_MAP()

class CKeepingButton : public CButton {
 protected:
  afx_msg void OnReflectedClick() { g_calls.push_back("child"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeepingButton, CButton)
  ON_CONTROL_REFLECT(BN_CLICKED, &CKeepingButton::OnReflectedClick)  // void ()
END_MESSAGE_MAP()

class CSharingButton : public CButton {
 protected:
  afx_msg BOOL OnReflectedClick() {
    g_calls.push_back("child");
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSharingButton, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSharingButton::OnReflectedClick)  // BOOL ()
END_MESSAGE_MAP()

template <class Child>
std::vector<std::string> ClickThroughParent() {
  ScopedTopWindow top;
  CParentWnd parent;
  parent.SubclassWindow(top.hwnd());
  HWND button = top.AddChild(L"Button", BS_PUSHBUTTON, kChildId);
  Child child;
  child.SubclassWindow(button);
  g_calls.clear();
  ::SendMessageW(top.hwnd(), WM_COMMAND, MAKEWPARAM(kChildId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return g_calls;
}

TEST(Reflection, TheChildSeesItsNotificationFirstAndMayKeepIt) {
  EXPECT_EQ(ClickThroughParent<CKeepingButton>(), std::vector<std::string>{"child"});
  EXPECT_EQ(ClickThroughParent<CSharingButton>(), (std::vector<std::string>{"child", "parent"}));
  EXPECT_EQ(ClickThroughParent<CButton>(), std::vector<std::string>{"parent"});
}

class CColoredStatic : public CStatic {
 public:
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
    g_calls.push_back(nCtlColor == CTLCOLOR_STATIC ? "child static colour" : "child other colour");
    pDC->SetTextColor(RGB(1, 2, 3));
    return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoredStatic, CStatic)
  ON_WM_CTLCOLOR_REFLECT()  // HBRUSH CtlColor(CDC*, UINT)
END_MESSAGE_MAP()

// A parent that decides colours itself but asks the base class first, as dialogs with a look do.
class CColoringParent : public CWnd {
 protected:
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH fromBase = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    g_calls.push_back(fromBase == ::GetStockObject(BLACK_BRUSH) ? "parent got child brush"
                                                                : "parent got other");
    return fromBase;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoringParent, CWnd)
  ON_WM_CTLCOLOR()  // HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
END_MESSAGE_MAP()

template <class Parent>
HBRUSH StaticColourThroughParent(bool childHasObject) {
  ScopedTopWindow top;
  Parent parent;
  parent.SubclassWindow(top.hwnd());
  HWND label = top.AddChild(L"Static", SS_LEFT, kChildId);
  CColoredStatic child;
  if (childHasObject) child.SubclassWindow(label);
  HDC dc = ::GetDC(label);
  g_calls.clear();
  auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
      top.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
  EXPECT_EQ(::GetTextColor(dc) == RGB(1, 2, 3), childHasObject);
  ::ReleaseDC(label, dc);
  return brush;
}

TEST(Reflection, ControlColourReachesTheChildThroughTheDefaultHandling) {
  const auto black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(StaticColourThroughParent<CWnd>(true), black);
  EXPECT_EQ(g_calls, std::vector<std::string>{"child static colour"});

  EXPECT_EQ(StaticColourThroughParent<CColoringParent>(true), black);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"child static colour", "parent got child brush"}));

  EXPECT_NE(StaticColourThroughParent<CWnd>(false), black);  // no object: the system's default
  EXPECT_TRUE(g_calls.empty());
}

class COwnerDrawnButton : public CButton {
 public:
  void DrawItem(LPDRAWITEMSTRUCT item) override {
    g_calls.push_back(item->hwndItem == m_hWnd ? "drawn with its own handle" : "drawn with another handle");
  }
};

TEST(Reflection, AnOwnerDrawnButtonDrawsItself) {
  ScopedTopWindow top;
  CWnd parent;
  parent.SubclassWindow(top.hwnd());
  HWND button = top.AddChild(L"Button", BS_OWNERDRAW, kChildId);
  COwnerDrawnButton child;
  child.SubclassWindow(button);
  g_calls.clear();
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = kChildId;
  item.hwndItem = button;
  item.hDC = ::GetDC(button);
  const LRESULT result = ::SendMessageW(top.hwnd(), WM_DRAWITEM, kChildId, reinterpret_cast<LPARAM>(&item));
  ::ReleaseDC(button, item.hDC);
  EXPECT_EQ(result, TRUE);
  EXPECT_EQ(g_calls, std::vector<std::string>{"drawn with its own handle"});
}

}  // namespace
