// The hyperlink bound to static controls of a real dialog: its set-up, fitted size, colours, cursor,
// tooltip and click. The browser that a click starts is a recorder script that writes down the address.
#include <png.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/hyper_link.h"
#include "hyperlink_dialog.h"

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 238);
constexpr COLORREF kVisitedPurple = RGB(85, 26, 139);
constexpr DWORD kDeadlineMs = 15000;  // starting winebrowser and a shell on a loaded machine

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// A Unix path as Wine's Z: drive shows it.
std::wstring WindowsPathFromUnix(const std::string& path) {
  std::wstring windows = L"Z:" + Widen(path);
  for (wchar_t& c : windows) {
    if (c == L'/') c = L'\\';
  }
  return windows;
}

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Wine opens web addresses with winebrowser, which runs the first program of this list that starts.
// For the length of the tests the list names only the recorder (QUILLOTAP_BROWSER_RECORDER, a Unix
// path), which appends each address it is given to a file beside itself.
constexpr wchar_t kWineBrowserKey[] = L"Software\\Wine\\WineBrowser";
constexpr wchar_t kBrowsersValue[] = L"Browsers";

class BrowserRecorder : public testing::Environment {
 public:
  static std::wstring RecordPath() {
    const std::string recorder = QUILLOTAP_BROWSER_RECORDER;
    return WindowsPathFromUnix(recorder.substr(0, recorder.find_last_of('/')) + "/opened-addresses.txt");
  }

  static void Forget() { ::DeleteFileW(RecordPath().c_str()); }

  // The addresses opened so far, complete lines only.
  static std::vector<std::string> Opened() {
    std::vector<std::string> lines;
    std::ifstream record(RecordPath().c_str());
    std::string line;
    while (std::getline(record, line)) {
      if (!record.eof()) lines.push_back(line);
    }
    return lines;
  }

  static bool WaitForOpened(size_t count) {
    const DWORD start = ::GetTickCount();
    while (Opened().size() < count) {
      if (::GetTickCount() - start > kDeadlineMs) return false;
      PumpMessages();
      ::Sleep(50);
    }
    return true;
  }

  void SetUp() override {
    wchar_t previous[1024] = L"";
    DWORD size = sizeof(previous);
    m_hadPrevious = ::RegGetValueW(HKEY_CURRENT_USER, kWineBrowserKey, kBrowsersValue, RRF_RT_REG_SZ, nullptr,
                                   previous, &size) == ERROR_SUCCESS;
    m_previous = previous;
    const std::wstring recorder = Widen(QUILLOTAP_BROWSER_RECORDER);
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kWineBrowserKey, kBrowsersValue, REG_SZ, recorder.c_str(),
                                static_cast<DWORD>((recorder.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    Forget();
  }

  void TearDown() override {
    if (m_hadPrevious) {
      ::RegSetKeyValueW(HKEY_CURRENT_USER, kWineBrowserKey, kBrowsersValue, REG_SZ, m_previous.c_str(),
                        static_cast<DWORD>((m_previous.size() + 1) * sizeof(wchar_t)));
    } else {
      ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kWineBrowserKey, kBrowsersValue);
    }
  }

 private:
  bool m_hadPrevious = false;
  std::wstring m_previous;
};

testing::Environment* const g_browserRecorder = testing::AddGlobalTestEnvironment(new BrowserRecorder);

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The test dialog without a modal loop, so that a test can act and look step by step. Its links are
// bound the way DoModal's opening binds them: the window is subclassed, then UpdateData(FALSE).
class CLinkDialog : public CDialog {
 public:
  CLinkDialog() : CDialog(IDD_LINK_DIALOG) { m_empty.m_strTarget = L"http://www.example.com/given"; }
  ~CLinkDialog() override {
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);  // while the links still have their objects
  }

  // `beforeBinding` may look at or change the template's controls before the links take them.
  bool Open(const std::function<void(HWND)>& beforeBinding = {}) {
    HWND hWnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LINK_DIALOG), nullptr,
                                     &PlainDialogProc, 0);
    if (hWnd == nullptr) return false;
    if (beforeBinding) beforeBinding(hWnd);
    if (!SubclassWindow(hWnd)) return false;
    UpdateData(FALSE);
    ::SetWindowPos(hWnd, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::UpdateWindow(hWnd);
    PumpMessages();
    return true;
  }

  // One pass of the modal loop: PreTranslateMessage from the target up, the dialog manager, dispatch.
  using CDialog::PumpModalMessage;

  CHyperLink m_left;
  CHyperLink m_right;
  CHyperLink m_centre;
  CHyperLink m_empty;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINK_LEFT, m_left);
    DDX_Control(pDX, IDC_LINK_RIGHT, m_right);
    DDX_Control(pDX, IDC_LINK_CENTRE, m_centre);
    DDX_Control(pDX, IDC_LINK_EMPTY, m_empty);
  }
};

// A parent that takes the clicks it is told to take.
class CCallBackDialog : public CLinkDialog, public CHyperLink::CallBack {
 public:
  int OnLinkClick(int nCtrlId) override {
    m_clicked.push_back(nCtrlId);
    return m_nAnswer;
  }
  int m_nAnswer = 0;
  std::vector<int> m_clicked;
};

std::wstring TextOf(HWND wnd) {
  wchar_t text[256] = L"";
  ::GetWindowTextW(wnd, text, 256);
  return text;
}

RECT RectInParent(HWND wnd) {
  RECT rect;
  ::GetWindowRect(wnd, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(wnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The control's text measured in the font it has now.
SIZE TextSize(HWND wnd) {
  const std::wstring text = TextOf(wnd);
  HDC dc = ::GetDC(wnd);
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(wnd, WM_GETFONT, 0, 0)));
  SIZE size = {0, 0};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(wnd, dc);
  return size;
}

LOGFONTW FontOf(HWND wnd) {
  LOGFONTW font = {};
  ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(wnd, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

void LeftClick(HWND wnd) {
  ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void WritePng(const std::wstring& path, int width, int height, const std::vector<DWORD>& rgb) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const DWORD pixel = rgb[static_cast<size_t>(y) * width + x];
        row[x * 3] = static_cast<png_byte>(pixel >> 16);
        row[x * 3 + 1] = static_cast<png_byte>(pixel >> 8);
        row[x * 3 + 2] = static_cast<png_byte>(pixel);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// What `draw` paints on a white bitmap of width x height, as 0x00RRGGBB values, top row first.
std::vector<DWORD> DrawnOnWhite(int width, int height, const std::function<void(HDC)>& draw) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::PatBlt(dc, 0, 0, width, height, WHITENESS);
  draw(dc);
  ::GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  std::vector<DWORD> copy(pixels, pixels + static_cast<size_t>(width) * height);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::DeleteObject(bitmap);
  for (DWORD& pixel : copy) pixel &= 0xFFFFFF;
  return copy;
}

// Into the artifacts folder, for a person to look at.
void SavePicture(const char* name, int width, int height, const std::vector<DWORD>& pixels) {
  const char* artifacts = std::getenv("QUILLOTAP_ARTIFACTS");
  if (artifacts == nullptr || *artifacts == '\0') return;
  const std::wstring dir = WindowsPathFromUnix(artifacts);
  ::CreateDirectoryW(dir.c_str(), nullptr);
  WritePng(dir + L"\\hyperlink-" + Widen(name) + L".png", width, height, pixels);
}

// The control drawn by itself (WM_PRINTCLIENT, as its WM_PAINT draws) on white: how many of its
// pixels have the colour. The picture is saved under `name`.
int PixelsOfColour(HWND wnd, COLORREF colour, const char* name) {
  RECT client;
  ::GetClientRect(wnd, &client);
  const std::vector<DWORD> pixels = DrawnOnWhite(client.right, client.bottom, [wnd](HDC dc) {
    ::SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  SavePicture(name, client.right, client.bottom, pixels);
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  int count = 0;
  for (DWORD pixel : pixels) {
    if (pixel == wanted) ++count;
  }
  return count;
}

// Counts the paints that reach a window, ahead of everything else that handles them.
LRESULT CALLBACK CountPaints(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR count) {
  if (message == WM_PAINT) ++*reinterpret_cast<int*>(count);
  return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

// Runs the dialog's messages as its modal loop would until `done` holds; false after the deadline.
bool PumpUntil(CLinkDialog& dialog, const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) dialog.PumpModalMessage(msg);
    ::Sleep(10);
  }
  return true;
}

class HyperLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    // The real pointer stays away from the dialog, so that only the test's own moves reach the links.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    BrowserRecorder::Forget();
  }
};

TEST_F(HyperLinkTest, TakesItsAddressFromItsTextAndShowsItUnderlinedWithATooltip) {
  CLinkDialog dialog;
  LOGFONTW dialogFont = {};
  DWORD styleBefore = 0;
  ASSERT_TRUE(dialog.Open([&](HWND hWnd) {
    dialogFont = FontOf(::GetDlgItem(hWnd, IDC_LINK_LEFT));
    styleBefore = static_cast<DWORD>(::GetWindowLongW(::GetDlgItem(hWnd, IDC_LINK_LEFT), GWL_STYLE));
  }));
  HWND left = dialog.m_left.m_hWnd;
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(styleBefore & SS_NOTIFY, 0u);
  EXPECT_NE(::GetWindowLongW(left, GWL_STYLE) & SS_NOTIFY, 0);

  EXPECT_EQ(std::wstring(dialog.m_left.m_strTarget), L"http://www.example.com");
  // A link given an address but no text shows the address.
  EXPECT_EQ(TextOf(dialog.m_empty.m_hWnd), L"http://www.example.com/given");

  // Its own font: the dialog's, underlined.
  const LOGFONTW font = FontOf(left);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(::SendMessageW(left, WM_GETFONT, 0, 0)),
            dialog.m_left.m_font.GetSafeHandle());
  EXPECT_EQ(dialogFont.lfUnderline, 0);
  EXPECT_EQ(font.lfUnderline, 1);
  EXPECT_EQ(font.lfHeight, dialogFont.lfHeight);
  EXPECT_EQ(font.lfWeight, dialogFont.lfWeight);
  EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(dialogFont.lfFaceName));

  // The tooltip: a window of the link's, whose one tool covers the fitted link and says the address.
  HWND tip = dialog.m_left.m_tip.m_hWnd;
  ASSERT_NE(tip, nullptr);
  // Created with the link as its parent; a pop-up's owner is always a top-level window, the dialog.
  EXPECT_EQ(::GetWindow(tip, GW_OWNER), dialog.m_hWnd);
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  wchar_t text[1024] = L"";
  TOOLINFOW tool = {};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = left;
  tool.uId = 1;
  tool.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::wstring(text), L"http://www.example.com");
  tool.lpszText = nullptr;
  ASSERT_TRUE(::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  RECT client;
  ::GetClientRect(left, &client);
  EXPECT_TRUE(::EqualRect(&tool.rect, &client));
}

TEST_F(HyperLinkTest, FitsItsTextKeepingTheEdgeItsAlignmentNames) {
  CLinkDialog dialog;
  RECT before[3] = {};
  const int ids[3] = {IDC_LINK_LEFT, IDC_LINK_RIGHT, IDC_LINK_CENTRE};
  RECT templateSize = {0, 0, 114, 8};
  ASSERT_TRUE(dialog.Open([&](HWND hWnd) {
    ::MapDialogRect(hWnd, &templateSize);
    // Room for the centred text plus an odd number of pixels, which cannot be split evenly.
    HWND centre = ::GetDlgItem(hWnd, IDC_LINK_CENTRE);
    const RECT rect = RectInParent(centre);
    ::SetWindowPos(centre, nullptr, 0, 0, TextSize(centre).cx + 41, rect.bottom - rect.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < 3; ++i) before[i] = RectInParent(::GetDlgItem(hWnd, ids[i]));
  }));
  EXPECT_EQ(before[0].right - before[0].left, templateSize.right);
  EXPECT_EQ(before[0].bottom - before[0].top, templateSize.bottom);

  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(ids[i]);
    HWND link = ::GetDlgItem(dialog.m_hWnd, ids[i]);
    const SIZE text = TextSize(link);
    const RECT after = RectInParent(link);
    ASSERT_GT(text.cx, 0);
    EXPECT_LT(text.cx, before[i].right - before[i].left);
    EXPECT_EQ(after.top, before[i].top);
    EXPECT_EQ(after.bottom - after.top, text.cy);
    switch (ids[i]) {
      case IDC_LINK_LEFT:
        EXPECT_EQ(after.left, before[i].left);
        EXPECT_EQ(after.right - after.left, text.cx);
        break;
      case IDC_LINK_RIGHT:
        EXPECT_EQ(after.right, before[i].right);
        EXPECT_EQ(after.right - after.left, text.cx);
        break;
      default: {
        const int spare = before[i].right - before[i].left - text.cx;
        ASSERT_EQ(spare, 41);
        EXPECT_EQ(after.left, before[i].left + 20);
        EXPECT_EQ(after.right - after.left, text.cx + 1);  // each side gave up the truncated half
        EXPECT_EQ(after.left + after.right, before[i].left + before[i].right);
      }
    }
  }
}

TEST_F(HyperLinkTest, DrawsInTheLinkColourThenTheHoverColourThenTheVisitedColour) {
  CLinkDialog dialog;
  ASSERT_TRUE(dialog.Open());
  HWND link = dialog.m_left.m_hWnd;
  const COLORREF hover = ::GetSysColor(COLOR_HIGHLIGHT);
  ASSERT_NE(hover, kLinkBlue);
  ASSERT_NE(hover, kVisitedPurple);
  EXPECT_EQ(dialog.m_left.m_crHover, hover);
  RECT client;
  ::GetClientRect(link, &client);
  int paints = 0;
  ASSERT_TRUE(::SetWindowSubclass(link, &CountPaints, 1, reinterpret_cast<DWORD_PTR>(&paints)));

  EXPECT_GT(PixelsOfColour(link, kLinkBlue, "1-link"), 0);
  EXPECT_EQ(PixelsOfColour(link, hover, "1-link"), 0);

  // The first move over the link: hover colour, drawn at once, and the capture.
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(dialog.m_left.m_bHover);
  EXPECT_EQ(::GetCapture(), link);
  EXPECT_EQ(paints, 1);
  EXPECT_GT(PixelsOfColour(link, hover, "2-hover"), 0);
  EXPECT_EQ(PixelsOfColour(link, kLinkBlue, "2-hover"), 0);

  // Moving within changes nothing and draws nothing.
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(client.right - 1, client.bottom - 1));
  EXPECT_TRUE(dialog.m_left.m_bHover);
  EXPECT_EQ(::GetCapture(), link);
  EXPECT_EQ(paints, 1);

  // A click opens the address; while the pointer stays, hover wins over visited.
  LeftClick(link);
  EXPECT_TRUE(dialog.m_left.m_bVisited);
  EXPECT_GT(PixelsOfColour(link, hover, "3-clicked"), 0);
  EXPECT_EQ(PixelsOfColour(link, kVisitedPurple, "3-clicked"), 0);

  // The move that leaves, received under the capture, ends the hover and lets the capture go.
  const int paintsBeforeLeaving = paints;
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 5, 2));
  EXPECT_FALSE(dialog.m_left.m_bHover);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(paints, paintsBeforeLeaving + 1);
  EXPECT_GT(PixelsOfColour(link, kVisitedPurple, "4-visited"), 0);
  EXPECT_EQ(PixelsOfColour(link, kLinkBlue, "4-visited"), 0);
  EXPECT_EQ(PixelsOfColour(link, hover, "4-visited"), 0);

  // The other links were not touched.
  EXPECT_GT(PixelsOfColour(dialog.m_right.m_hWnd, kLinkBlue, "5-untouched"), 0);
  ::RemoveWindowSubclass(link, &CountPaints, 1);
  EXPECT_TRUE(BrowserRecorder::WaitForOpened(1));
}

TEST_F(HyperLinkTest, UnderlinesOnlyUnderThePointerWhenAskedTo) {
  CLinkDialog dialog;
  dialog.m_left.m_bUnderline = FALSE;
  dialog.m_left.m_bUnderlineOnHover = TRUE;
  ASSERT_TRUE(dialog.Open());
  HWND link = dialog.m_left.m_hWnd;
  EXPECT_EQ(FontOf(link).lfUnderline, 0);
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(FontOf(link).lfUnderline, 1);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(::SendMessageW(link, WM_GETFONT, 0, 0)),
            dialog.m_left.m_font.GetSafeHandle());
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(-3, 2));
  EXPECT_EQ(FontOf(link).lfUnderline, 0);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HyperLinkTest, OpensItsAddressWhenItsParentHasNoCallBack) {
  CLinkDialog dialog;
  ASSERT_TRUE(dialog.Open());
  LeftClick(dialog.m_left.m_hWnd);
  EXPECT_TRUE(dialog.m_left.m_bVisited);
  ASSERT_TRUE(BrowserRecorder::WaitForOpened(1));
  // winebrowser hands the browser the address in its canonical form, with the root path.
  EXPECT_EQ(BrowserRecorder::Opened(), std::vector<std::string>{"http://www.example.com/"});
}

TEST_F(HyperLinkTest, ACallBackThatTakesTheClickKeepsTheLinkClosedAndUnvisited) {
  CCallBackDialog dialog;
  ASSERT_TRUE(dialog.Open());

  dialog.m_nAnswer = 1;
  LeftClick(dialog.m_left.m_hWnd);
  EXPECT_EQ(dialog.m_clicked, std::vector<int>{IDC_LINK_LEFT});
  EXPECT_FALSE(dialog.m_left.m_bVisited);
  EXPECT_GT(PixelsOfColour(dialog.m_left.m_hWnd, kLinkBlue, "taken"), 0);

  // Answering zero lets the link go on. What was opened once that one has arrived shows that the
  // taken click opened nothing.
  dialog.m_nAnswer = 0;
  LeftClick(dialog.m_right.m_hWnd);
  EXPECT_EQ(dialog.m_clicked, (std::vector<int>{IDC_LINK_LEFT, IDC_LINK_RIGHT}));
  EXPECT_TRUE(dialog.m_right.m_bVisited);
  ASSERT_TRUE(BrowserRecorder::WaitForOpened(1));
  ::Sleep(1000);
  EXPECT_EQ(BrowserRecorder::Opened(), std::vector<std::string>{"http://www.example.com/right"});
  EXPECT_GT(PixelsOfColour(dialog.m_right.m_hWnd, kVisitedPurple, "let-through"), 0);
}

// Notes the messages relayed to a tooltip.
LRESULT CALLBACK RecordRelayed(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR log) {
  if (message == TTM_RELAYEVENT)
    reinterpret_cast<std::vector<UINT>*>(log)->push_back(reinterpret_cast<MSG*>(lParam)->message);
  return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

TEST_F(HyperLinkTest, RelaysMessagesToItsTooltipAndLetsThemGoOn) {
  CLinkDialog dialog;
  ASSERT_TRUE(dialog.Open());
  std::vector<UINT> relayed;
  HWND tip = dialog.m_left.m_tip.m_hWnd;
  ASSERT_TRUE(::SetWindowSubclass(tip, &RecordRelayed, 1, reinterpret_cast<DWORD_PTR>(&relayed)));
  MSG msg = {};
  msg.hwnd = dialog.m_left.m_hWnd;
  msg.message = WM_MOUSEMOVE;
  msg.lParam = MAKELPARAM(2, 2);
  EXPECT_FALSE(dialog.m_left.PreTranslateMessage(&msg));
  msg.message = WM_LBUTTONDOWN;
  EXPECT_FALSE(dialog.m_left.PreTranslateMessage(&msg));
  ::RemoveWindowSubclass(tip, &RecordRelayed, 1);
  EXPECT_EQ(relayed, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN}));
}

TEST_F(HyperLinkTest, UnderTheRealPointerItHoversShowsItsCursorAndItsTooltipAndLetsGo) {
  CLinkDialog dialog;
  ASSERT_TRUE(dialog.Open());
  HWND link = dialog.m_left.m_hWnd;
  HWND tip = dialog.m_left.m_tip.m_hWnd;
  RECT onScreen;
  ::GetWindowRect(link, &onScreen);
  ::SetCursorPos(onScreen.left + 3, (onScreen.top + onScreen.bottom) / 2);
  ASSERT_TRUE(PumpUntil(dialog, [&] { return dialog.m_left.m_bHover != FALSE; }));
  EXPECT_EQ(::GetCapture(), link);
  EXPECT_EQ(::GetCursor(), dialog.m_left.m_hCursor);
  // The tooltip learns of the pointer only from what the link relays to it.
  EXPECT_TRUE(PumpUntil(dialog, [&] { return ::IsWindowVisible(tip) != FALSE; }));

  // Onto the dialog: a move over no window of this thread does not reach the capture while no button
  // is down, neither on Windows nor under Wine, where such a move is not seen at all.
  RECT client;
  ::GetClientRect(dialog.m_hWnd, &client);
  POINT away = {client.right - 3, client.bottom - 3};
  ::ClientToScreen(dialog.m_hWnd, &away);
  ::SetCursorPos(away.x, away.y);
  EXPECT_TRUE(PumpUntil(dialog, [&] { return dialog.m_left.m_bHover == FALSE; }));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_TRUE(PumpUntil(dialog, [&] { return ::IsWindowVisible(tip) == FALSE; }));
}

// What a cursor looks like: its hot spot and the bits of its mask and colour bitmaps.
std::vector<LONG> CursorImage(HCURSOR cursor) {
  std::vector<LONG> image;
  ICONINFO info = {};
  if (!::GetIconInfo(cursor, &info)) return image;
  image = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
  for (HBITMAP bitmap : {info.hbmMask, info.hbmColor}) {
    BITMAP header = {};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(header), &header) == 0) continue;
    std::vector<BYTE> bits(static_cast<size_t>(header.bmWidthBytes) * header.bmHeight);
    ::GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    image.push_back(header.bmWidth);
    image.push_back(header.bmHeight);
    image.insert(image.end(), bits.begin(), bits.end());
    ::DeleteObject(bitmap);
  }
  return image;
}

TEST_F(HyperLinkTest, ShowsTheHelpViewersHandOrElseTheSystemsHand) {
  wchar_t folder[MAX_PATH] = L"";
  ::GetWindowsDirectoryW(folder, MAX_PATH);
  HMODULE help = ::LoadLibraryW((std::wstring(folder) + L"\\winhlp32.exe").c_str());
  HCURSOR borrowed = help != nullptr ? ::LoadCursorW(help, MAKEINTRESOURCEW(106)) : nullptr;
  std::printf("winhlp32.exe %s, its cursor 106 %s: the link shows %s\n",
              help != nullptr ? "loads" : "is missing", borrowed != nullptr ? "exists" : "is missing",
              borrowed != nullptr ? "the help viewer's cursor" : "the system's hand (IDC_HAND)");
  const std::vector<LONG> expected =
      CursorImage(borrowed != nullptr ? borrowed : ::LoadCursorW(nullptr, IDC_HAND));
  if (help != nullptr) ::FreeLibrary(help);

  HCURSOR linkCursor = nullptr;
  {
    CLinkDialog dialog;
    ASSERT_TRUE(dialog.Open());
    HWND link = dialog.m_left.m_hWnd;
    linkCursor = dialog.m_left.m_hCursor;
    ASSERT_NE(linkCursor, nullptr);
    EXPECT_NE(linkCursor, ::LoadCursorW(nullptr, IDC_HAND));  // a copy of its own
    EXPECT_EQ(CursorImage(linkCursor), expected);
    ASSERT_FALSE(expected.empty());
    const int size = ::GetSystemMetrics(SM_CXCURSOR);
    SavePicture("cursor", size, size, DrawnOnWhite(size, size, [linkCursor](HDC dc) {
                  ::DrawIconEx(dc, 0, 0, linkCursor, 0, 0, 0, nullptr, DI_NORMAL);
                }));

    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(::SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), linkCursor);
  }
  // The copy goes with the link, and the cursor on the screen is no longer it.
  EXPECT_NE(::GetCursor(), linkCursor);
  ICONINFO info = {};
  EXPECT_FALSE(::GetIconInfo(linkCursor, &info));
}

TEST_F(HyperLinkTest, DeletesItsFontWithItself) {
  HGDIOBJ font = nullptr;
  {
    CLinkDialog dialog;
    ASSERT_TRUE(dialog.Open());
    font = dialog.m_left.m_font.GetSafeHandle();
    EXPECT_EQ(::GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_EQ(::GetObjectType(font), 0u);
}

}  // namespace
