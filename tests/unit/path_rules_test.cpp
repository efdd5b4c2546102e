#include "app/path_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ModuleDirCase {
  const char* name;
  std::string path;
  unsigned long copied;  // what GetModuleFileNameA returned
  bool filled;
  const char* dir;
};

void PrintTo(const ModuleDirCase& c, std::ostream* out) { *out << c.name; }

class ModuleDirTest : public testing::TestWithParam<ModuleDirCase> {};

TEST_P(ModuleDirTest, TakesTheFolderOnlyFromAWholePath) {
  const ModuleDirCase& c = GetParam();
  std::string buffer = c.path;
  buffer.resize(kModuleDirSize, '\0');
  char dir[kModuleDirSize] = "untouched";
  EXPECT_EQ(ModuleDirFromPath(buffer.data(), c.copied, dir), c.filled);
  EXPECT_STREQ(dir, c.filled ? c.dir : "untouched");
}

const std::string kLongestPath = "C:\\" + std::string(kModuleDirSize - 10, 'a') + "\\q.exe";  // 519 bytes
const std::string kTooLongPath = "C:\\" + std::string(kModuleDirSize - 9, 'a') + "\\q.exe";   // 520 bytes

INSTANTIATE_TEST_SUITE_P(
    Paths, ModuleDirTest,
    testing::Values(ModuleDirCase{"Ordinary", "C:\\Program Files\\Quillotap\\Quillotap.exe", 40, true,
                                  "C:\\Program Files\\Quillotap"},
                    ModuleDirCase{"InDriveRoot", "C:\\Quillotap.exe", 16, true, "C:"},
                    ModuleDirCase{"NoBackslash", "Quillotap.exe", 13, false, nullptr},
                    ModuleDirCase{"NothingCopied", "", 0, false, nullptr},
                    ModuleDirCase{"CutShort", kTooLongPath.substr(0, kModuleDirSize - 1), 520, false,
                                  nullptr}),
    [](const testing::TestParamInfo<ModuleDirCase>& info) { return std::string(info.param.name); });

TEST(ModuleDir, LongestPathThatFitsKeepsEverythingBeforeTheLastBackslash) {
  std::string buffer = kLongestPath;
  ASSERT_EQ(buffer.size(), kModuleDirSize - 1);
  char dir[kModuleDirSize];
  ASSERT_TRUE(ModuleDirFromPath(buffer.c_str(), static_cast<unsigned long>(buffer.size()), dir));
  EXPECT_EQ(std::string(dir), kLongestPath.substr(0, kLongestPath.rfind('\\')));
}

struct FolderLevelsCase {
  const char* name;
  const wchar_t* path;
  std::vector<std::wstring> levels;
};

void PrintTo(const FolderLevelsCase& c, std::ostream* out) { *out << c.name; }

class FolderLevelsTest : public testing::TestWithParam<FolderLevelsCase> {};

TEST_P(FolderLevelsTest, ListsEveryLevelBeforeEachBackslashOutermostFirst) {
  EXPECT_EQ(FolderLevels(GetParam().path), GetParam().levels);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderLevelsTest,
    testing::Values(FolderLevelsCase{"SettingsFolder",
                                     L"C:\\users\\me\\AppData\\Roaming\\Brindlework\\Quillotap",
                                     {L"C:", L"C:\\users", L"C:\\users\\me", L"C:\\users\\me\\AppData",
                                      L"C:\\users\\me\\AppData\\Roaming",
                                      L"C:\\users\\me\\AppData\\Roaming\\Brindlework"}},
                    FolderLevelsCase{"NoBackslash", L"Quillotap", {}}, FolderLevelsCase{"Empty", L"", {}},
                    FolderLevelsCase{"TrailingBackslash", L"C:\\a\\", {L"C:", L"C:\\a"}},
                    FolderLevelsCase{"NetworkPath",
                                     L"\\\\server\\share\\dir",
                                     {L"", L"\\", L"\\\\server", L"\\\\server\\share"}},
                    FolderLevelsCase{"DoubledBackslash", L"C:\\a\\\\b", {L"C:", L"C:\\a", L"C:\\a\\"}}),
    [](const testing::TestParamInfo<FolderLevelsCase>& info) { return std::string(info.param.name); });

}  // namespace
