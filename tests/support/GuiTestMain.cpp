// Entry point of the GUI test programs: one application object for all
// their tests, and no crash box that would wait on the test display.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/GuiTest.h"

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new folvane::testing::ApplicationEnvironment);
  return RUN_ALL_TESTS();
}
