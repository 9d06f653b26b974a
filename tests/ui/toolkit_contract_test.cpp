// What the fake and the Qt controls both keep, as toolkit.h states it.

#include <gtest/gtest.h>

#include <QWidget>

#include "support/fake_toolkit.h"
#include "ui/qt_combo_box_array.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

namespace {

using toolkit::Refused;

struct FakeControls {
  static constexpr const char* kName = "Fake";
  auto TextBox() { return std::make_unique<fake::TextBox>(); }
  auto ScrollBar() { return std::make_unique<fake::ScrollBar>(); }
  auto ComboBoxArray() {
    auto combos = std::make_unique<fake::ComboBoxArray>();
    combos->Add(1, {2700, 600, 975, 315});
    return combos;
  }
};

struct QtControls {
  static constexpr const char* kName = "Qt";
  auto TextBox() { return std::make_unique<QtTextBox>(&window, "txtTest", TwipRect{}); }
  auto ScrollBar() {
    return std::make_unique<QtScrollBar>(&window, "hsTest", TwipRect{0, 0, 3000, 255},
                                         Qt::Horizontal);
  }
  auto ComboBoxArray() {
    auto combos = std::make_unique<QtComboBoxArray>("cmbTest", &window);
    combos->Add(1, &window, {2700, 600, 975, 315});
    return combos;
  }
  QWidget window;
};

// Element 1 of the array has settings and list items of its own.
template <class Controls>
class ToolkitContract : public ::testing::Test {
 protected:
  void SetUp() override {
    combos->Item(1).SetBackColor(0x00C0FFFF);
    combos->Item(1).SetTag("1");
    combos->Item(1).AddItems({"2", "3"});
  }
  auto BarState() {
    return std::tuple(bar->Value(), bar->Max(), bar->SmallChange(), bar->LargeChange());
  }

  Controls controls;
  decltype(controls.TextBox()) box = controls.TextBox();
  decltype(controls.ScrollBar()) bar = controls.ScrollBar();
  decltype(controls.ComboBoxArray()) combos = controls.ComboBoxArray();
};

struct KindName {
  template <class Controls>
  static std::string GetName(int) {
    return Controls::kName;
  }
};
using Kinds = ::testing::Types<FakeControls, QtControls>;
TYPED_TEST_SUITE(ToolkitContract, Kinds, KindName);

TYPED_TEST(ToolkitContract, TextBoxRaisesChangeOnlyWhenTheTextChanges) {
  int changes = 0;
  this->box->onChange = [&] { ++changes; };
  for (const char* text : {"12", "12", ""}) this->box->SetText(text);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(this->box->Text(), "");
}

TYPED_TEST(ToolkitContract, ScrollBarStartsAtZeroOf32767WithSteps1) {
  EXPECT_EQ(this->BarState(), std::tuple(0, 32767, 1, 1));
}

// A Max below the value pulls the value down, which is a new value too.
TYPED_TEST(ToolkitContract, ScrollBarRaisesChangeOnEveryNewValue) {
  std::vector<int> seen;
  this->bar->onChange = [&] { seen.push_back(this->bar->Value()); };
  this->bar->SetMax(100000);
  this->bar->SetValue(70000);
  this->bar->SetValue(70000);
  for (int max : {80000, 40000}) this->bar->SetMax(max);
  this->bar->SetValue(0);
  EXPECT_EQ(seen, (std::vector<int>{70000, 40000, 0}));
}

// The steps set are kept through the refusals.
TYPED_TEST(ToolkitContract, ScrollBarRefusesValuesOutsideZeroToMax) {
  toolkit::ScrollBar& bar = *this->bar;
  bar.SetMax(40000);
  bar.SetValue(40000);
  bar.SetSmallChange(3);
  bar.SetLargeChange(500);
  EXPECT_THROW(bar.SetValue(40001), Refused);
  EXPECT_THROW(bar.SetValue(-1), Refused);
  EXPECT_THROW(bar.SetMax(-1), Refused);
  EXPECT_THROW(bar.SetSmallChange(-1), Refused);
  EXPECT_THROW(bar.SetLargeChange(-1), Refused);
  EXPECT_EQ(this->BarState(), std::tuple(40000, 40000, 3, 500));
}

TYPED_TEST(ToolkitContract, ComboBoxKeepsItsTextWhileItsListIsWritten) {
  toolkit::ComboBox& combo = this->combos->Item(1);
  combo.SetText("6");
  combo.Clear();
  combo.AddItems({"2", "3", "4", "6"});
  combo.AddItem("12");
  EXPECT_EQ(std::tuple(combo.Text(), combo.ListCount(), combo.List(4)),
            std::tuple(QString("6"), 5, QString("12")));
  EXPECT_THROW(combo.List(5), Refused);
}

TYPED_TEST(ToolkitContract, ArrayLoadsAHiddenCopyOfTheLowestElementWithoutListItems) {
  toolkit::ComboBoxArray& combos = *this->combos;
  combos.Load(5);
  combos.Load(2);
  EXPECT_EQ(combos.Indices(), (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(combos.Count(), 3);
  toolkit::ComboBox& loaded = combos.Item(2);
  EXPECT_EQ(std::tuple(loaded.Left(), loaded.Top(), loaded.Width(), loaded.Height()),
            std::tuple(2700, 600, 975, 315));
  EXPECT_EQ(std::tuple(loaded.BackColor(), loaded.Tag(), loaded.Visible(), loaded.ListCount()),
            std::tuple(0x00C0FFFFu, QString("1"), false, 0));
}

TYPED_TEST(ToolkitContract, ArrayRefusesToLoadATakenIndex) {
  this->combos->Load(2);
  EXPECT_THROW(this->combos->Load(2), Refused);
  EXPECT_THROW(this->combos->Load(1), Refused);
}

TYPED_TEST(ToolkitContract, ArrayCopiesTheLowestElementLeftAfterAnUnload) {
  toolkit::ComboBoxArray& combos = *this->combos;
  combos.Load(2);
  combos.Unload(1);
  combos.Item(2).SetTag("2");
  combos.Item(2).AddItem("9");
  combos.Load(4);
  EXPECT_EQ(combos.Item(4).Tag(), "2");
  EXPECT_EQ(combos.Item(4).ListCount(), 0);
  combos.Unload(2);
  combos.Unload(4);
  EXPECT_THROW(combos.Load(3), Refused) << "no element left to copy";
}

TYPED_TEST(ToolkitContract, ArrayUnloadRemovesTheElementFreeingItsIndex) {
  toolkit::ComboBoxArray& combos = *this->combos;
  combos.Load(2);
  combos.Unload(2);
  EXPECT_EQ(combos.Indices(), std::vector<int>{1});
  EXPECT_THROW(combos.Item(2), Refused);
  EXPECT_THROW(combos.Element(2), Refused);
  EXPECT_THROW(combos.Unload(2), Refused);
  combos.Load(2);
  EXPECT_EQ(combos.Item(2).ListCount(), 0);
}

}  // namespace
