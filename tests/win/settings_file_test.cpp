// The settings file through the real profile functions: what a new file looks like on disk, and what
// reading makes of files that are odd, broken or missing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "resource.h"
#include "ui/profile_settings_store.h"

namespace {

// The dialog's controls as a table, starting as the window does before its settings are loaded: the
// lists filled with their first or usual item selected, nothing checked, every field empty.
class ControlTable : public DialogControls {
 public:
  ControlTable() {
    m_items = {{IDC_MOUSE, 3}, {IDC_ACTION, 4}, {IDC_TIME_UNIT, 4}};
    m_selection = {{IDC_MOUSE, 0}, {IDC_ACTION, 0}, {IDC_TIME_UNIT, 2}};
  }
  bool IsChecked(int id) override { return m_checked[id]; }
  void SetCheck(int id, bool checked) override { m_checked[id] = checked; }
  std::wstring Text(int id) override { return m_text[id]; }
  void SetText(int id, const std::wstring& text) override { m_text[id] = text; }
  int CurSel(int id) override { return m_selection.count(id) ? m_selection[id] : -1; }
  int ItemCount(int id) override { return m_items[id]; }
  void SelectItem(int id, int index) override { m_selection[id] = index; }
  void Enable(int, bool) override {}

  std::map<int, bool> m_checked;
  std::map<int, std::wstring> m_text;
  std::map<int, int> m_selection;
  std::map<int, int> m_items;
};

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_dir = std::wstring(temp) + L"quillotap-settings-test";
    ::CreateDirectoryW(m_dir.c_str(), nullptr);
    m_path = m_dir + L"\\conf.ini";
    ::DeleteFileW(m_path.c_str());
  }
  void TearDown() override {
    ::DeleteFileW(m_path.c_str());
    ::RemoveDirectoryW(m_dir.c_str());
  }

  void WriteBytes(const std::string& bytes) {
    std::ofstream file(m_path.c_str(), std::ios::binary);
    file << bytes;
  }
  std::string ReadBytes() {
    std::ifstream file(m_path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  ControlTable Loaded() {
    ControlTable controls;
    ProfileSettingsStore store(m_path.c_str());
    SettingsToControls(store, controls);
    return controls;
  }

  std::wstring m_dir;
  std::wstring m_path;
};

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

TEST_F(SettingsFile, ANewFileHoldsTheSectionAndTwelveKeysInOrderAndReadsBack) {
  ControlTable controls;
  controls.m_checked = {{IDC_NO_ACTIVATE, true}, {IDC_RADIO_TIME, true}, {IDC_CLICK_FIXED_POINT, true}};
  controls.m_text = {{IDC_CLICK_COUNT, L"25"},
                     {IDC_CLICK_TIME, L""},
                     {IDC_INTERVAL, L"75"},
                     {IDC_FIXED_X, L"640"},
                     {IDC_FIXED_Y, L"-12"}};
  controls.m_selection = {{IDC_MOUSE, 2}, {IDC_ACTION, 1}, {IDC_TIME_UNIT, 1}};
  ProfileSettingsStore store(m_path.c_str());
  ControlsToSettings(controls, store);

  const std::vector<std::string> expected = {"[Option]",        "NoActivate=1", "ClickCountType=ForTime",
                                             "ClickCount=25",   "ForTime=1",    "ForTimeType=1",
                                             "Interval=75",     "Mouse=2",      "Action=1",
                                             "ClickPoint=1",    "FixedX=640",   "FixedY=-12",
                                             "FixedMoveMouse=0"};
  EXPECT_EQ(Lines(ReadBytes()), expected);

  ControlTable loaded = Loaded();
  EXPECT_TRUE(loaded.m_checked[IDC_NO_ACTIVATE]);
  EXPECT_TRUE(loaded.m_checked[IDC_RADIO_TIME]);
  EXPECT_FALSE(loaded.m_checked[IDC_RADIO_COUNT]);
  EXPECT_FALSE(loaded.m_checked[IDC_CLICK_MOUSE_POS]);
  EXPECT_TRUE(loaded.m_checked[IDC_CLICK_FIXED_POINT]);
  EXPECT_FALSE(loaded.m_checked[IDC_MOVE_MOUSE]);
  const std::map<int, std::wstring> texts = {{IDC_CLICK_COUNT, L"25"},
                                             {IDC_CLICK_TIME, L"1"},
                                             {IDC_INTERVAL, L"75"},
                                             {IDC_FIXED_X, L"640"},
                                             {IDC_FIXED_Y, L"-12"}};
  EXPECT_EQ(loaded.m_text, texts);
  const std::map<int, int> selection = {{IDC_MOUSE, 2}, {IDC_ACTION, 1}, {IDC_TIME_UNIT, 1}};
  EXPECT_EQ(loaded.m_selection, selection);
}

TEST_F(SettingsFile, ASecondSaveReplacesTheValuesInPlace) {
  ControlTable controls;
  controls.m_text[IDC_INTERVAL] = L"10";
  ProfileSettingsStore store(m_path.c_str());
  ControlsToSettings(controls, store);
  controls.m_text[IDC_INTERVAL] = L"20";
  ControlsToSettings(controls, store);
  const std::vector<std::string> lines = Lines(ReadBytes());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[6], "Interval=20");
}

// What a fresh window shows when the file gives nothing usable.
void ExpectDefaults(ControlTable& c) {
  EXPECT_FALSE(c.m_checked[IDC_NO_ACTIVATE]);
  EXPECT_TRUE(c.m_checked[IDC_RADIO_COUNT]);
  EXPECT_TRUE(c.m_checked[IDC_CLICK_MOUSE_POS]);
  EXPECT_TRUE(c.m_checked[IDC_MOVE_MOUSE]);
  const std::map<int, std::wstring> texts = {{IDC_CLICK_COUNT, L"100"},
                                             {IDC_CLICK_TIME, L"1"},
                                             {IDC_INTERVAL, L"1000"},
                                             {IDC_FIXED_X, L"1000"},
                                             {IDC_FIXED_Y, L"500"}};
  EXPECT_EQ(c.m_text, texts);
  const std::map<int, int> selection = {{IDC_MOUSE, 0}, {IDC_ACTION, 0}, {IDC_TIME_UNIT, 2}};
  EXPECT_EQ(c.m_selection, selection);
}

TEST_F(SettingsFile, FilesThatGiveNothingUsableOpenWithTheDefaults) {
  const struct {
    const char* what;
    std::string bytes;  // nothing written when null
    bool write;
  } cases[] = {
      {"missing file", "", false},
      {"empty file", "", true},
      {"other section only", "[Other]\r\nInterval=5\r\nMouse=2\r\n", true},
      {"binary bytes", std::string("\x00\xff\xfe\x01[\x02]\x80\x90=\x00\r\n\x1b", 13), true},
      {"long lines", std::string(10000, 'x') + "\r\n[" + std::string(10000, 'y') + "]\r\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ::DeleteFileW(m_path.c_str());
    if (c.write) WriteBytes(c.bytes);
    ControlTable loaded = Loaded();
    ExpectDefaults(loaded);
  }
}

TEST_F(SettingsFile, OddValuesAreReplacedAsTheWindowWouldShowThem) {
  WriteBytes("[Option]\r\nMouse=2\r\nMouse=1\r\nInterval=\r\nFixedX=" + std::string(10000, '7') +
             "\r\nForTimeType=-1\r\nAction=letters\r\nClickCountType=fortime\r\nClickCount=0\r\n"
             "ClickPoint=2\r\nFixedMoveMouse=\r\nNoActivate=1\r\n");
  ControlTable loaded = Loaded();
  EXPECT_EQ(loaded.m_selection[IDC_MOUSE], 2) << "the first of duplicate keys counts";
  EXPECT_EQ(loaded.m_text[IDC_INTERVAL], L"1000");
  EXPECT_EQ(loaded.m_text[IDC_FIXED_X], std::wstring(259, L'7')) << "values arrive cut to 259 characters";
  EXPECT_EQ(loaded.m_selection[IDC_TIME_UNIT], 2);
  EXPECT_EQ(loaded.m_selection[IDC_ACTION], 0);
  EXPECT_TRUE(loaded.m_checked[IDC_RADIO_COUNT]);
  EXPECT_FALSE(loaded.m_checked[IDC_RADIO_TIME]);
  EXPECT_EQ(loaded.m_text[IDC_CLICK_COUNT], L"100");
  EXPECT_FALSE(loaded.m_checked[IDC_CLICK_MOUSE_POS]);
  EXPECT_FALSE(loaded.m_checked[IDC_CLICK_FIXED_POINT]);
  EXPECT_FALSE(loaded.m_checked[IDC_MOVE_MOUSE]);
  EXPECT_TRUE(loaded.m_checked[IDC_NO_ACTIVATE]);
}

TEST_F(SettingsFile, AFolderThatCannotBeWrittenLosesTheSaveQuietly) {
  const std::wstring nowhere = m_dir + L"\\missing\\folder\\conf.ini";
  ControlTable controls;
  controls.m_text[IDC_INTERVAL] = L"5";
  ProfileSettingsStore store(nowhere.c_str());
  ControlsToSettings(controls, store);
  EXPECT_EQ(::GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
  ControlTable loaded;
  SettingsToControls(store, loaded);
  ExpectDefaults(loaded);
}

}  // namespace
