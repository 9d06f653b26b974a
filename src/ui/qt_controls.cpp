#include "ui/qt_controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>
#include <QStringListModel>

namespace {

constexpr int kBackspace = 8;

// The character a key press types, as the key-press hook sees it: a printable character or
// backspace; 0 for every other key and for shortcuts, which the hook never sees.
int KeyAscii(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (event.key() == Qt::Key_Backspace) return kBackspace;
  const QList<uint> characters = event.text().toUcs4();
  if (characters.size() == 1 && QChar::isPrint(characters.front())) {
    return static_cast<int>(characters.front());
  }
  return 0;
}

// The desktop's virtual-key code of a key: Enter 13, digits and letters their characters' codes,
// as Qt numbers them too; 0 for keys the program has no use for.
int VirtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  return 0;
}

// Shift 1, Ctrl 2, Alt 4.
int ShiftState(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

void RefuseNegative(int value, const char* what) {
  if (value < 0) throw toolkit::Refused(std::string(what) + " must not be negative");
}

}  // namespace

QtTextBox::QtTextBox(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  connect(this, &QLineEdit::textChanged, this, [this] { Raise(onChange); });
}

QString QtTextBox::Text() const { return text(); }

void QtTextBox::SetText(const QString& text) { setText(text); }

void QtTextBox::keyPressEvent(QKeyEvent* event) {
  const int typed = KeyAscii(*event);
  if (typed == 0 || !onKeyPress) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  int keyAscii = typed;
  Raise(onKeyPress, keyAscii);
  // A code of 0 discards the key.
  if (keyAscii != 0) QLineEdit::keyPressEvent(event);
  event->accept();
}

QtLabel::QtLabel(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  // A caption is text as written, never markup.
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString QtLabel::Caption() const { return text(); }

void QtLabel::SetCaption(const QString& caption) {
  setText(caption);
  if (autoSize_) FitCaption();
}

void QtLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_) FitCaption();
}

QtLabel* QtLabel::LoadCopy(const QString& name) const {
  auto* copy = new QtLabel(nullptr, name, {});
  copy->TakeOver(*this);
  copy->setAlignment(alignment());
  copy->setText(text());
  copy->autoSize_ = autoSize_;
  return copy;
}

void QtLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange && autoSize_) FitCaption();
}

void QtLabel::FitCaption() {
  const QFontMetrics metrics(font());
  Place({Left(), Top(), metrics.horizontalAdvance(text()) * toolkit::kTwipsPerPixel,
         metrics.height() * toolkit::kTwipsPerPixel});
}

QtComboBox::QtComboBox(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  setModel(list_ = new QStringListModel(this));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // On Enter, and when focus leaves the field, Qt would pick the item matching the edited text
  // by itself. Only the user picks here, and Enter goes to onKeyDown alone.
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  connect(this, &QComboBox::activated, this, [this] { Raise(onClick); });
}

QString QtComboBox::Text() const { return lineEdit()->text(); }

void QtComboBox::SetText(const QString& text) { setEditText(text); }

QString QtComboBox::List(int i) const {
  if (i < 0 || i >= count()) throw toolkit::Refused("List: index out of range");
  return itemText(i);
}

int QtComboBox::ListCount() const { return count(); }

void QtComboBox::AddItem(const QString& item) { AddItems({item}); }

void QtComboBox::AddItems(const QStringList& items) {
  // One reset of a plain string list: a node's list can hold thousands of divisors, which item
  // by item would take longer than the whole rest of a refresh. The reset leaves no item
  // current; the edit text stays as it was.
  const QString text = Text();
  list_->setStringList(list_->stringList() + items);
  setCurrentIndex(-1);
  setEditText(text);
}

void QtComboBox::Clear() {
  const QString text = Text();
  list_->setStringList({});
  setEditText(text);
}

QtComboBox* QtComboBox::LoadCopy(const QString& name) const {
  auto* copy = new QtComboBox(nullptr, name, {});
  copy->TakeOver(*this);
  copy->setMaxVisibleItems(maxVisibleItems());
  copy->lineEdit()->setAlignment(lineEdit()->alignment());
  copy->SetText(Text());
  return copy;
}

void QtComboBox::keyPressEvent(QKeyEvent* event) {
  Raise(onKeyDown, VirtualKeyCode(*event), ShiftState(*event));
  QComboBox::keyPressEvent(event);
}

QtScrollBar::QtScrollBar(QWidget* container, const QString& name, const TwipRect& rect,
                         Qt::Orientation orientation)
    : QtControl(container, name, rect) {
  setOrientation(orientation);
  setRange(0, 32767);
  setSingleStep(1);
  setPageStep(1);
  connect(this, &QAbstractSlider::valueChanged, this, [this] { Raise(onChange); });
}

int QtScrollBar::Value() const { return value(); }

void QtScrollBar::SetValue(int value) {
  if (value < 0 || value > maximum()) throw toolkit::Refused("Value: outside 0 .. Max");
  setValue(value);
}

int QtScrollBar::Max() const { return maximum(); }

void QtScrollBar::SetMax(int max) {
  RefuseNegative(max, "Max");
  setMaximum(max);
}

bool QtScrollBar::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void QtScrollBar::SetEnabled(bool enabled) { setEnabled(enabled); }

int QtScrollBar::SmallChange() const { return singleStep(); }

void QtScrollBar::SetSmallChange(int step) {
  RefuseNegative(step, "SmallChange");
  setSingleStep(step);
}

int QtScrollBar::LargeChange() const { return pageStep(); }

void QtScrollBar::SetLargeChange(int step) {
  RefuseNegative(step, "LargeChange");
  setPageStep(step);
}

QtCommandButton::QtCommandButton(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  connect(this, &QAbstractButton::clicked, this, [this] { Raise(onClick); });
}

QString QtCommandButton::Caption() const { return text(); }

void QtCommandButton::SetCaption(const QString& caption) { setText(caption); }

void QtComboBoxArray::Wire(QtComboBox& element, int index) {
  // An element's events reach the array only while it is loaded at its index: an unloaded one
  // waiting for deletion, or the array gone, raises nothing.
  const QPointer<QtComboBoxArray> array = this;
  const QtComboBox* self = &element;
  element.onClick = [array, index, self] {
    if (array && array->Holds(index, self)) Raise(array->onClick, index);
  };
  element.onKeyDown = [array, index, self](int keyCode, int shift) {
    if (array && array->Holds(index, self)) Raise(array->onKeyDown, index, keyCode, shift);
  };
}
