// The settings file as a user meets it: written when a run starts, shown again at the next start, and
// never in the way when it is broken or cannot be written.
#include <fstream>
#include <iterator>
#include <string>

#include "e2e_support.h"

namespace e2e {
namespace {

using Settings = QuillotapTest;

// Somewhere on the empty desktop, away from the program's window in the top left corner.
constexpr POINT kParkedPointer = {1100, 900};

std::string FileBytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(path.c_str(), std::ios::binary);
  file << bytes;
}

TEST_F(Settings, ARunSavesEveryControlAndTheNextStartShowsThemAgain) {
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(MovePointerTo(kParkedPointer));
  // Every control away from its default. The run is one click by duration (1 ms), a lone right release
  // on the empty desktop; the interval is left empty, which the file keeps as it was.
  Send(Item(IDC_NO_ACTIVATE), BM_CLICK);
  Send(Item(IDC_RADIO_TIME), BM_CLICK);
  SetField(IDC_CLICK_COUNT, L"42");
  SetField(IDC_CLICK_TIME, L"");
  Select(IDC_TIME_UNIT, 0);
  SetField(IDC_INTERVAL, L"");
  Select(IDC_MOUSE, 2);
  Select(IDC_ACTION, 3);
  Send(Item(IDC_CLICK_FIXED_POINT), BM_CLICK);
  SetField(IDC_FIXED_X, L"900");
  SetField(IDC_FIXED_Y, L"700");
  Send(Item(IDC_MOVE_MOUSE), BM_CLICK);

  ASSERT_TRUE(PressStart());
  ASSERT_TRUE(WaitForRunEnd());
  EXPECT_EQ(
      FileBytes(SettingsFilePath()),
      "[Option]\r\nNoActivate=1\r\nClickCountType=ForTime\r\nClickCount=42\r\nForTime=1\r\n"
      "ForTimeType=0\r\nInterval=\r\nMouse=2\r\nAction=3\r\nClickPoint=1\r\nFixedX=900\r\nFixedY=700\r\n"
      "FixedMoveMouse=0\r\n");
  EXPECT_EQ(TextOf(Item(IDC_INTERVAL)), L"1000") << "the run's interval is written back into the field";

  ::PostMessageW(m_main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(m_app->WaitForExit());
  ASSERT_NE(OpenMainWindow(), nullptr);
  EXPECT_TRUE(IsChecked(IDC_NO_ACTIVATE));
  EXPECT_TRUE(IsChecked(IDC_RADIO_TIME));
  EXPECT_FALSE(IsChecked(IDC_RADIO_COUNT));
  EXPECT_EQ(TextOf(Item(IDC_CLICK_COUNT)), L"42");
  EXPECT_EQ(TextOf(Item(IDC_CLICK_TIME)), L"1");
  EXPECT_EQ(TextOf(Item(IDC_TIME_UNIT)), L"ms");
  EXPECT_EQ(TextOf(Item(IDC_INTERVAL)), L"1000") << "an empty interval opens as 1000";
  EXPECT_EQ(TextOf(Item(IDC_MOUSE)), L"Right Button");
  EXPECT_EQ(TextOf(Item(IDC_ACTION)), L"Button Up");
  EXPECT_FALSE(IsChecked(IDC_CLICK_MOUSE_POS));
  EXPECT_TRUE(IsChecked(IDC_CLICK_FIXED_POINT));
  EXPECT_EQ(TextOf(Item(IDC_FIXED_X)), L"900");
  EXPECT_EQ(TextOf(Item(IDC_FIXED_Y)), L"700");
  EXPECT_FALSE(IsChecked(IDC_MOVE_MOUSE));
  // The enabling rules follow what was loaded.
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_CLICK_COUNT)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CLICK_TIME)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_FIXED_X)));
}

TEST_F(Settings, ABrokenFileOpensTheWindowWithWhatItCanUse) {
  WriteFile(SettingsFilePath(), std::string("\x00\xff\x80garbage\r\n", 12) + std::string(10000, 'z') +
                                    "\r\n[Option]\r\nMouse=-1\r\nMouse=2\r\nAction=99999999999\r\n"
                                    "Interval=abc\r\nClickCount=0\r\nForTime=\r\nClickPoint=x\r\n" +
                                    "FixedX=" + std::string(10000, '9') + "\r\n");
  ASSERT_NE(OpenMainWindow(), nullptr);
  EXPECT_EQ(TextOf(Item(IDC_MOUSE)), L"Left Button") << "the first of two keys counts, and -1 is no button";
  EXPECT_EQ(TextOf(Item(IDC_ACTION)), L"Single Click");
  EXPECT_EQ(TextOf(Item(IDC_INTERVAL)), L"abc") << "text goes into a field as it stands";
  EXPECT_EQ(TextOf(Item(IDC_CLICK_COUNT)), L"100");
  EXPECT_EQ(TextOf(Item(IDC_CLICK_TIME)), L"");
  EXPECT_TRUE(IsChecked(IDC_CLICK_MOUSE_POS));
  EXPECT_EQ(TextOf(Item(IDC_FIXED_X)), std::wstring(259, L'9'));
  EXPECT_TRUE(IsChecked(IDC_RADIO_COUNT));
}

TEST_F(Settings, ASaveThatCannotBeWrittenDoesNotStopTheRun) {
  // A folder where the file should be: every write to it fails.
  const std::wstring path = SettingsFilePath();
  ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
  ASSERT_NE(OpenMainWindow(), nullptr);
  ASSERT_TRUE(MovePointerTo(kParkedPointer));
  SetField(IDC_CLICK_COUNT, L"2");
  SetField(IDC_INTERVAL, L"1");
  Select(IDC_ACTION, 3);  // a lone release: nothing on the desktop reacts to it

  const bool started = PressStart();
  const bool ended = WaitForRunEnd();
  ::RemoveDirectoryW(path.c_str());
  EXPECT_TRUE(started);
  EXPECT_TRUE(ended);
  EXPECT_TRUE(m_app->IsRunning());
}

}  // namespace
}  // namespace e2e
