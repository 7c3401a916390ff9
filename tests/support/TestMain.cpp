// Test entry point of the Windows build: no crash or critical-error box may
// wait for a click that never comes on the test display.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
