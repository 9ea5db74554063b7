#include "support/Fixtures.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { EXPECT_EQ(qor::testing::MakeSmallDatabase()->GPCount, 4); }
