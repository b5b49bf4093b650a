#pragma once

// A fixture for tests that read the sticky floating-point flags: each starts with none set
// and leaves none behind for the next.

#include "forms/numeric/FloatingPoint.h"

#include <gtest/gtest.h>

class CleanFpFlags : public ::testing::Test {
protected:
    void SetUp() override { forms::clearFpFlags(); }
    void TearDown() override { forms::clearFpFlags(); }
};
