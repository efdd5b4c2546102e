#pragma once
// What the end-to-end tests need to drive the real Quillotap.exe from outside: starting and ending it,
// waiting with a deadline, finding its windows, injecting keys and the pointer, and screenshots.
// The driver is itself a Windows program under the same Wine server as the program it drives.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resource.h"

namespace e2e {

// Generous: Wine on a loaded two-core machine can take seconds to start a process.
constexpr DWORD kDeadlineMs = 10000;
constexpr wchar_t kMainWindowClass[] = L"Brindlework_Quillotap_KIOP39D";
constexpr wchar_t kDialogClass[] = L"#32770";

// The program under test, as a Windows path. Set once by main from the command line, which may give
// it as a Unix path (CTest does) or a Windows one.
void SetProgramPath(const std::string& path);
const std::wstring& ProgramPath();
std::wstring WindowsPathFromUnix(const std::string& path);

// The folder the program runs from, which holds its Res folder.
std::wstring ProgramDir();

// The program's settings file in the prefix's roaming application data, as the program finds it.
std::wstring SettingsFilePath();

// Where screenshots go (QUILLOTAP_ARTIFACTS), created if missing; empty when the variable is unset.
std::wstring ArtifactsDir();

// Runs the driver's own pending messages, so that its windows stay responsive while it waits.
void PumpMessages();

// Polls `done` until it holds or the deadline passes; the driver keeps pumping meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kDeadlineMs);

// One started copy of the program. Ends it by its handle when destroyed, if it still runs.
class Process {
 public:
  Process(HANDLE process, DWORD id) : m_process(process), m_id(id) {}
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD Id() const { return m_id; }
  bool IsRunning() const;
  bool WaitForExit(DWORD timeoutMs = kDeadlineMs) const;
  DWORD ExitCode() const;  // STILL_ACTIVE while it runs
  void Terminate();

 private:
  HANDLE m_process;
  DWORD m_id;
};

// Starts the program detached from the driver's console; null when CreateProcessW fails.
std::unique_ptr<Process> StartProgram();
// Starts another program the same way; the arguments follow its quoted path on the command line.
std::unique_ptr<Process> StartDetached(const std::wstring& exe, const std::wstring& arguments);

std::wstring ClassNameOf(HWND wnd);
std::wstring TextOf(HWND wnd);  // WM_GETTEXT, with a time-out so that a hung window cannot hang us

// Top-level windows of the given class (any class when null), of one process (any when 0).
std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId = 0, bool visibleOnly = false);

// The first visible top-level window of the class in that process, waited for until the deadline.
HWND WaitForVisibleWindow(const Process& process, const wchar_t* className);

// The child windows of a window in Z order, which for a dialog is the order of its template.
std::vector<HWND> ChildrenInOrder(HWND parent);

// A message round trip: true once the window's thread has handled everything queued before it.
bool RoundTrip(HWND wnd);

// Sends a message with a time-out; 0 when the window does not answer in time.
LRESULT Send(HWND wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Makes the window the foreground window and waits until the system says it is.
bool BringToFront(HWND wnd);

// Presses the keys in order and lets them go in reverse order (a chord such as Ctrl+F1).
void PressChord(std::initializer_list<WORD> keys);
void TapKey(WORD vk);

// Where the pointer is, as this process reads it.
POINT PointerPosition();

// Moves the pointer to a screen point and waits until it reads back there; false if it never does.
bool MovePointerTo(POINT screenPoint);

// Moves the pointer to a screen point and clicks the left button there.
void ClickAt(POINT screenPoint);

// The middle of the window on the screen.
POINT CentreOf(HWND wnd);

// The window's client rectangle in screen coordinates.
RECT ClientRectOnScreen(HWND wnd);

// A small top-level window of the driver's own: an owner for the hotkeys the driver registers, which
// are released on destruction; or, shown, something to put in front of the program.
class DriverWindow {
 public:
  explicit DriverWindow(bool visible);
  ~DriverWindow();
  DriverWindow(const DriverWindow&) = delete;
  DriverWindow& operator=(const DriverWindow&) = delete;

  HWND Handle() const { return m_wnd; }
  bool RegisterHotKey(int id, UINT modifiers, UINT vk);
  void UnregisterHotKey(int id);

 private:
  HWND m_wnd = nullptr;
  std::vector<int> m_hotKeys;
};

// A visible window of the driver's own, to put in front of the program. It lives as long as the
// driver, so that no test waits for it to be hidden.
HWND ForegroundStandIn();

// True when another process holds the key: the driver tries to register it and lets it go at once.
bool HotKeyTaken(UINT modifiers, UINT vk);

// The window's screen rectangle as an RGB image, from the screen itself (not from the window).
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // top-down rows, 3 bytes a pixel
  size_t DistinctColours() const;
  COLORREF At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};
bool CaptureScreen(const RECT& screenRect, ScreenImage* shot);
bool WritePng(const ScreenImage& shot, const std::wstring& path);

// A PNG file as straight (not premultiplied) 8-bit RGBA, read with libpng's own simple reader.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // top-down rows, 4 bytes a pixel
};
bool ReadPicture(const std::wstring& path, Picture* picture);

// The main dialog's base units, solved from its client size (MapDialogRect works only in the
// program's own process); false when the size is no whole number of dialog units.
bool SolveBaseUnits(SIZE client, int* baseX, int* baseY);
// A rectangle of the main dialog's template, in its client pixels.
RECT DialogUnitsToClient(int x, int y, int cx, int cy, int baseX, int baseY);

// Each test starts its own copy and leaves nothing running behind it, whatever happened.
class QuillotapTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts a copy and waits for its main window; fails the test (and returns null) otherwise.
  HWND OpenMainWindow(const std::wstring& exe = ProgramPath());
  // Starts a copy without waiting for anything.
  Process* Start(const std::wstring& exe = ProgramPath());

  // A control of the main window.
  HWND Item(int id) const { return ::GetDlgItem(m_main, id); }

  // The main window's controls set and read as a user (or a paste) would leave them.
  void SetField(int id, const wchar_t* text) const {
    Send(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  void Select(int id, int index) const { Send(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index)); }
  bool IsChecked(int id) const { return Send(Item(id), BM_GETCHECK) == BST_CHECKED; }
  // Clicks a radio button or check box unless it already shows the state asked for.
  void SetChecked(int id, bool checked) const {
    if (IsChecked(id) != checked) Send(Item(id), BM_CLICK);
  }

  // A click run as the buttons show it: Stop is enabled exactly while a run goes on.
  bool IsRunning() const { return ::IsWindowEnabled(Item(IDC_STOP)) != 0; }
  // Presses Start through the button's own message and waits until the run has begun.
  bool PressStart();
  // Waits until the run has ended and Start is back.
  bool WaitForRunEnd(DWORD timeoutMs = kDeadlineMs);

  HWND m_main = nullptr;
  Process* m_app = nullptr;  // the copy that OpenMainWindow started

 private:
  std::vector<std::unique_ptr<Process>> m_started;
};

}  // namespace e2e
