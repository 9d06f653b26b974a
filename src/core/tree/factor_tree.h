#pragma once
// The factor tree as the main window shows it: the model, the number entry, the refresh that
// rebuilds both trees and the report, the tree layout, the node choices and the canvases' scroll
// bars. It sees the window's controls only through the toolkit interface; the window hands them
// over and forwards its handlers here.

#include <functional>
#include <vector>

#include "core/tree/canvas_scroll.h"
#include "core/tree/node_controls.h"
#include "core/tree/tree_model.h"
#include "toolkit/toolkit.h"

class HtmlDocument;
struct Slot;

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

// A node of the current tree where the layout puts its control, from the top left corner of the
// canvas's whole content, unscrolled and not centred; twips.
struct DrawnNode {
  double id;
  double value;
  bool prime;
  double left;
  double top;
};

// The whole tree of one canvas as its layout places it: the content's size, the size every node
// control of the canvas shares, and the nodes in the order of the walk. No nodes while there is no
// composite tree.
struct TreeDrawing {
  double width = 0;
  double height = 0;
  double nodeWidth = 0;
  double nodeHeight = 0;
  std::vector<DrawnNode> nodes;
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
  static constexpr double kCompactComboLevelPitch = 2;
  static constexpr double kCompactLabelLevelPitch = 1.5;
  // The room between neighbouring combo boxes of the compact layout, in node heights. Labels keep
  // a digit's width apart.
  static constexpr double kCompactComboGap = 0.5;

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
  // View > Compact Trees: both trees are laid out anew from the model, compactly or as described.
  // No value, list or control's focus changes.
  void SetCompact(bool on);
  bool CompactView() const { return compact_; }
  // Whether the trees are laid out compactly: in the compact view, and always for a tree too deep
  // for the described layout.
  bool LaidOutCompactly() const { return compact_ || model_.entryTooDeep; }
  // The current tree of canvas 0 or 1 as the layout places it.
  TreeDrawing Drawing(int canvas) const;
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
  // The room the tree needs on each canvas, in the layout in use.
  void SizeContent();
  // Places the root box, and the root label, centred on their canvases: the whole tree of a prime.
  void CentreLoneRoot();
  // `middle` is the node's column middle in the compact layout.
  void PlaceNode(const tree::WalkedNode& node, double middle);
  // Where the layout in use puts a node's control `width` wide on canvas k, whose node controls
  // are `unitWidth` wide and `nodeHeight` high, with the tree's top left corner at the origin.
  Slot NodePlace(int canvas, double node, double middle, double unitWidth, double width,
                 double nodeHeight, double originX, double originY) const;
  // The distance between levels on canvas k, in node heights, in the layout in use.
  double LevelPitch(int canvas) const;
  // The room between neighbouring columns of the compact layout on canvas k, twips.
  double CompactGap(int canvas, double nodeHeight) const;
  void DrawTreeLines(int canvas, toolkit::ControlArray& nodes, const modMain::NodeIndex& index,
                     int penWidth);
  void FillNodeChoices(double node, double value, double parentValue);
  // The prime factors of a node's value, ascending, found among the entry's: every node divides
  // the entry. Empty for a value that is not a whole number from 2 up.
  std::vector<std::uint64_t> NodeFactors(double value) const;
  // SmallestFactor(value), found among the entry's factors for a whole node value.
  double SmallestFactorOf(double value) const;
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
  bool compact_ = false;          // View > Compact Trees
  double digitWidth_ = 0;         // the widest digit of the labels' font, twips
  // The layout is writing the root's value back into the root box: the number the trees show
  // coming back is not a new entry.
  bool writingBack_ = false;
};
