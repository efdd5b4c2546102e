#include "click_log.h"

#include <cstdio>
#include <cstring>
#include <ostream>

namespace e2e {
namespace {

constexpr wchar_t kTargetClass[] = L"QuillotapClickTarget";

// click_target.exe lies next to the driver.
std::wstring TargetPath() {
  wchar_t driver[MAX_PATH] = L"";
  const DWORD length = ::GetModuleFileNameW(nullptr, driver, MAX_PATH);
  std::wstring path(driver, length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"click_target.exe";
}

std::wstring NewLogPath() {
  static int made = 0;
  wchar_t temp[MAX_PATH] = L"";
  ::GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + L"click_target_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
         std::to_wstring(++made) + L".log";
}

std::string ReadWholeFile(const std::wstring& path) {
  // Shared for writing and deleting: the target holds the file open for as long as it runs.
  HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
  ::CloseHandle(file);
  return text;
}

bool ParseButton(const char* name, ReceivedClick::Button* button) {
  if (std::strcmp(name, "left") == 0)
    *button = ReceivedClick::kLeft;
  else if (std::strcmp(name, "middle") == 0)
    *button = ReceivedClick::kMiddle;
  else if (std::strcmp(name, "right") == 0)
    *button = ReceivedClick::kRight;
  else
    return false;
  return true;
}

bool ParseKind(const char* name, ReceivedClick::Kind* kind) {
  if (std::strcmp(name, "down") == 0)
    *kind = ReceivedClick::kDown;
  else if (std::strcmp(name, "up") == 0)
    *kind = ReceivedClick::kUp;
  else
    return false;
  return true;
}

}  // namespace

void PrintTo(const ReceivedClick& click, std::ostream* out) {
  static const char* const kButtons[] = {"left", "middle", "right"};
  *out << kButtons[click.button] << (click.kind == ReceivedClick::kDown ? " down" : " up") << " at ("
       << click.at.x << ", " << click.at.y << ") " << click.ms << " ms";
}

std::vector<ReceivedClick> ParseClickLog(const std::string& text) {
  std::vector<ReceivedClick> clicks;
  size_t begin = 0;
  for (size_t end = text.find('\n'); end != std::string::npos;
       begin = end + 1, end = text.find('\n', begin)) {
    const std::string line = text.substr(begin, end - begin);
    if (line.empty() || line[0] == '#') continue;
    char button[16] = "";
    char kind[16] = "";
    long x = 0;
    long y = 0;
    double ms = 0;
    ReceivedClick click = {};
    if (std::sscanf(line.c_str(), "%15s %15s %ld %ld %lf", button, kind, &x, &y, &ms) == 5 &&
        ParseButton(button, &click.button) && ParseKind(kind, &click.kind)) {
      click.at = {x, y};
      click.ms = ms;
      clicks.push_back(click);
    } else {
      ADD_FAILURE() << "unreadable line in the click log: " << line;
    }
  }
  return clicks;
}

ClickTarget::ClickTarget(const RECT& screenRect, const std::wstring& extraArguments)
    : m_rect(screenRect), m_logPath(NewLogPath()) {
  ::DeleteFileW(m_logPath.c_str());
  std::wstring arguments = L"\"" + m_logPath + L"\" " + std::to_wstring(m_rect.left) + L" " +
                           std::to_wstring(m_rect.top) + L" " + std::to_wstring(m_rect.right - m_rect.left) +
                           L" " + std::to_wstring(m_rect.bottom - m_rect.top);
  if (!extraArguments.empty()) arguments += L" " + extraArguments;
  // A window that appears under the pointer gets pointer events from that moment, and Wine may handle
  // them late enough to put the pointer back there under a later click. So the pointer waits outside.
  if (::PtInRect(&m_rect, PointerPosition())) {
    const POINT aside = {m_rect.left > 20 ? m_rect.left - 20 : m_rect.right + 20, m_rect.top};
    MovePointerTo(aside);
  }
  const std::wstring exe = TargetPath();
  m_process = StartDetached(exe, arguments);
  if (m_process == nullptr) {
    ADD_FAILURE() << "could not start " << testing::PrintToString(exe) << ", error " << ::GetLastError();
    return;
  }
  m_wnd = WaitForVisibleWindow(*m_process, kTargetClass);
  // The log's first line is written once the window is up; it carries the target's clock.
  long long start = 0;
  long long frequency = 0;
  const bool ready = m_wnd != nullptr && WaitUntil([&] {
                       return std::sscanf(LogText().c_str(), "# ready %lld %lld", &start, &frequency) == 2;
                     });
  if (!ready) {
    ADD_FAILURE() << "the click target did not come up"
                  << (m_process->IsRunning() ? "" : ", exit code " + std::to_string(m_process->ExitCode()));
    m_wnd = nullptr;
    return;
  }
  m_startCount = start;
  m_frequency = frequency;
}

ClickTarget::~ClickTarget() {
  m_process.reset();  // ends the target, which releases the log
  if (testing::Test::HasFailure()) {
    std::printf("click target log kept: %ls\n", m_logPath.c_str());
  } else {
    ::DeleteFileW(m_logPath.c_str());
  }
}

std::string ClickTarget::LogText() const { return ReadWholeFile(m_logPath); }

std::vector<ReceivedClick> ClickTarget::Clicks() const { return ParseClickLog(LogText()); }

bool ClickTarget::WaitForClicks(size_t count, DWORD timeoutMs) const {
  return WaitUntil([&] { return Clicks().size() >= count; }, timeoutMs);
}

double ClickTarget::NowMs() const {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return m_frequency == 0
             ? 0.0
             : static_cast<double>(now.QuadPart - m_startCount) * 1000.0 / static_cast<double>(m_frequency);
}

}  // namespace e2e
