#pragma once
// The real main window on the offscreen platform, with the program's File and About commands,
// active, at a known inner size, in an English locale unless a fixture sets `locale` first.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <memory>
#include <optional>

#include "app/start.h"
#include "core/arithmetic/number_text.h"
#include "ui/frmMain.h"
#include "ui/qt_canvas_view.h"
#include "ui/qt_combo_box.h"
#include "ui/qt_command_button.h"
#include "ui/qt_html_view.h"
#include "ui/qt_label.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

class TestWindow : public frmMain {
 public:
  using frmMain::ShowReportUnavailable;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(locale);
    window = std::make_unique<TestWindow>();
    modMain::ConnectCommands(*window);  // File > Exit and About, as the program has them
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    SetInnerSize(9285, 7050);
  }

  // Makes the inner area width × height twips.
  void SetInnerSize(double width, double height) {
    const QSize extra = window->size() - window->centralWidget()->size();
    window->resize(qRound(width / 15) + extra.width(), qRound(height / 15) + extra.height());
    QCoreApplication::processEvents();
  }

  template <class T>
  T& Find(QString name, int index = -1) {
    if (index >= 0) name += QString("_%1").arg(index);
    T* found = window->findChild<T*>(name);
    if (found == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return *found;
  }

  QtTextBox& Entry() { return Find<QtTextBox>("txtPrimFact_1"); }
  QtTextBox& RootBox() { return Find<QtTextBox>("txtPrimFact_0"); }
  QtComboBox& Combo(int index) { return Find<QtComboBox>("cmbPrimFact", index); }
  QtCommandButton& Button(int index) { return Find<QtCommandButton>("cmdStatus", index); }
  QtPictureBox& Canvas(int index) { return Find<QtPictureBox>("picCanvas", index); }
  QtScrollBar& HScroll(int index) { return Find<QtScrollBar>("hsScroll", index); }
  QtScrollBar& VScroll(int index) { return Find<QtScrollBar>("vsScroll", index); }
  QtHtmlView& Report() { return Find<QtHtmlView>("wbPreview"); }
  const tree::TreeModel& Model() { return window->Model(); }

  // Replaces the entry box's text by typing, one key at a time, as a user does.
  void Type(const QString& text) {
    Entry().setFocus();
    QTest::keyClick(&Entry(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&Entry(), Qt::Key_Delete);
    QTest::keyClicks(&Entry(), text);
  }

  // The shown element of a node array ("cmbPrimFact", "lblPrimFact") that carries the node's tag.
  template <class T>
  T& Node(const QString& array, double node) {
    for (T* element : window->findChildren<T*>(QRegularExpression('^' + array + '_')))
      if (!element->isHidden() && element->Tag() == modMain::PlainText(node)) return *element;
    throw std::runtime_error("no element for node " + modMain::PlainText(node).toStdString());
  }
  QtComboBox& NodeCombo(double node) { return Node<QtComboBox>("cmbPrimFact", node); }
  QtLabel& NodeLabel(double node) { return Node<QtLabel>("lblPrimFact", node); }

  // Turns the mouse wheel over a widget by `angle` (120 a notch).
  void Wheel(QWidget* over, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent wheel({5, 5}, over->mapToGlobal(QPointF(5, 5)), {}, angle, {}, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
  }

  // Picks an item of a node's list, as the open list reports a user's pick.
  void Pick(double node, const QString& item) {
    QtComboBox& combo = NodeCombo(node);
    const int i = combo.findText(item, Qt::MatchExactly);
    ASSERT_GE(i, 0) << item.toStdString();
    combo.setCurrentIndex(i);
    emit combo.activated(i);
  }

  // The whole report of `entry` as Edit > Select All and Copy put it on the clipboard.
  QString CopiedReport(const QString& entry) {
    Type(entry);
    Find<QAction>("mnuEditSelectAll").trigger();
    Find<QAction>("mnuEditCopy").trigger();
    return QGuiApplication::clipboard()->text();
  }

  // Renews the window as the desktop's palette or the locale now are.
  void Renew() {
    window = std::make_unique<TestWindow>();
    window->show();
  }

  // Runs `open`, which pops up a menu, and closes the menu again: whether Copy was enabled while
  // the Edit menu showed; nothing when no Edit menu showed.
  std::optional<bool> CopyEnabledInEditMenu(const std::function<void()>& open) {
    std::optional<bool> copyEnabled;
    QTimer::singleShot(0, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        if (popup->objectName() == "mnuEdit") {
          copyEnabled = Find<QAction>("mnuEditCopy").isEnabled();
        }
        popup->close();
      }
    });
    open();
    return copyEnabled;
  }

  QLocale locale{QLocale::English, QLocale::UnitedStates};  // the numbers' locale
  std::unique_ptr<TestWindow> window;
};
