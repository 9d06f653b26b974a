#pragma once
// The real main window on the offscreen platform, at a known inner size, in an English locale.

#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <memory>

#include "ui/frmMain.h"
#include "ui/qt_combo_box.h"
#include "ui/qt_command_button.h"
#include "ui/qt_html_view.h"
#include "ui/qt_label.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

// The window with the procedures that tests drive directly.
class TestWindow : public frmMain {
 public:
  using frmMain::LayoutTree;
  using frmMain::SetupCanvasScroll;
  using frmMain::ShowReportUnavailable;
  using TreeForm::model;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    window = std::make_unique<TestWindow>();
    window->show();
    SetInnerSize(9285, 7050);
  }

  // Resizes the window so that its inner area is width × height twips.
  void SetInnerSize(double width, double height) {
    QWidget* inner = window->centralWidget();
    const QSize extra = window->size() - inner->size();
    window->resize(qRound(width / 15) + extra.width(), qRound(height / 15) + extra.height());
    QCoreApplication::processEvents();
  }

  template <class T>
  T& Find(const QString& name) {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) throw std::runtime_error("no control " + name.toStdString());
    return *found;
  }

  QtTextBox& Entry() { return Find<QtTextBox>("txtPrimFact_1"); }
  QtTextBox& RootBox() { return Find<QtTextBox>("txtPrimFact_0"); }
  QtComboBox& Combo(int index) { return Find<QtComboBox>(QString("cmbPrimFact_%1").arg(index)); }
  QtLabel& Label(int index) { return Find<QtLabel>(QString("lblPrimFact_%1").arg(index)); }
  QtPictureBox& Canvas(int index) { return Find<QtPictureBox>(QString("picCanvas_%1").arg(index)); }
  QtScrollBar& HScroll(int index) { return Find<QtScrollBar>(QString("hsScroll_%1").arg(index)); }
  QtScrollBar& VScroll(int index) { return Find<QtScrollBar>(QString("vsScroll_%1").arg(index)); }
  QtHtmlView& Report() { return Find<QtHtmlView>("wbPreview"); }
  const tree::TreeModel& Model() { return window->Model(); }
  QString ReportHtml() { return Report().Document()->BodyInnerHtml(); }

  // Replaces the entry box's text by typing, one key at a time, as a user does.
  void Type(const QString& text) {
    QtTextBox& box = Entry();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, text);
  }

  // The loaded element of a node array ("cmbPrimFact", "lblPrimFact") that carries the node's tag.
  template <class T>
  T& NodeControl(const QString& array, int node) {
    for (T* element : window->findChildren<T*>()) {
      if (element->objectName().startsWith(array + "_") && element->Tag() == QString::number(node))
        return *element;
    }
    throw std::runtime_error("no element for node " + std::to_string(node));
  }
  QtComboBox& NodeCombo(int node) { return NodeControl<QtComboBox>("cmbPrimFact", node); }
  QtLabel& NodeLabel(int node) { return NodeControl<QtLabel>("lblPrimFact", node); }

  QStringList ListItems(QtComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.ListCount(); ++i) items << combo.List(i);
    return items;
  }

  // Picks an item of a node's list, as the open list reports a user's pick.
  void Pick(int node, const QString& item) {
    QtComboBox& combo = NodeCombo(node);
    const int i = combo.findText(item, Qt::MatchExactly);
    ASSERT_GE(i, 0) << item.toStdString();
    combo.setCurrentIndex(i);
    emit combo.activated(i);
  }

  std::unique_ptr<TestWindow> window;
};
