// CString formatting and buffers, CCriticalSection recursion.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "mfc/afxwin.h"

namespace {

TEST(CString, FormatReadsWideAndNarrowArgumentsTheWindowsWay) {
  const struct {
    LPCWSTR format;
    LPCWSTR expected;
  } cases[] = {
      {L"%s\\conf.ini", L"C:\\users\\me\\conf.ini"},
  };
  for (const auto& c : cases) {
    CString folder(L"C:\\users\\me");
    CString path;
    path.Format(c.format, static_cast<LPCWSTR>(folder));
    EXPECT_STREQ(path, c.expected);
  }
  CString mixed;
  mixed.Format(L"%s|%S|%hs|%ls|%d|%u", L"wide", "narrow", "short", L"long", -42, 4000000000u);
  EXPECT_STREQ(mixed, L"wide|narrow|short|long|-42|4000000000");

  CString text;
  text.Format(L"%d.%d.%d.%d", 2, 1, 0, 8);
  EXPECT_STREQ(text, L"2.1.0.8");
  text.Format(L"%s", L"");
  EXPECT_TRUE(text.IsEmpty());
}

TEST(CString, FormatHandlesTextLongerThanAnyFixedBuffer) {
  std::wstring longText(5000, L'x');
  CString text;
  text.Format(L"[%s]", longText.c_str());
  EXPECT_EQ(text.GetLength(), 5002);
}

TEST(CString, ReleaseBufferTakesTheLengthFromTheTextOrTheCaller) {
  CString text(L"abc");
  LPWSTR buffer = text.GetBuffer(10);
  EXPECT_STREQ(buffer, L"abc");  // the old text is kept
  wcscpy(buffer, L"filled in");
  text.ReleaseBuffer();
  EXPECT_STREQ(text, L"filled in");
  EXPECT_EQ(text.GetLength(), 9);

  text.GetBuffer(3);
  text.ReleaseBuffer(6);
  EXPECT_STREQ(text, L"filled");

  CString empty;
  ::GetWindowsDirectoryW(empty.GetBuffer(MAX_PATH), MAX_PATH);
  empty.ReleaseBuffer();
  EXPECT_GT(empty.GetLength(), 2);
  EXPECT_EQ(empty.GetLength(), static_cast<int>(wcslen(empty)));
}

TEST(CCriticalSection, IsRecursiveForItsOwnerAndExcludesOthersUntilFullyUnlocked) {
  CCriticalSection section;
  auto otherThreadGetsIt = [&section] {
    BOOL got = FALSE;
    std::thread other([&] {
      got = ::TryEnterCriticalSection(section);
      if (got) ::LeaveCriticalSection(section);
    });
    other.join();
    return got;
  };

  section.Lock();
  section.Lock();  // the owner may take it again
  EXPECT_FALSE(otherThreadGetsIt());
  section.Unlock();
  EXPECT_FALSE(otherThreadGetsIt());  // still held once
  section.Unlock();
  EXPECT_TRUE(otherThreadGetsIt());
}

}  // namespace
