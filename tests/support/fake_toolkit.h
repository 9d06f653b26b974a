#pragma once
// In-memory controls that keep what they are given and raise their events through plain hooks as
// toolkit.h states. A label sized to its caption is kCharWidth twips a character wide (its
// wideDigit 15 more) and kLineHeight high.

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "report/html_view.h"
#include "toolkit/toolkit.h"

namespace fake {

constexpr double kCharWidth = 90;
constexpr double kLineHeight = 195;

struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

inline int Checked(int n, int top = INT_MAX) {  // refused outside 0 .. top
  if (n < 0 || n > top) throw toolkit::Refused("value out of range");
  return n;
}

inline void Raise(bool changed, const std::function<void()>& event) {
  if (changed && event) event();
}

template <class Interface>
class Control : public Interface {
 public:
  Control(Rect rect = {}) : rect(rect) {}  // implicit: a list of rectangles makes a set of controls
  void Move(double left, double top) override { Move(left, top, rect.width, rect.height); }
  void Move(double left, double top, double width, double height) override {
    if (width < 0 || height < 0) throw toolkit::Refused("Move: negative size");
    const Rect old = std::exchange(rect, {left, top, width, height});
    Raise(width != old.width || height != old.height, onResize);
  }
  double Left() const override { return rect.left; }
  double Top() const override { return rect.top; }
  double Width() const override { return rect.width; }
  double Height() const override { return rect.height; }
  void SetWidth(double width) override { Move(rect.left, rect.top, width, rect.height); }
  bool Visible() const override { return visible; }
  void SetVisible(bool on) override { visible = on; }
  QString Tag() const override { return tag; }
  void SetTag(const QString& text) override { tag = text; }

  Rect rect;
  bool visible = true;
  QString tag;
  std::function<void()> onResize;  // a picture box's resize event; no other kind has one
};

class TextBox : public Control<toolkit::TextBox> {
 public:
  using Control::Control;
  QString Text() const override { return text; }
  void SetText(const QString& s) override { Raise(std::exchange(text, s) != s, onChange); }

  QString text;
  std::function<void()> onChange;
};

class ComboBox : public Control<toolkit::ComboBox> {
 public:
  using Control::Control;
  QString Text() const override { return text; }
  void SetText(const QString& newText) override { text = newText; }
  QString List(int i) const override { return items[Checked(i, ListCount() - 1)]; }
  int ListCount() const override { return static_cast<int>(items.size()); }
  void AddItem(const QString& item) override { items.append(item); }
  void AddItems(const QStringList& more) override { items += more; }
  std::shared_ptr<const toolkit::ItemSource> Items() const override {
    return std::make_shared<toolkit::ListedItems>(items);
  }
  void SetItems(std::shared_ptr<const toolkit::ItemSource> source) override {
    items = source->Texts();
  }
  void Clear() override { items.clear(); }
  toolkit::Color BackColor() const override { return backColor; }
  void SetBackColor(toolkit::Color color) override { backColor = color; }

  QString text;
  QStringList items;
  toolkit::Color backColor = 0x00FFFFFF;
};

class Label : public Control<toolkit::Label> {
 public:
  using Control::Control;
  QString Caption() const override { return caption; }
  void SetCaption(const QString& text) override {
    caption = text;
    SetAutoSize(autoSize);
  }
  toolkit::Color ForeColor() const override { return foreColor; }
  void SetForeColor(toolkit::Color color) override { foreColor = color; }
  void SetAutoSize(bool on) override {
    autoSize = on;
    if (autoSize) Move(rect.left, rect.top, TextWidth(caption), kLineHeight);
  }
  double TextWidth(const QString& text) const override {
    return text.size() * kCharWidth + text.count(wideDigit) * 15;
  }

  QString caption;
  toolkit::Color foreColor = 0;
  bool autoSize = false;
  QChar wideDigit = u'\0';
};

// A 2-pixel (30-twip) border lies inside its size on each side.
class PictureBox : public Control<toolkit::PictureBox> {
 public:
  using Control::Control;
  double ScaleWidth() const override { return std::max(0.0, rect.width - 60); }
  double ScaleHeight() const override { return std::max(0.0, rect.height - 60); }
  void Cls() override {
    lines.clear();
    ++clears;
  }
  void Line(double x1, double y1, double x2, double y2, toolkit::Color color) override {
    lines.push_back({x1, y1, x2, y2, color, drawWidth});
  }
  int DrawWidth() const override { return drawWidth; }
  void SetDrawWidth(int width) override { drawWidth = width; }
  const std::vector<toolkit::Segment>& Lines() const override { return lines; }

  int drawWidth = 1;
  std::vector<toolkit::Segment> lines;
  int clears = 0;  // a layout clears each canvas once, before it draws the lines
};

class ScrollBar : public Control<toolkit::ScrollBar> {
 public:
  using Control::Control;
  int Value() const override { return value; }
  void SetValue(int newValue) override { Change(Checked(newValue, max)); }
  int Max() const override { return max; }
  void SetMax(int newMax) override { Change(std::min(value, max = Checked(newMax))); }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override { enabled = on; }
  int SmallChange() const override { return smallChange; }
  void SetSmallChange(int step) override { smallChange = Checked(step); }
  int LargeChange() const override { return largeChange; }
  void SetLargeChange(int step) override { largeChange = Checked(step); }

  int value = 0, max = 32767, smallChange = 1, largeChange = 1;
  bool enabled = true;
  std::function<void()> onChange;
  void Change(int v) { Raise(std::exchange(value, v) != v, onChange); }
};

// Elements by Index; a loaded element is a hidden copy of the lowest one, without list items.
template <class Kind, class Interface>
class Array : public Interface {
 public:
  Kind& Add(int index, Rect rect) { return *(elements[index] = std::make_unique<Kind>(rect)); }
  int Count() const override { return static_cast<int>(elements.size()); }
  std::vector<int> Indices() const override {
    std::vector<int> indices;
    for (const auto& element : elements) indices.push_back(element.first);
    return indices;
  }
  toolkit::Control& Element(int index) override { return Item(index); }
  Kind& Item(int index) override {
    if (elements.count(index) == 0) throw toolkit::Refused("no element at that index");
    return *elements[index];
  }
  void Load(int index) override {
    if (elements.count(index) != 0) throw toolkit::Refused("Load: index already loaded");
    if (elements.empty()) throw toolkit::Refused("Load: no element to copy");
    auto copy = std::make_unique<Kind>(*elements.begin()->second);
    copy->visible = false;
    if constexpr (requires { copy->items; }) copy->items.clear();
    elements[index] = std::move(copy);
  }
  void Unload(int index) override {
    if (elements.erase(index) == 0) throw toolkit::Refused("Unload: element not loaded");
  }

  std::map<int, std::unique_ptr<Kind>> elements;
};

using ComboBoxArray = Array<ComboBox, toolkit::ComboBoxArray>;
using LabelArray = Array<Label, toolkit::LabelArray>;

// Records every body written, in order, and the events it raises; the font is of no interest.
class HtmlDocument : public ::HtmlDocument {
 public:
  void SetBodyFontFamily(const QString&) override {}
  void SetBodyFontSize(const QString&) override {}
  QString BodyInnerHtml() const override { return bodies.value(bodies.size() - 1); }
  void SetBodyInnerHtml(const QString& html) override { bodies.append(html); }
  QString SelectionText() const override { return selection; }
  void SetEvents(HtmlDocumentEvents* to) override { events = to; }

  QStringList bodies;
  QString selection;
  HtmlDocumentEvents* events = nullptr;
};

}  // namespace fake
