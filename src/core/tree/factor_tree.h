#pragma once
// The factor tree as the main window shows it: the model, the number entry, the refresh that
// rebuilds both trees and the report, the tree layout, the node choices and the canvases' scroll
// bars. It sees the window's controls only through the toolkit interface; the window hands them
// over and forwards its handlers here.

#include <functional>

#include "core/tree/canvas_scroll.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_model.h"
#include "toolkit/toolkit.h"

class HtmlDocument;

// What the factor tree works on: the root box (txtPrimFact 0) on canvas 0 and the entry box
// (txtPrimFact 1) on the tray, the node arrays, the two canvases with their bars, the report's
// document (nullptr until the view is set up), the window's state and its beep.
struct TreeControls {
  toolkit::TextBox& rootBox;
  toolkit::TextBox& entryBox;
  toolkit::ComboBoxArray& cmbPrimFact;
  toolkit::LabelArray& lblPrimFact;
  CanvasControls canvas[2];
  std::function<HtmlDocument*()> reportDocument;
  std::function<int()> windowState;
  std::function<void()> beep;  // says a key was not taken
};

class FactorTree {
 public:
  static constexpr toolkit::Color kYellow = 0x0000FFFF;
  static constexpr toolkit::Color kWhite = 0x00FFFFFF;
  static constexpr toolkit::Color kBlue = 0x00FF0000;
  static constexpr toolkit::Color kBlack = 0x00000000;
  static constexpr toolkit::Color kRed = 0x000000FF;

  // The distance from one level of a tree to the next, in node heights.
  static constexpr double kComboLevelPitch = 3;
  static constexpr double kLabelLevelPitch = 1.5;

  explicit FactorTree(const TreeControls& controls);

  const tree::TreeModel& Model() const { return model_; }
  // The element of cmbPrimFact or lblPrimFact that shows a node; 0 when none is loaded for it.
  int ComboOf(double node) const { return comboNodes_.ElementOf(node); }
  int LabelOf(double node) const { return labelNodes_.ElementOf(node); }

  // Event handlers of the entry boxes, the node combo boxes, the canvases and their scroll bars.
  void txtPrimFact_KeyPress(int index, int& keyAscii);
  void txtPrimFact_Change(int index);
  void cmbPrimFact_Click(int index);
  void cmbPrimFact_KeyDown(int index, int keyCode, int shift);
  void hsScroll_Change(int index);
  void vsScroll_Change(int index);
  void picCanvas_Resize(int index);

  void RefreshFactorization(double startNode);
  void LayoutTree();
  // Sets canvas i's scroll bars from the content sizes; may lay the trees out on the way.
  void SetupCanvasScroll(int canvas);
  // Runs `work` (a window layout, say, that resizes both canvases) with the layouts that bar
  // changes and canvas resizes ask for held back, and then lays the trees out once if any was
  // asked for.
  void HoldingLayouts(const std::function<void()>& work);

 private:
  toolkit::TextBox& txtPrimFact(int index) { return index == 0 ? c_.rootBox : c_.entryBox; }
  toolkit::PictureBox& picCanvas(int index) { return c_.canvas[index].picture; }
  toolkit::ScrollBar& hsScroll(int index) { return c_.canvas[index].hs; }
  toolkit::ScrollBar& vsScroll(int index) { return c_.canvas[index].vs; }

  // Visits every node of the tree but the root, recomputing those above the start node, and
  // records the walk in the model.
  void WalkTree(double startNode);
  void VisitNode(double node, double startNode);
  // Sizes the canvases for the tree just walked and lays it out.
  void LayOutNewTree();
  // Places the root box, and the root label, centred on their canvases: the whole tree of a
  // prime, or of an entry too deep to draw.
  void CentreLoneRoot();
  void PlaceNode(const tree::WalkedNode& node);
  void DrawTreeLines(int canvas, toolkit::ControlArray& nodes, const modMain::NodeIndex& index,
                     double levelPitch, int penWidth);
  void FillNodeChoices(double node, double value, double parentValue);
  void WriteReport(const QString& text);
  // A layout a bar change or a resize asks for: run now, or once the held work is done.
  void RequestLayout();
  // Up or Down on a closed node box: the item after or before the node's value in its list, as
  // a choice; nothing at the ends.
  void StepChoice(int index, int step);

  TreeControls c_;
  tree::TreeModel model_;
  // The elements of cmbPrimFact and lblPrimFact by node id.
  modMain::NodeIndex comboNodes_;
  modMain::NodeIndex labelNodes_;
  int layoutHolds_ = 0;           // HoldingLayouts calls under way
  bool layoutRequested_ = false;  // a layout was asked for while held
  // The layout is writing the root's value back into the root box: the number the trees show
  // coming back is not a new entry.
  bool writingBack_ = false;
};
