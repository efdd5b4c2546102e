#include "e2e_support.h"

#include <png.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace e2e {
namespace {

std::wstring g_programPath;

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

constexpr wchar_t kDriverWindowClass[] = L"QuillotapE2eDriverWindow";

LRESULT CALLBACK DriverWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(wnd, message, wParam, lParam);
}

void RegisterDriverWindowClass() {
  static const bool registered = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DriverWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kDriverWindowClass;
    return ::RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
}

struct WindowQuery {
  const wchar_t* className;
  DWORD processId;
  bool visibleOnly;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(wnd, &owner);
  if (query->processId != 0 && owner != query->processId) return TRUE;
  if (query->visibleOnly && !::IsWindowVisible(wnd)) return TRUE;
  if (query->className != nullptr && _wcsicmp(ClassNameOf(wnd).c_str(), query->className) != 0) return TRUE;
  query->found->push_back(wnd);
  return TRUE;
}

void SendKeys(std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

std::wstring WindowsPathFromUnix(const std::string& path) {
  std::wstring windows = Widen(path);
  const bool unixAbsolute = !windows.empty() && windows[0] == L'/';
  for (wchar_t& c : windows) {
    if (c == L'/') c = L'\\';
  }
  if (unixAbsolute) return L"Z:" + windows;
  // A relative path (or a Windows one): made absolute, so that its file name is its last part.
  wchar_t full[MAX_PATH] = L"";
  const DWORD length = ::GetFullPathNameW(windows.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::wstring(full) : windows;
}

void SetProgramPath(const std::string& path) { g_programPath = WindowsPathFromUnix(path); }

const std::wstring& ProgramPath() { return g_programPath; }

std::wstring ProgramDir() {
  const size_t slash = g_programPath.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring(L".") : g_programPath.substr(0, slash);
}

std::wstring SettingsFilePath() {
  wchar_t appData[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return std::wstring(appData) + L"\\Brindlework\\Quillotap\\conf.ini";
}

std::wstring ArtifactsDir() {
  const char* artifacts = std::getenv("QUILLOTAP_ARTIFACTS");
  if (artifacts == nullptr || *artifacts == '\0') return {};
  std::wstring dir = WindowsPathFromUnix(artifacts);
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return done();
    PumpMessages();
    ::Sleep(10);
  }
}

Process::~Process() {
  Terminate();
  ::CloseHandle(m_process);
}

bool Process::IsRunning() const { return ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD timeoutMs) const {
  // Pump while waiting: the program may be sending messages to the driver's windows.
  return WaitUntil([this] { return !IsRunning(); }, timeoutMs);
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(m_process, &code);
  return code;
}

void Process::Terminate() {
  if (!IsRunning()) return;
  ::TerminateProcess(m_process, 1);
  ::WaitForSingleObject(m_process, kDeadlineMs);
}

std::unique_ptr<Process> StartProgram() { return StartDetached(ProgramPath(), L""); }

std::unique_ptr<Process> StartDetached(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        nullptr, &startup, &info)) {
    return nullptr;
  }
  ::CloseHandle(info.hThread);
  return std::make_unique<Process>(info.hProcess, info.dwProcessId);
}

std::wstring ClassNameOf(HWND wnd) {
  wchar_t name[256] = L"";
  ::GetClassNameW(wnd, name, 256);
  return name;
}

std::wstring TextOf(HWND wnd) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kDeadlineMs, &length))
    return L"<no answer>";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                        kDeadlineMs, &copied);
  text.resize(copied);
  return text;
}

std::vector<HWND> TopLevelWindows(const wchar_t* className, DWORD processId, bool visibleOnly) {
  std::vector<HWND> found;
  WindowQuery query = {className, processId, visibleOnly, &found};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return found;
}

HWND WaitForVisibleWindow(const Process& process, const wchar_t* className) {
  HWND found = nullptr;
  WaitUntil([&] {
    const std::vector<HWND> windows = TopLevelWindows(className, process.Id(), true);
    found = windows.empty() ? nullptr : windows.front();
    return found != nullptr || !process.IsRunning();
  });
  return found;
}

std::vector<HWND> ChildrenInOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool RoundTrip(HWND wnd) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_NORMAL, kDeadlineMs, &result) != 0;
}

LRESULT Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(wnd, message, wParam, lParam, SMTO_NORMAL, kDeadlineMs, &result)) return 0;
  return static_cast<LRESULT>(result);
}

bool BringToFront(HWND wnd) {
  ULONGLONG nextTry = 0;
  return WaitUntil([&] {
    if (::GetForegroundWindow() == wnd) return true;
    // Asking again now and then: activation goes through the X server and can be overtaken.
    if (::GetTickCount64() >= nextTry) {
      ::SetForegroundWindow(wnd);
      nextTry = ::GetTickCount64() + 250;
    }
    return false;
  });
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD vk : keys) inputs.push_back(KeyInput(vk, false));
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) inputs.push_back(KeyInput(*it, true));
  SendKeys(inputs);
}

void TapKey(WORD vk) { PressChord({vk}); }

void ClickAt(POINT screenPoint) {
  MovePointerTo(screenPoint);
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

POINT PointerPosition() {
  POINT at = {};
  ::GetCursorPos(&at);
  return at;
}

bool MovePointerTo(POINT screenPoint) {
  const auto arrived = [&] {
    const POINT now = PointerPosition();
    return now.x == screenPoint.x && now.y == screenPoint.y;
  };
  // The move goes to the X server without waiting for it, and the window under the point may belong to
  // another process that has not yet handled the pointer events from before it (its window appearing
  // under the pointer, an earlier move). Handled later, they put the pointer back for a moment, and a
  // click injected then lands at the old place. So: keep still long enough that Wine asks the X server
  // where the pointer is (it does after 100 ms without a move), which also means the X server has done
  // the move; then let the process under the point handle what it was sent, and read once more.
  constexpr DWORD kStillMs = 120;
  ::SetCursorPos(screenPoint.x, screenPoint.y);
  return WaitUntil([&] {
    if (!arrived()) return false;
    WaitUntil([] { return false; }, kStillMs);
    if (!arrived()) {
      ::SetCursorPos(screenPoint.x, screenPoint.y);
      return false;
    }
    HWND under = ::WindowFromPoint(screenPoint);
    // Two round trips: the first may be answered before that thread reads its pending X events.
    if (under != nullptr && RoundTrip(under)) RoundTrip(under);
    return arrived();
  });
}

POINT CentreOf(HWND wnd) {
  RECT rect = {};
  ::GetWindowRect(wnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT ClientRectOnScreen(HWND wnd) {
  RECT client = {};
  ::GetClientRect(wnd, &client);
  ::MapWindowPoints(wnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

DriverWindow::DriverWindow(bool visible) {
  RegisterDriverWindowClass();
  // Bottom right, well away from the program's window, which opens at the top left.
  const DWORD style = WS_POPUP | WS_BORDER | (visible ? WS_VISIBLE : 0);
  m_wnd = ::CreateWindowExW(0, kDriverWindowClass, L"Quillotap e2e driver", style, 1000, 800, 200, 120,
                            nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  PumpMessages();
}

DriverWindow::~DriverWindow() {
  for (int id : m_hotKeys) ::UnregisterHotKey(m_wnd, id);
  if (m_wnd != nullptr) ::DestroyWindow(m_wnd);
  PumpMessages();
}

bool DriverWindow::RegisterHotKey(int id, UINT modifiers, UINT vk) {
  if (!::RegisterHotKey(m_wnd, id, modifiers, vk)) return false;
  m_hotKeys.push_back(id);
  return true;
}

void DriverWindow::UnregisterHotKey(int id) {
  ::UnregisterHotKey(m_wnd, id);
  m_hotKeys.erase(std::remove(m_hotKeys.begin(), m_hotKeys.end(), id), m_hotKeys.end());
}

HWND ForegroundStandIn() {
  static DriverWindow* const standIn = new DriverWindow(true);  // never hidden: see the header
  return standIn->Handle();
}

bool HotKeyTaken(UINT modifiers, UINT vk) {
  DriverWindow probe(false);
  if (!probe.RegisterHotKey(1, modifiers, vk)) return true;
  probe.UnregisterHotKey(1);
  return false;
}

size_t ScreenImage::DistinctColours() const {
  std::set<unsigned> colours;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) colours.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
  return colours.size();
}

bool CaptureScreen(const RECT& screenRect, ScreenImage* shot) {
  const int width = screenRect.right - screenRect.left;
  const int height = screenRect.bottom - screenRect.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (dib != nullptr) {
    HGDIOBJ old = ::SelectObject(memory, dib);
    copied =
        ::BitBlt(memory, 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY | CAPTUREBLT);
    ::GdiFlush();
    if (copied) {
      shot->width = width;
      shot->height = height;
      shot->rgb.resize(static_cast<size_t>(width) * height * 3);
      const auto* bgrx = static_cast<const unsigned char*>(bits);
      for (size_t pixel = 0; pixel < static_cast<size_t>(width) * height; ++pixel) {
        shot->rgb[pixel * 3] = bgrx[pixel * 4 + 2];
        shot->rgb[pixel * 3 + 1] = bgrx[pixel * 4 + 1];
        shot->rgb[pixel * 3 + 2] = bgrx[pixel * 4];
      }
    }
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return copied;
}

namespace {
// Kept apart from anything with a destructor: libpng reports errors with longjmp.
bool WritePngRows(FILE* file, const ScreenImage& shot, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(shot.width), static_cast<png_uint_32>(shot.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WritePng(const ScreenImage& shot, const std::wstring& path) {
  std::vector<png_bytep> rows;
  for (int y = 0; y < shot.height; ++y) {
    rows.push_back(const_cast<png_bytep>(shot.rgb.data() + static_cast<size_t>(y) * shot.width * 3));
  }
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = WritePngRows(file, shot, rows.data());
  return std::fclose(file) == 0 && written;
}

bool ReadPicture(const std::wstring& path, Picture* picture) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return false;
  png_image image = {};
  image.version = PNG_IMAGE_VERSION;
  bool read = png_image_begin_read_from_stdio(&image, file) != 0;
  if (read) {
    image.format = PNG_FORMAT_RGBA;
    picture->width = static_cast<int>(image.width);
    picture->height = static_cast<int>(image.height);
    picture->rgba.resize(PNG_IMAGE_SIZE(image));
    read = png_image_finish_read(&image, nullptr, picture->rgba.data(), 0, nullptr) != 0;
  }
  png_image_free(&image);
  std::fclose(file);
  return read;
}

// The system makes the client area MulDiv(186, baseX, 4) x MulDiv(284, baseY, 8), and a step of one
// in a base unit moves those by 35 pixels or more, so the solution is unique.
bool SolveBaseUnits(SIZE client, int* baseX, int* baseY) {
  constexpr int kTemplateWidth = 186;  // dialog units
  constexpr int kTemplateHeight = 284;
  *baseX = *baseY = 0;
  for (int unit = 1; unit <= 64; ++unit) {
    if (::MulDiv(kTemplateWidth, unit, 4) == client.cx) *baseX = unit;
    if (::MulDiv(kTemplateHeight, unit, 8) == client.cy) *baseY = unit;
  }
  return *baseX != 0 && *baseY != 0;
}

RECT DialogUnitsToClient(int x, int y, int cx, int cy, int baseX, int baseY) {
  const int left = ::MulDiv(x, baseX, 4);
  const int top = ::MulDiv(y, baseY, 8);
  return {left, top, left + ::MulDiv(cx, baseX, 4), top + ::MulDiv(cy, baseY, 8)};
}

void QuillotapTest::SetUp() {
  ASSERT_FALSE(ProgramPath().empty()) << "pass the path of Quillotap.exe as the first argument";
  ASSERT_TRUE(TopLevelWindows(kMainWindowClass).empty()) << "a copy of the program is already open";
  // Every test starts as on a new machine; a test that wants settings writes them after this.
  ::DeleteFileW(SettingsFilePath().c_str());
}

void QuillotapTest::TearDown() {
  // Ended by their handles, newest first; a copy that closed normally is already gone.
  while (!m_started.empty()) m_started.pop_back();
  m_app = nullptr;
  m_main = nullptr;
}

bool QuillotapTest::PressStart() {
  // Posted, because the button's click handler is the whole run and returns only when it ends.
  ::PostMessageW(Item(IDC_START), BM_CLICK, 0, 0);
  return WaitUntil([&] { return IsRunning(); });
}

bool QuillotapTest::WaitForRunEnd(DWORD timeoutMs) {
  return WaitUntil([&] { return !IsRunning() && ::IsWindowEnabled(Item(IDC_START)); }, timeoutMs);
}

Process* QuillotapTest::Start(const std::wstring& exe) {
  std::unique_ptr<Process> process = StartDetached(exe, L"");
  if (process == nullptr) {
    ADD_FAILURE() << "CreateProcessW failed for " << testing::PrintToString(exe) << ", error "
                  << ::GetLastError();
    return nullptr;
  }
  m_started.push_back(std::move(process));
  return m_started.back().get();
}

HWND QuillotapTest::OpenMainWindow(const std::wstring& exe) {
  m_app = Start(exe);
  if (m_app == nullptr) return nullptr;
  m_main = WaitForVisibleWindow(*m_app, kMainWindowClass);
  if (m_main == nullptr) {
    if (m_app->IsRunning()) {
      ADD_FAILURE() << "no visible main window within " << kDeadlineMs << " ms";
    } else {
      ADD_FAILURE() << "the program ended without a main window, exit code " << m_app->ExitCode();
    }
  }
  return m_main;
}

}  // namespace e2e
