// The factor tree in the real window: typed keys reach it, and its node controls land on the
// canvas at the pixels of their twips. Picks and Enter are driven in tree_use_test.cpp.

#include "report/report_text.h"
#include "support/main_window_fixture.h"

namespace {

using TreeWindow = MainWindowTest;

// Combo boxes of 975 x 315 twips, 65 x 21 pixels, inside the canvas's 2-pixel border: the root
// at top 315 twips (21 px), level 1 at 1260 (84 px), level 2 at 2205 (147 px); slots of 130 px on
// level 1 and 65 px on level 2, the root box centred between nodes 2 and 3.
TEST_F(TreeWindow, TypingBuildsTheTreeAndWritesTheReport) {
  Type("1a2");  // the key filter drops the letter
  EXPECT_EQ(Entry().Text(), "12");
  EXPECT_EQ(Report().Document()->BodyInnerHtml(),
            report::ReportText(12, QLocale()));
  const std::tuple<QWidget*, QWidget*, int, int> places[] = {
      // a control, another, how many pixels the first is right of the other, the first's top
      {&RootBox(), &NodeCombo(2), 65, 23},
      {&NodeCombo(3), &NodeCombo(2), 130, 86},
      {&NodeCombo(5), &NodeCombo(4), 65, 149}};
  for (const auto& [control, other, dx, top] : places) {
    EXPECT_EQ(control->x() - other->x(), dx) << control->objectName().toStdString();
    EXPECT_EQ(control->mapTo(&Canvas(0), QPoint()).y(), top) << control->objectName().toStdString();
    EXPECT_TRUE(control->isVisible());
  }
}

}  // namespace
