#include "ui/report_accessible.h"

#include <QAccessibleWidget>
#include <QTextDocumentFragment>

#include "ui/qt_html_view.h"
#include "ui/report_document.h"

namespace {

// The report as read-only text. Its offsets are those of the read text, not of the view's
// document, so it reports no selection or caret and no character positions on screen.
class AccessibleReport : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleReport(QtHtmlView* view)
      : QAccessibleWidget(view, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Read() : QAccessibleWidget::text(kind);
  }

  QString text(int startOffset, int endOffset) const override {
    return Read().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Read().size()); }
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  QString Read() const {
    return ClipboardText(QTextDocumentFragment(static_cast<QtHtmlView*>(widget())->document()));
  }
};

}  // namespace

QAccessibleInterface* ReportAccessible(const QString& className, QObject* object) {
  auto* view = qobject_cast<QtHtmlView*>(object);
  return className == QLatin1String("QtHtmlView") && view != nullptr ? new AccessibleReport(view)
                                                                     : nullptr;
}
