#pragma once
// The controls the program is built from, as it sees them: positions and sizes in twips, colours
// as 0x00BBGGRR, pen widths in pixels. The program's logic works against these interfaces only;
// the Qt widgets behind them live in src/ui.
//
// Events are synchronous and re-entrant: writing a text box's text raises its change event only
// when the text differs; setting a scroll bar's value, or a maximum below its value, raises its
// change event; a move that resizes a picture box raises its resize event before it returns.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "toolkit/item_source.h"

namespace toolkit {

// An operation the toolkit refuses: a missing array element, a negative size, a value out of
// range. Callers that rebuild the display skip the failing step; all others let it pass.
class Refused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Color = std::uint32_t;  // 0x00BBGGRR: red in the low byte

constexpr double kTwipsPerPixel = 15;

// Key codes as the desktop numbers them: backspace as a typed character, Enter and the arrows as
// keys going down.
constexpr int vbKeyBack = 8;
constexpr int vbKeyReturn = 13;
constexpr int vbKeyUp = 38;
constexpr int vbKeyDown = 40;

// A window's state.
enum WindowStates { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Control {
 public:
  virtual ~Control() = default;

  virtual void Move(double left, double top) = 0;
  // Refused when width or height is negative.
  virtual void Move(double left, double top, double width, double height) = 0;
  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void SetWidth(double width) = 0;
  // The control's own flag: a control on a hidden container still reads as visible.
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual QString Tag() const = 0;
  virtual void SetTag(const QString& tag) = 0;
};

class TextBox : public Control {
 public:
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
};

class Label : public Control {
 public:
  virtual QString Caption() const = 0;
  virtual void SetCaption(const QString& caption) = 0;
  virtual Color ForeColor() const = 0;
  virtual void SetForeColor(Color color) = 0;
  // Switching it on sizes the label to its caption at once; while off the size stays put.
  virtual void SetAutoSize(bool on) = 0;
  // The width `text` takes in the label's font, twips, measured as AutoSize measures a caption.
  virtual double TextWidth(const QString& text) const = 0;
};

class ComboBox : public Control {
 public:
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
  virtual QString List(int i) const = 0;  // refused outside 0 .. ListCount - 1
  virtual int ListCount() const = 0;
  virtual void AddItem(const QString& item) = 0;
  virtual void AddItems(const QStringList& items) = 0;  // the same as AddItem for each, at once
  // The list's items, to be shared with another list; SetItems replaces the list with them.
  // Their texts are made when the list opens or an item is read.
  virtual std::shared_ptr<const ItemSource> Items() const = 0;
  virtual void SetItems(std::shared_ptr<const ItemSource> items) = 0;
  virtual void Clear() = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;
};

struct Segment {
  double x1, y1, x2, y2;  // twips
  Color color;
  int width;  // pixels
};

// A picture box used as a drawing canvas; its lines stay until Cls.
class PictureBox : public Control {
 public:
  virtual double ScaleWidth() const = 0;  // inner size, twips
  virtual double ScaleHeight() const = 0;
  virtual void Cls() = 0;
  virtual void Line(double x1, double y1, double x2, double y2, Color color) = 0;
  virtual int DrawWidth() const = 0;
  virtual void SetDrawWidth(int width) = 0;
  virtual const std::vector<Segment>& Lines() const = 0;
};

// Minimum 0; Value, Max and the steps use the full int range.
class ScrollBar : public Control {
 public:
  virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;  // refused outside 0 .. Max
  virtual int Max() const = 0;
  virtual void SetMax(int max) = 0;  // refused when negative
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual int SmallChange() const = 0;
  virtual void SetSmallChange(int step) = 0;
  virtual int LargeChange() const = 0;
  virtual void SetLargeChange(int step) = 0;
};

class CommandButton : public Control {
 public:
  virtual QString Caption() const = 0;
  virtual void SetCaption(const QString& caption) = 0;
};

// An ordered set of controls of one kind under one name, addressed by Index.
class ControlArray {
 public:
  virtual ~ControlArray() = default;
  virtual int Count() const = 0;
  virtual std::vector<int> Indices() const = 0;  // the loaded elements, ascending
  virtual Control& Element(int index) = 0;       // refused when not loaded
  // Refused when the index is taken. The new element takes over the settings and container of
  // the lowest element, starts hidden and has no list items.
  virtual void Load(int index) = 0;
  virtual void Unload(int index) = 0;  // refused when not loaded
};

class ComboBoxArray : public ControlArray {
 public:
  virtual ComboBox& Item(int index) = 0;
};

class LabelArray : public ControlArray {
 public:
  virtual Label& Item(int index) = 0;
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// A menu that can be popped up as a context menu at the pointer; returns once it has closed.
class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  virtual void Popup() = 0;
};

// Non-zero while the given mouse button is down; only the right button (virtual key 2) is asked.
// The answer comes from the window system, which installs its reader: it needs Qt Gui, which
// this layer does not link. Until a reader is installed every button reads as up.
constexpr int vbKeyRButton = 2;
short GetAsyncKeyState(int virtualKey);
using KeyStateReader = short (*)(int virtualKey);
void SetKeyStateReader(KeyStateReader reader);

// Processes the pending window events.
void DoEvents();

// Ends the program at once: no window's unload handling runs.
[[noreturn]] void End();

}  // namespace toolkit
