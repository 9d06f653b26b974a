#pragma once
// The tree part of the main window over fake controls at its design geometry (twips), wired as the
// window wires them, and a fixture that enters numbers and picks choices in an English locale.

#include <gtest/gtest.h>

#include <QLocale>

#include "core/tree/tree_form.h"
#include "support/fake_toolkit.h"
#include "toolkit/skip_on_error.h"

class FakeTreeForm : public TreeForm {
 public:
  FakeTreeForm() {
    combos.Add(1, {2700, 600, 975, 315}).visible = false;
    labels.Add(1, {120, 60, 60, 195}).SetAutoSize(true);
    combos.Item(1).tag = labels.Item(1).tag = "1";
    for (int i = 0; i < 2; ++i) {
      box[i].text = "0";
      box[i].onChange = Guarded([this, i] { txtPrimFact_Change(i); });
      canvas[i].onResize = Guarded([this, i] { picCanvas_Resize(i); });
      hs[i].onChange = Guarded([this, i] { hsScroll_Change(i); });
      vs[i].onChange = Guarded([this, i] { vsScroll_Change(i); });
    }
  }
  int WindowState() const override { return windowState; }
  using TreeForm::LayoutTree;
  using TreeForm::model;
  using TreeForm::SetupCanvasScroll;

  int windowState = toolkit::vbNormal;
  fake::TextBox box[2] = {fake::Rect{2700, 240, 975, 315}, fake::Rect{3720, 60, 1095, 315}};
  fake::ComboBoxArray combos;
  fake::LabelArray labels;
  fake::PictureBox canvas[2] = {fake::Rect{1, 420, 7515, 2235}, fake::Rect{0, 2640, 7575, 2175}};
  fake::PictureBox corner[2] = {fake::Rect{7200, 1860, 255, 255}, fake::Rect{7200, 1800, 255, 255}};
  fake::ScrollBar hs[2] = {fake::Rect{0, 1860, 7215, 255}, fake::Rect{0, 1800, 7215, 255}};
  fake::ScrollBar vs[2] = {fake::Rect{7200, 0, 255, 1875}, fake::Rect{7200, 0, 255, 1815}};
  fake::HtmlDocument document;

 protected:
  toolkit::TextBox& txtPrimFact(int index) override { return box[index]; }
  toolkit::ComboBoxArray& cmbPrimFact() override { return combos; }
  toolkit::LabelArray& lblPrimFact() override { return labels; }
  toolkit::PictureBox& picCanvas(int index) override { return canvas[index]; }
  toolkit::PictureBox& picScroll(int index) override { return corner[index]; }
  toolkit::ScrollBar& hsScroll(int index) override { return hs[index]; }
  toolkit::ScrollBar& vsScroll(int index) override { return vs[index]; }
  HtmlDocument* htmlDocument() override { return &document; }
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
  static int IndexOf(Array& array, int node) {
    for (const int index : array.Indices())
      if (array.Item(index).tag == QString::number(node)) return index;
    throw std::runtime_error("no element for node " + std::to_string(node));
  }
  fake::ComboBox& NodeCombo(int node) { return form.combos.Item(IndexOf(form.combos, node)); }
  fake::Label& NodeLabel(int node) { return form.labels.Item(IndexOf(form.labels, node)); }

  // Picks an item of a node's list, as the open list does: the text first, then the click.
  void Pick(int node, const QString& item) {
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
