#pragma once
// The part of the main window that owns the factor tree: the model, the number entry, the
// refresh that rebuilds both trees and the report, the tree layout, the node choices and the
// canvas scrolling. It sees the window's controls only through the toolkit interface; the window
// supplies them.
//
// Members by file: refresh.cpp the entry handlers and the refresh walk; layout_tree.cpp the
// layout and the lines; node_choices.cpp the node lists and picks; canvas_scroll.cpp the scroll
// bars and canvas resizing.

#include "core/tree/node_controls.h"
#include "core/tree/tree_model.h"
#include "toolkit/toolkit.h"

class HtmlDocument;

class TreeForm {
 public:
  static constexpr toolkit::Color kYellow = 0x0000FFFF;
  static constexpr toolkit::Color kWhite = 0x00FFFFFF;
  static constexpr toolkit::Color kBlue = 0x00FF0000;
  static constexpr toolkit::Color kBlack = 0x00000000;
  static constexpr toolkit::Color kRed = 0x000000FF;

  // The distance from one level of a tree to the next, in node heights.
  static constexpr double kComboLevelPitch = 3;
  static constexpr double kLabelLevelPitch = 1.5;

  virtual ~TreeForm() = default;

  const tree::TreeModel& Model() const { return model; }

  // Event handlers of the entry boxes, the node combo boxes, the canvases and their scroll bars.
  void txtPrimFact_KeyPress(int index, int& keyAscii);
  void txtPrimFact_Change(int index);
  void cmbPrimFact_Click(int index);
  void cmbPrimFact_KeyDown(int index, int keyCode, int shift);
  void hsScroll_Change(int index);
  void vsScroll_Change(int index);
  void picCanvas_Resize(int index);

  virtual int WindowState() const = 0;

 protected:
  // The window's controls: the root box (0) and the entry box (1), the node arrays, the two
  // canvases with their scroll bars and corner squares, and the report's document (nullptr until
  // it is set up).
  virtual toolkit::TextBox& txtPrimFact(int index) = 0;
  virtual toolkit::ComboBoxArray& cmbPrimFact() = 0;
  virtual toolkit::LabelArray& lblPrimFact() = 0;
  virtual toolkit::PictureBox& picCanvas(int index) = 0;
  virtual toolkit::PictureBox& picScroll(int index) = 0;
  virtual toolkit::ScrollBar& hsScroll(int index) = 0;
  virtual toolkit::ScrollBar& vsScroll(int index) = 0;
  virtual HtmlDocument* htmlDocument() = 0;

  void RefreshFactorization(double startNode);
  void LayoutTree();
  // Sets canvas i's scroll bars from the content sizes; may lay the trees out on the way.
  void SetupCanvasScroll(int canvas);
  // Places the root box, and the root label, centred on their canvases: the whole tree of a
  // prime, or of an entry too deep to draw.
  void CentreLoneRoot();

  tree::TreeModel model;

 private:
  // Visits every node of the tree but the root, recomputing those above the start node.
  void WalkTree(double startNode);
  // Sizes the canvases for the tree just walked and lays it out.
  void LayOutNewTree();
  void FillNodeChoices(double node, double value, double parentValue);
  // The node after `node` in the pre-order walk of the current tree: 1 or less after the last.
  double NextNode(double node) const;
  void VisitNode(double node, double startNode);
  void PlaceNode(double node);
  void DrawTreeLines(int canvas, toolkit::ControlArray& nodes, const modMain::NodeIndex& index,
                     double levelPitch, int penWidth);
  void WriteReport(const QString& text);

  // The elements of cmbPrimFact and lblPrimFact by node id.
  modMain::NodeIndex comboNodes_;
  modMain::NodeIndex labelNodes_;
};
