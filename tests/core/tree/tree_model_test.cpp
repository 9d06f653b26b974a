// Node numbering and the table of node values, up to the deepest tree an entry can have.

#include "core/tree/tree_model.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

namespace {

TEST(TreeModel, NodeLevelIsExactUpTo2To53) {
  const std::tuple<const char*, double, int> cases[] = {
      {"the root", 1, 0},
      {"an odd child", 3, 1},
      {"the last of level 14", 32767, 14},
      {"the first past the table", 32768, 15},
      {"the last of level 48, where a logarithm rounds up", 0x1p49 - 1, 48},
      {"the deepest node of 2^49's tree", 0x1p49, 49},
      {"the largest id", 0x1p53 - 1, 52}};
  for (const auto& [name, id, level] : cases) EXPECT_EQ(tree::NodeLevel(id), level) << name;
}

// Ids past the table are held too; one never written reads 0.
TEST(TreeModel, NodeValuesHoldIdsPastTheTable) {
  tree::NodeValues values;
  const double deep = 0x1p48 + 1;
  values(5) = 7;
  values(deep) = 2;
  values(deep - 1) = 3;
  const tree::NodeValues& read = values;
  EXPECT_EQ((std::array{read(5), read(deep), read(deep - 1), read(deep + 2)}),
            (std::array{7.0, 2.0, 3.0, 0.0}));
}

TEST(TreeModel, NodeValuesRefuseIdsOutsideTheTree) {
  tree::NodeValues values;
  for (const double id : {0.0, -3.0, 0x1p53, std::nan("")})
    EXPECT_THROW(values(id), std::out_of_range) << id;
}

}  // namespace
