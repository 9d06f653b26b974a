// Node numbering and the table of node values, up to the deepest tree an entry can have.

#include "core/tree/tree_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

TEST(TreeModel, NodeLevelIsExactUpTo2To53) {
  const std::tuple<const char*, double, int> cases[] = {
      {"the root", 1, 0},
      {"an odd child", 3, 1},
      {"the last of level 14", 32767, 14},
      {"the first past the table", 32768, 15},
      {"the last of level 48, where a logarithm rounds up", std::ldexp(1.0, 49) - 1, 48},
      {"the deepest node of 2^49's tree", std::ldexp(1.0, 49), 49},
      {"the largest id", std::ldexp(1.0, 53) - 1, 52}};
  for (const auto& [name, id, level] : cases) EXPECT_EQ(tree::NodeLevel(id), level) << name;
}

TEST(TreeModel, NodeValuesHoldIdsPastTheTable) {
  tree::NodeValues values;
  const double deep = std::ldexp(1.0, 48) + 1;
  values(5) = 7;
  values(deep) = 2;
  values(deep - 1) = 3;
  const tree::NodeValues& read = values;
  EXPECT_EQ(read(5), 7);
  EXPECT_EQ(read(deep), 2);
  EXPECT_EQ(read(deep - 1), 3);
  EXPECT_EQ(read(deep + 2), 0) << "never written";
}

TEST(TreeModel, NodeValuesRefuseIdsOutsideTheTree) {
  tree::NodeValues values;
  for (const double id : {0.0, -3.0, std::ldexp(1.0, 53), std::nan("")})
    EXPECT_THROW(values(id), std::out_of_range) << id;
}

}  // namespace
