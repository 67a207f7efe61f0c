// A fixture for tests that depend on the ordering option: every test starts
// under R and leaves the option as it found it.
#pragma once

#include <gtest/gtest.h>

#include "handlereduction/orderings.h"

namespace korveltest {

class UnderOrderingR : public ::testing::Test {
 protected:
  void SetUp() override {
    SAVED_ = handlereduction::BORDEROPTION;
    handlereduction::BORDEROPTION = 'R';
  }
  void TearDown() override { handlereduction::BORDEROPTION = SAVED_; }

 private:
  char SAVED_ = 'R';
};

}  // namespace korveltest
