// The driver: GoogleTest's flags first, then the path of the Quillotap.exe to drive.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e_support.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: e2e_tests [gtest flags] PATH_TO_QUILLOTAP_EXE\n");
    return 2;
  }
  e2e::SetProgramPath(argv[1]);
  const int result = RUN_ALL_TESTS();
  // A filter that matches nothing would pass silently and leave a behaviour untested.
  if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "e2e_tests: the filter selected no test\n");
    return 1;
  }
  return result;
}
