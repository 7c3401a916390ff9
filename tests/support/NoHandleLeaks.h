#pragma once
// A test fixture that fails a test which leaves any kind of handle alive
// that was not alive before it (windows, GDI objects, DCs, timers, ...).
// Fixtures with their own SetUp and TearDown call these first and last.

#include <gtest/gtest.h>

#include "runtime/win/HandleCount.h"

namespace folvane::test {

class NoHandleLeaks : public ::testing::Test {
 protected:
  void SetUp() override { before_ = HandleCount::Take(); }
  void TearDown() override {
    EXPECT_EQ(HandleCount::Take(), before_)
        << "live handles by kind: window, GDI, DC, icon, hook, subclass, timer, COM, file, menu";
  }

 private:
  HandleCount::Snapshot before_{};
};

}  // namespace folvane::test
