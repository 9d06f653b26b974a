#pragma once
// The factor tree over fake controls at the window's design geometry (twips), wired as the window
// wires them, and a fixture that enters numbers and picks choices in an English locale.

#include <gtest/gtest.h>

#include <QLocale>

#include "core/arithmetic/number_text.h"
#include "core/tree/factor_tree.h"
#include "support/fake_toolkit.h"
#include "toolkit/skip_on_error.h"
#include "ui/main_window_design.h"

// The controls the window hands the tree, built first so that the tree can be built over them.
struct FakeTreeControls {
  static fake::Rect R(const TwipRect& r) { return {r.left, r.top, r.width, r.height}; }

  int windowState = toolkit::vbNormal;
  int beeps = 0;
  fake::TextBox box[2] = {R(design::kRootBox), R(design::kEntryBox)};
  fake::ComboBoxArray combos;
  fake::LabelArray labels;
  fake::PictureBox canvas[2] = {R(design::kCanvas[0]), R(design::kCanvas[1])};
  fake::PictureBox corner[2] = {R(design::kCorner[0]), R(design::kCorner[1])};
  fake::ScrollBar hs[2] = {R(design::kHorizontalBar[0]), R(design::kHorizontalBar[1])};
  fake::ScrollBar vs[2] = {R(design::kVerticalBar[0]), R(design::kVerticalBar[1])};
  fake::HtmlDocument document;

  CanvasControls Canvas(int i) { return {canvas[i], corner[i], hs[i], vs[i]}; }
};

class FakeTreeForm : public FakeTreeControls, public FactorTree {
 public:
  FakeTreeForm()
      : FactorTree({box[0],
                    box[1],
                    combos,
                    labels,
                    {Canvas(0), Canvas(1)},
                    [this] { return &document; },
                    [this] { return windowState; },
                    [this] { ++beeps; }}) {
    combos.Add(1, R(design::kRootCombo)).visible = false;
    labels.Add(1, R(design::kRootLabel)).SetAutoSize(true);
    combos.Item(1).tag = labels.Item(1).tag = "1";
    for (int i = 0; i < 2; ++i) {
      box[i].text = "0";
      box[i].onChange = Guarded([this, i] { txtPrimFact_Change(i); });
      canvas[i].onResize = Guarded([this, i] { picCanvas_Resize(i); });
      hs[i].onChange = Guarded([this, i] { hsScroll_Change(i); });
      vs[i].onChange = Guarded([this, i] { vsScroll_Change(i); });
    }
  }
};

class TreeFormTest : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  // Enters a number as a fresh edit: the text is written even when the box holds it already.
  void Type(const QString& text) {
    form.box[1].SetText({});
    form.box[1].SetText(text);
  }

  // The index of the element of a node array that carries the node's tag.
  template <class Array>
  static int IndexOf(Array& array, double node) {
    for (const int index : array.Indices())
      if (array.Item(index).tag == modMain::PlainText(node)) return index;
    throw std::runtime_error("no element for node " + modMain::PlainText(node).toStdString());
  }
  fake::ComboBox& NodeCombo(double node) { return form.combos.Item(IndexOf(form.combos, node)); }
  fake::Label& NodeLabel(double node) { return form.labels.Item(IndexOf(form.labels, node)); }

  // Picks an item of a node's list, as the open list does: the text first, then the click.
  void Pick(double node, const QString& item) {
    ASSERT_TRUE(NodeCombo(node).items.contains(item)) << item.toStdString();
    NodeCombo(node).text = item;
    form.cmbPrimFact_Click(IndexOf(form.combos, node));
  }

  std::vector<double> Values(const std::vector<int>& nodes) const {
    std::vector<double> values;
    for (const int node : nodes) values.push_back(form.Model().nodeValue(node));
    return values;
  }

  FakeTreeForm form;
};
