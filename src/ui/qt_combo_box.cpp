#include "ui/qt_combo_box.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

#include "ui/full_value_hint.h"

namespace {

// The desktop's virtual-key code of a key the program reads (Enter, Up, Down); 0 for every other
// key.
int VirtualKeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return toolkit::vbKeyReturn;
    case Qt::Key_Up:
      return toolkit::vbKeyUp;
    case Qt::Key_Down:
      return toolkit::vbKeyDown;
    default:
      return 0;
  }
}

// Shift 1, Ctrl 2, Alt 4.
int ShiftState(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

// A completer lent to each new edit field only while the field is handed to its box: a box given
// a field without one makes its own over the list, which costs more than all the rest of the box.
// The box lets it go at once, so one serves every box.
QCompleter* StandInCompleter() {
  static QPointer<QCompleter> completer;
  if (completer.isNull()) completer = new QCompleter(QCoreApplication::instance());
  return completer;
}

// What a screen reader is told of a node box. Qt's own combo box names itself by its value on
// this desktop, which says nothing of what the node is; this one takes the name the window gives
// it ("180, composite, a factor of 360") and keeps the value as its value.
class AccessibleNodeBox : public QAccessibleWidget {
 public:
  explicit AccessibleNodeBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return static_cast<QComboBox*>(widget())->currentText();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return QAccessibleWidget::actionNames() << showMenuAction();
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction()) {
      static_cast<QComboBox*>(widget())->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

QAccessibleInterface* NodeBoxAccessible(const QString& className, QObject* object) {
  auto* box = qobject_cast<QtComboBox*>(object);
  return className == QLatin1String("QtComboBox") && box != nullptr ? new AccessibleNodeBox(box)
                                                                    : nullptr;
}

}  // namespace

// The drop-down list's items, shared with other lists: counted at once, written when the open
// list shows them or an item is read.
class ItemListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : items_->Count();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return items_->Text(index.row());
  }
  const std::shared_ptr<const toolkit::ItemSource>& Items() const { return items_; }
  void SetItems(std::shared_ptr<const toolkit::ItemSource> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
  }

 private:
  std::shared_ptr<const toolkit::ItemSource> items_ =
      std::make_shared<toolkit::ListedItems>(QStringList());
};

QtComboBox::QtComboBox(QWidget* container, const QString& name, const TwipRect& rect)
    : QtControl(container, name, rect) {
  static const bool accessible = (QAccessible::installFactory(NodeBoxAccessible), true);
  Q_UNUSED(accessible);
  SetUp();
}

QtComboBox::QtComboBox(const QtComboBox& from, const QString& name) : QtControl(from, name) {
  SetUp();
  TakeBoxSettings(from);
}

void QtComboBox::ReloadAs(const QtComboBox& from, const QString& name) {
  hidePopup();
  Clear();
  NoCurrentItem();
  TakeSettings(from, name);
  TakeBoxSettings(from);
}

void QtComboBox::TakeBoxSettings(const QtComboBox& from) {
  setMaxVisibleItems(from.maxVisibleItems());
  lineEdit()->setAlignment(from.lineEdit()->alignment());
  SetText(from.Text());
}

void QtComboBox::SetUp() {
  // The edit field is handed over ready made rather than made by setEditable, which would also
  // build the drop-down list up front: the list is built when it first opens.
  auto* edit = new QLineEdit(this);
  edit->setCompleter(StandInCompleter());
  setLineEdit(edit);
  setCompleter(nullptr);
  setModel(list_ = new ItemListModel(this));
  // Qt answers a reset of the list by writing the edit field twice, empty and then the first
  // item, each time laying its text out anew; SetItems keeps the text through a reset itself.
  disconnect(list_, SIGNAL(modelReset()), this, SLOT(_q_modelReset()));
  setInsertPolicy(QComboBox::NoInsert);
  // On Enter, and when focus leaves the field, Qt would pick the item matching the edited text
  // by itself. Only the user picks here, and Enter goes to onKeyDown alone.
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  connect(this, &QComboBox::activated, this, [this] { Raise(onClick); });
  connect(lineEdit(), &QLineEdit::textEdited, this, &QtComboBox::EditStateChanged);
  // Focus by click and Tab only: a wheel turned over the tree scrolls it and must not pull the
  // focus into the boxes it passes.
  setFocusPolicy(Qt::StrongFocus);
  new FullValueHint(lineEdit(), this);
}

QString QtComboBox::Text() const { return lineEdit()->text(); }

void QtComboBox::SetText(const QString& text) {
  written_ = text;
  // The same text again changes nothing, also not the cursor, which Qt would move to the end.
  if (text != Text()) setEditText(text);
  EditStateChanged();
}

void QtComboBox::EditStateChanged() {
  QLineEdit& edit = *lineEdit();
  const bool edited = Text() != written_;
  // The field inherits the box's colours until it has the desktop's plain ones of its own.
  if (edited == edit.testAttribute(Qt::WA_SetPalette)) return;
  if (!edited) {
    edit.setPalette(QPalette());
    return;
  }
  const QPalette desktop = QApplication::palette(&edit);
  QPalette plain = edit.palette();
  for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Text}) {
    plain.setColor(role, desktop.color(role));
  }
  edit.setPalette(plain);
}

void QtComboBox::RestoreWrittenText() {
  if (Text() == written_) return;
  setEditText(written_);
  EditStateChanged();
}

QString QtComboBox::List(int i) const {
  if (i < 0 || i >= count()) throw toolkit::Refused("List: index out of range");
  return itemText(i);
}

int QtComboBox::ListCount() const { return count(); }

std::shared_ptr<const toolkit::ItemSource> QtComboBox::Items() const { return list_->Items(); }

void QtComboBox::SetItems(std::shared_ptr<const toolkit::ItemSource> items) {
  // One reset of the list: a node's list can hold thousands of divisors, which item by item
  // would take longer than the whole rest of a refresh. The reset leaves no item current; the
  // edit text stays as it was.
  const QString text = Text();
  list_->SetItems(std::move(items));
  NoCurrentItem();
  if (Text() != text) setEditText(text);
}

void QtComboBox::NoCurrentItem() {
  // Qt empties the edit field on every call, even with no item current already.
  if (currentIndex() != -1) setCurrentIndex(-1);
}

void QtComboBox::AddItem(const QString& item) { AddItems({item}); }

void QtComboBox::AddItems(const QStringList& items) {
  SetItems(std::make_shared<toolkit::ListedItems>(
      list_->rowCount() == 0 ? items : list_->Items()->Texts() + items));
}

void QtComboBox::Clear() {
  // A list that is empty already is left alone: its reset would only rewrite the edit text.
  if (list_->rowCount() == 0) return;
  SetItems(std::make_shared<toolkit::ListedItems>(QStringList()));
}

QtComboBox* QtComboBox::LoadCopy(const QString& name) const { return new QtComboBox(*this, name); }

void QtComboBox::keyPressEvent(QKeyEvent* event) {
  const int keyCode = VirtualKeyCode(*event);
  const int shift = ShiftState(*event);
  const bool step = (keyCode == toolkit::vbKeyUp || keyCode == toolkit::vbKeyDown) && shift == 0;
  if (event->key() == Qt::Key_Escape && Text() != written_) {
    RestoreWrittenText();
    event->accept();
    return;
  }
  Raise(onKeyDown, keyCode, shift);
  // Qt's own step would pick from the list's current item, which a list filled anew lacks.
  if (step) {
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void QtComboBox::focusOutEvent(QFocusEvent* event) {
  // Opening the list takes the focus for a moment: the typed text stays for it.
  if (event->reason() != Qt::PopupFocusReason) RestoreWrittenText();
  QComboBox::focusOutEvent(event);
}

void QtComboBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

void QtComboBox::showPopup() {
  // The open list is wide enough for its widest item, however narrow the box: a value is never
  // cut short there. Measured on opening only, as a list can hold thousands of items.
  int widest = 0;
  const QFontMetrics metrics = view()->fontMetrics();
  for (const QString& item : list_->Items()->Texts()) {
    widest = std::max(widest, metrics.horizontalAdvance(item));
  }
  const int margins =
      2 * view()->frameWidth() + 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
  view()->setMinimumWidth(widest + margins + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  QComboBox::showPopup();
  const int item = findText(Text(), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (item < 0) return;
  const QModelIndex at = model()->index(item, modelColumn(), rootModelIndex());
  view()->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
  view()->scrollTo(at, QAbstractItemView::PositionAtCenter);
}
