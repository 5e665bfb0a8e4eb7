#pragma once

#include <gtest/gtest.h>

#include "environment_variable.h"

namespace testing_support {

// Every test of the program converts in the ANSI code page given, a double-byte one for instance,
// where a converted text can hold more bytes than characters.
class CodePageEnvironment : public testing::Environment {
  public:
    explicit CodePageEnvironment(const char* codePage) : codePage_(codePage) {}
    void SetUp() override { setEnvironmentVariable("QUMAT_ANSI_CODE_PAGE", codePage_); }

  private:
    const char* codePage_;
};

}  // namespace testing_support
