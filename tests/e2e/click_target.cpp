// click_target.exe: a plain window at a given place on the screen that writes down every mouse button
// message it receives, so that a test, a demo or a benchmark can see where and when clicks land.
//
//   click_target.exe LOGFILE X Y WIDTH HEIGHT [--then ctrl+f1|capture]
//
// The log is created once the window is visible. Its first line is
//   # ready <QueryPerformanceCounter at start> <QueryPerformanceFrequency>
// and then one line a message, written in one piece as it arrives:
//   <left|middle|right> <down|up> <screen x> <screen y> <ms since start>
// Other lines start with '#'. With --then ctrl+f1 the target waits for Quillotap's window, takes the
// focus and presses Ctrl+F1, so that a run starts while the target is in front. With --then capture it
// waits for Quillotap's window and presses its Start Capture button (BM_CLICK), then writes
//   # capture sent <ms since start> <on|off>
// where on means that Quillotap's window holds the mouse capture afterwards, as it does while capturing.
// The window marks where each message landed (click_marks.h), so that a screenshot shows the clicks.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

#include "click_marks.h"

namespace {

constexpr wchar_t kClassName[] = L"QuillotapClickTarget";
constexpr wchar_t kQuillotapClass[] = L"Brindlework_Quillotap_KIOP39D";
constexpr DWORD kQuillotapWaitMs = 20000;
constexpr int kCaptureButtonId = 1015;  // IDC_CAPTURE in res/resource.h
constexpr COLORREF kFill = RGB(255, 140, 0);
constexpr COLORREF kGrid = RGB(200, 90, 0);
constexpr int kGridStep = 20;

HANDLE g_log = INVALID_HANDLE_VALUE;
LARGE_INTEGER g_start;
LARGE_INTEGER g_frequency;

// One mark a place and kind, in client coordinates, in order of first arrival. A run at one point adds
// two marks however long it lasts; past the cap, new places are logged but not marked.
struct Mark {
  POINT at;
  bool press;
  bool operator==(const Mark& other) const {
    return at.x == other.at.x && at.y == other.at.y && press == other.press;
  }
};
constexpr size_t kMaxMarks = 1000;
std::vector<Mark> g_marks;

double MsSinceStart() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - g_start.QuadPart) * 1000.0 /
         static_cast<double>(g_frequency.QuadPart);
}

// One WriteFile a line on an unbuffered handle: a reader never sees half a line or a line held back.
void WriteLine(const char* line) {
  DWORD written = 0;
  ::WriteFile(g_log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
}

// Records the mark and leaves the drawing to WM_PAINT, which comes once the queue is empty.
void AddMark(HWND wnd, POINT at, bool press) {
  const Mark mark = {at, press};
  if (g_marks.size() >= kMaxMarks || std::find(g_marks.begin(), g_marks.end(), mark) != g_marks.end()) return;
  g_marks.push_back(mark);
  const int reach = click_marks::kPressRingRadius + 1;
  const RECT bounds = {at.x - reach, at.y - reach, at.x + reach + 1, at.y + reach + 1};
  ::InvalidateRect(wnd, &bounds, FALSE);
}

void LogButton(HWND wnd, const char* button, const char* kind, LPARAM lParam) {
  const double ms = MsSinceStart();  // first, so that the time is the time of receipt
  const POINT inClient = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  POINT at = inClient;
  ::ClientToScreen(wnd, &at);
  char line[128];
  std::snprintf(line, sizeof line, "%s %s %ld %ld %.3f\n", button, kind, at.x, at.y, ms);
  WriteLine(line);
  AddMark(wnd, inClient, std::strcmp(kind, "down") == 0);
}

void DrawMarks(HDC dc) {
  HPEN ring = ::CreatePen(PS_SOLID, click_marks::kPressRingWidth, click_marks::kPressShade);
  HPEN dotEdge = ::CreatePen(PS_SOLID, 1, click_marks::kReleaseShade);
  HBRUSH dot = ::CreateSolidBrush(click_marks::kReleaseShade);
  HGDIOBJ oldPen = ::SelectObject(dc, ring);
  HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
  // A wide pen is centred on the outline: bring the outline in so that the ring ends at its radius.
  const int r = click_marks::kPressRingRadius - click_marks::kPressRingWidth / 2;
  const int d = click_marks::kReleaseDotRadius;
  for (const Mark& mark : g_marks) {
    const POINT at = mark.at;
    if (mark.press) {
      ::SelectObject(dc, ring);
      ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
      ::Ellipse(dc, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
    } else {
      ::SelectObject(dc, dotEdge);
      ::SelectObject(dc, dot);
      ::Ellipse(dc, at.x - d, at.y - d, at.x + d + 1, at.y + d + 1);
    }
  }
  ::SelectObject(dc, oldBrush);
  ::SelectObject(dc, oldPen);
  ::DeleteObject(dot);
  ::DeleteObject(dotEdge);
  ::DeleteObject(ring);
}

void Paint(HWND wnd) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(wnd, &paint);
  RECT client;
  ::GetClientRect(wnd, &client);
  HBRUSH fill = ::CreateSolidBrush(kFill);
  ::FillRect(dc, &client, fill);
  ::DeleteObject(fill);
  // A grid, so that a person looking at a screenshot can tell where on the target a point is.
  HPEN pen = ::CreatePen(PS_SOLID, 1, kGrid);
  HGDIOBJ oldPen = ::SelectObject(dc, pen);
  for (int x = kGridStep; x < client.right; x += kGridStep) {
    ::MoveToEx(dc, x, 0, nullptr);
    ::LineTo(dc, x, client.bottom);
  }
  for (int y = kGridStep; y < client.bottom; y += kGridStep) {
    ::MoveToEx(dc, 0, y, nullptr);
    ::LineTo(dc, client.right, y);
  }
  ::SelectObject(dc, oldPen);
  ::DeleteObject(pen);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(0, 0, 0));
  // Along the top edge, where it hides no mark of a click aimed at the middle.
  RECT label = client;
  label.top += 4;
  ::DrawTextW(dc, L"click target", -1, &label, DT_CENTER | DT_TOP | DT_SINGLELINE);
  DrawMarks(dc);
  ::EndPaint(wnd, &paint);
}

LRESULT CALLBACK TargetProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      LogButton(wnd, "left", "down", lParam);
      return 0;
    case WM_LBUTTONUP:
      LogButton(wnd, "left", "up", lParam);
      return 0;
    case WM_MBUTTONDOWN:
      LogButton(wnd, "middle", "down", lParam);
      return 0;
    case WM_MBUTTONUP:
      LogButton(wnd, "middle", "up", lParam);
      return 0;
    case WM_RBUTTONDOWN:
      LogButton(wnd, "right", "down", lParam);
      return 0;
    case WM_RBUTTONUP:
      LogButton(wnd, "right", "up", lParam);
      return 0;
    case WM_PAINT:
      Paint(wnd);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(wnd, message, wParam, lParam);
  }
}

// Handles the target's messages until `done` holds or the time is up; false when the time ran out.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(10);
  }
}

// Quillotap's main window once it shows, or null when it does not show in time.
HWND WaitForQuillotap() {
  HWND quillotap = nullptr;
  if (!PumpUntil(
          [&] {
            quillotap = ::FindWindowW(kQuillotapClass, nullptr);
            return quillotap != nullptr && ::IsWindowVisible(quillotap);
          },
          kQuillotapWaitMs)) {
    return nullptr;
  }
  return quillotap;
}

void Key(BYTE vk, DWORD flags) {
  ::keybd_event(vk, static_cast<BYTE>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), flags, 0);
}

void PressCtrlF1(HWND target) {
  HWND quillotap = WaitForQuillotap();
  if (quillotap == nullptr) {
    WriteLine("# ctrl+f1 not sent: no visible Quillotap window\n");
    return;
  }
  // Activation goes through the X server and can be overtaken: ask again until it holds.
  ULONGLONG nextTry = 0;
  const bool inFront = PumpUntil(
      [&] {
        if (::GetForegroundWindow() == target) return true;
        if (::GetTickCount64() >= nextTry) {
          ::SetForegroundWindow(target);
          nextTry = ::GetTickCount64() + 250;
        }
        return false;
      },
      5000);
  if (!inFront) WriteLine("# the target did not become the foreground window\n");
  Key(VK_CONTROL, 0);
  Key(VK_F1, 0);
  Key(VK_F1, KEYEVENTF_KEYUP);
  Key(VK_CONTROL, KEYEVENTF_KEYUP);
  char line[64];
  std::snprintf(line, sizeof line, "# ctrl+f1 sent %.3f\n", MsSinceStart());
  WriteLine(line);
}

void StartCapture() {
  HWND quillotap = WaitForQuillotap();
  if (quillotap == nullptr) {
    WriteLine("# capture not sent: no visible Quillotap window\n");
    return;
  }
  HWND button = ::GetDlgItem(quillotap, kCaptureButtonId);
  if (button == nullptr || !::IsWindowEnabled(button)) {
    WriteLine("# capture not sent: no enabled Start Capture button (is the fixed point chosen?)\n");
    return;
  }
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
    WriteLine("# capture not sent: Quillotap did not answer\n");
    return;
  }
  // The click has been handled when SendMessageTimeout returns; capturing, the window holds the mouse.
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const bool on = ::GetGUIThreadInfo(::GetWindowThreadProcessId(quillotap, nullptr), &info) &&
                  info.hwndCapture == quillotap;
  char line[64];
  std::snprintf(line, sizeof line, "# capture sent %.3f %s\n", MsSinceStart(), on ? "on" : "off");
  WriteLine(line);
}

bool ParseInt(const wchar_t* text, int* value) {
  wchar_t* end = nullptr;
  const long parsed = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0') return false;
  *value = static_cast<int>(parsed);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ::QueryPerformanceFrequency(&g_frequency);
  ::QueryPerformanceCounter(&g_start);

  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  int x = 0, y = 0, width = 0, height = 0;
  const bool then = argc == 8 && std::wcscmp(argv[6], L"--then") == 0;
  const bool thenCtrlF1 = then && _wcsicmp(argv[7], L"ctrl+f1") == 0;
  const bool thenCapture = then && _wcsicmp(argv[7], L"capture") == 0;
  if ((argc != 6 && !thenCtrlF1 && !thenCapture) || !ParseInt(argv[2], &x) || !ParseInt(argv[3], &y) ||
      !ParseInt(argv[4], &width) || !ParseInt(argv[5], &height) || width <= 0 || height <= 0) {
    return 2;  // usage: click_target.exe LOGFILE X Y WIDTH HEIGHT [--then ctrl+f1|capture]
  }

  WNDCLASSW windowClass = {};  // no CS_DBLCLKS: a second press in a row is a down, not a double click
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
  windowClass.lpszClassName = kClassName;
  if (!::RegisterClassW(&windowClass)) return 1;
  // Topmost, so that the program under test cannot cover it.
  HWND wnd = ::CreateWindowExW(WS_EX_TOPMOST, kClassName, L"click target", WS_POPUP | WS_VISIBLE, x, y, width,
                               height, nullptr, nullptr, instance, nullptr);
  if (wnd == nullptr) return 1;
  ::UpdateWindow(wnd);

  // Created only now, so that a reader who finds the file knows the window is up.
  g_log = ::CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g_log == INVALID_HANDLE_VALUE) return 1;
  char ready[96];
  std::snprintf(ready, sizeof ready, "# ready %lld %lld\n", static_cast<long long>(g_start.QuadPart),
                static_cast<long long>(g_frequency.QuadPart));
  WriteLine(ready);

  if (thenCtrlF1) PressCtrlF1(wnd);
  if (thenCapture) StartCapture();
  ::LocalFree(argv);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  ::CloseHandle(g_log);
  return 0;
}
