// The program's life as other programs see it: the ways it closes, a second start, a hotkey taken by
// someone else, and the settings folder it prepares.
#include <shlobj.h>

#include <set>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace e2e {
namespace {

using SingleInstance = QuillotapTest;
using HotkeyConflict = QuillotapTest;
using SettingsFolder = QuillotapTest;

// The caption's close box, found by asking the window what lies under each point of its top strip.
bool FindCloseBox(HWND wnd, POINT* centre) {
  RECT frame = {};
  ::GetWindowRect(wnd, &frame);
  const RECT client = ClientRectOnScreen(wnd);
  long sumX = 0;
  long sumY = 0;
  long hits = 0;
  for (int y = frame.top; y < client.top; y += 2) {
    for (int x = frame.right - 1; x > frame.right - 80 && x > frame.left; x -= 2) {
      if (Send(wnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        sumX += x;
        sumY += y;
        ++hits;
      }
    }
  }
  if (hits == 0) return false;
  *centre = {sumX / hits, sumY / hits};
  return true;
}

struct CloseWay {
  const char* name;
  void (*close)(HWND main);
};

void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

void ClickCloseBox(HWND main) {
  POINT centre = {};
  ASSERT_TRUE(FindCloseBox(main, &centre)) << "no close box in the caption";
  ASSERT_EQ(::WindowFromPoint(centre), main) << "the close box is not on the screen";
  ClickAt(centre);
}

void PressAltF4(HWND) { PressChord({VK_MENU, VK_F4}); }

void ChooseFileExit(HWND) {
  TapKey(VK_MENU);  // into the menu bar
  TapKey('F');      // "&File"
  TapKey('X');      // "E&xit"
}

class Closing : public QuillotapTest, public testing::WithParamInterface<CloseWay> {};

TEST_P(Closing, EndsTheProgramAndFreesItsHotkeys) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, VK_F1)) << "Ctrl+F1 not registered while the window is open";
  EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, VK_F2)) << "Ctrl+F2 not registered while the window is open";
  ASSERT_TRUE(BringToFront(m_main));

  GetParam().close(m_main);
  ASSERT_TRUE(m_app->WaitForExit()) << "the program is still running";
  EXPECT_EQ(m_app->ExitCode(), 0u);
  EXPECT_TRUE(TopLevelWindows(kMainWindowClass).empty());
  EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, VK_F1));
  EXPECT_FALSE(HotKeyTaken(MOD_CONTROL, VK_F2));
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing,
                         testing::Values(CloseWay{"CloseBox", ClickCloseBox}, CloseWay{"AltF4", PressAltF4},
                                         CloseWay{"FileExit", ChooseFileExit}),
                         [](const testing::TestParamInfo<CloseWay>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(SingleInstance, SecondStartEndsAndBringsTheFirstWindowForward) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(BringToFront(ForegroundStandIn()));

  Process* second = Start();
  ASSERT_NE(second, nullptr);
  bool secondShowedWindow = false;
  ASSERT_TRUE(WaitUntil([&] {
    secondShowedWindow = secondShowedWindow || !TopLevelWindows(nullptr, second->Id(), true).empty();
    return !second->IsRunning();
  })) << "the second copy is still running";
  EXPECT_EQ(second->ExitCode(), 0u);
  EXPECT_FALSE(secondShowedWindow);
  EXPECT_EQ(TopLevelWindows(kMainWindowClass), std::vector<HWND>{m_main});
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == m_main; }))
      << "foreground is " << ::GetForegroundWindow() << ", not the first window " << m_main;
  EXPECT_TRUE(m_app->IsRunning());
}

// The program's message box: a dialog-class window of its process holding the text in a label.
HWND FindMessageBox(const Process& process, const std::wstring& text) {
  for (HWND box : TopLevelWindows(kDialogClass, process.Id(), true)) {
    for (HWND child : ChildrenInOrder(box)) {
      if (ClassNameOf(child) == L"Static" && TextOf(child) == text) return box;
    }
  }
  return nullptr;
}

TEST_F(HotkeyConflict, IsReportedAndTheWindowOpensWithTheOtherHotkey) {
  DriverWindow holder(false);
  ASSERT_TRUE(holder.RegisterHotKey(1, MOD_CONTROL, VK_F1)) << "Ctrl+F1 is not free to start with";

  Process* app = Start();
  ASSERT_NE(app, nullptr);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (box = FindMessageBox(*app, L"Hotkey 'Ctrl + F1' conflict!")) != nullptr;
  })) << "no conflict message";
  EXPECT_EQ(TextOf(box), L"Quillotap");
  EXPECT_TRUE(TopLevelWindows(kMainWindowClass, app->Id(), true).empty())
      << "the window opened before the message";

  ASSERT_TRUE(BringToFront(box));
  TapKey(VK_RETURN);
  const HWND main = WaitForVisibleWindow(*app, kMainWindowClass);
  ASSERT_NE(main, nullptr) << "the window did not open after the message";
  ASSERT_TRUE(RoundTrip(main));
  EXPECT_EQ(FindMessageBox(*app, L"Hotkey 'Ctrl + F2' conflict!"), nullptr);
  EXPECT_TRUE(TopLevelWindows(kDialogClass, app->Id(), true).empty()) << "a message box is still open";
  EXPECT_TRUE(HotKeyTaken(MOD_CONTROL, VK_F2)) << "Ctrl+F2 is not registered";
}

// The settings folder, <roaming application data>\Brindlework\Quillotap, and its maker's folder.
std::wstring AppDataDir() {
  wchar_t path[MAX_PATH] = L"";
  ::SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, FALSE);
  return path;
}

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(path.c_str());
}

// What a folder holds and when it last changed, for a before-and-after comparison.
std::set<std::wstring> Snapshot(const std::wstring& path) {
  std::set<std::wstring> lines;
  WIN32_FILE_ATTRIBUTE_DATA folder = {};
  ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &folder);
  lines.insert(L". written " + std::to_wstring(folder.ftLastWriteTime.dwHighDateTime) + L":" +
               std::to_wstring(folder.ftLastWriteTime.dwLowDateTime));
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return lines;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    lines.insert(name + L" size " + std::to_wstring(entry.nFileSizeLow) + L" written " +
                 std::to_wstring(entry.ftLastWriteTime.dwHighDateTime) + L":" +
                 std::to_wstring(entry.ftLastWriteTime.dwLowDateTime));
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  return lines;
}

TEST_F(SettingsFolder, IsCreatedWithItsMakersFolderWhenMissing) {
  const std::wstring appData = AppDataDir();
  ASSERT_FALSE(appData.empty());
  const std::wstring maker = appData + L"\\Brindlework";
  RemoveTree(maker);
  ASSERT_FALSE(IsDirectory(maker)) << "could not remove the folder before the test";

  ASSERT_NE(OpenMainWindow(), nullptr);  // the folders are made before the window opens
  EXPECT_TRUE(IsDirectory(maker + L"\\Quillotap"));
}

TEST_F(SettingsFolder, ThatExistsIsLeftAsItIs) {
  const std::wstring maker = AppDataDir() + L"\\Brindlework";
  const std::wstring folder = maker + L"\\Quillotap";
  RemoveTree(maker);
  ASSERT_TRUE(::CreateDirectoryW(maker.c_str(), nullptr));
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring marker = folder + L"\\marker.txt";
  HANDLE file =
      ::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(file, "keep me", 7, &written, nullptr);
  ::CloseHandle(file);
  const std::set<std::wstring> folderBefore = Snapshot(folder);
  const std::set<std::wstring> makerBefore = Snapshot(maker);

  ASSERT_NE(OpenMainWindow(), nullptr);
  Send(m_main, WM_CLOSE);
  ASSERT_TRUE(m_app->WaitForExit());
  EXPECT_EQ(Snapshot(folder), folderBefore);
  EXPECT_EQ(Snapshot(maker), makerBefore);
}

}  // namespace
}  // namespace e2e
