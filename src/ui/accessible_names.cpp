// What a screen reader says of the window's controls: fixed names for the fixed controls, names
// that follow the captions for the pane buttons, and for every shown node of both trees its
// value, whether it is prime and what it is a factor of, so that no meaning rests on colour.

#include <QAction>
#include <QLocale>
#include <QMenu>

#include "core/tree/factor_tree.h"
#include "toolkit/skip_on_error.h"
#include "ui/frmMain.h"
#include "ui/qt_combo_box_array.h"
#include "ui/qt_command_button.h"
#include "ui/qt_html_view.h"
#include "ui/qt_label.h"
#include "ui/qt_label_array.h"
#include "ui/qt_picture_box.h"
#include "ui/qt_scroll_bar.h"
#include "ui/qt_text_box.h"

namespace {

constexpr const char* kPaneNames[] = {"interactive factor tree", "read-only factor tree", "report"};

void Name(QWidget& widget, const QString& name, const QString& description = {}) {
  // Qt announces a change even when the text is the same; most nodes keep theirs.
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

// "360, composite": the value in the locale's grouping and its kind.
QString ValueAndKind(double value, bool prime) {
  const QString kind = value < 2 ? QStringLiteral("neither prime nor composite")
                       : prime   ? QStringLiteral("prime")
                                 : QStringLiteral("composite");
  return QLocale().toString(static_cast<qulonglong>(value)) + QStringLiteral(", ") + kind;
}

}  // namespace

void frmMain::NameControls() {
  // The sentence before the entry box is its label; its closing colon is not read out.
  lblInfo_->setBuddy(txtPrimFact_[1]);
  Name(*txtPrimFact_[1], lblInfo_->Caption().section(':', 0, 0).trimmed(),
       QStringLiteral("A whole number of up to 15 digits"));
  Name(*picTray_, QStringLiteral("Number entry"));
  for (int i = 0; i < 2; ++i) {
    const QString tree = QString::fromLatin1(kPaneNames[i]);
    const QString scroll = QStringLiteral("Scroll the ") + tree;
    Name(*picCanvas_[i], tree.front().toUpper() + tree.mid(1),
         QStringLiteral("Drag it, or use the arrow keys, to scroll"));
    Name(*hsScroll_[i], scroll + QStringLiteral(" left and right"));
    Name(*vsScroll_[i], scroll + QStringLiteral(" up and down"));
    Name(*picScroll_[i], QStringLiteral("Corner of the ") + tree);
  }
  Name(*wbPreview_, QStringLiteral("Report"),
       QStringLiteral("The prime factorization worked step by step"));
  // A menu item is read by its text; what it does is its status tip.
  Name(*mnuView_, QStringLiteral("View"));
  mnuViewCompact_->setStatusTip(
      QStringLiteral("Lay both factor trees out as narrow as their leaves allow"));
  Name(*mnuCanvas_, QStringLiteral("Factor tree"));
  mnuCanvasCopyPicture_->setStatusTip(
      QStringLiteral("Put the whole factor tree on the clipboard as a picture"));
  for (int i = 0; i < 3; ++i) NamePaneButton(i);
  DescribeTrees();
}

void frmMain::NamePaneButton(int index) {
  const QString name = cmdStatus_[index]->Caption() + ' ' + QLatin1String(kPaneNames[index]);
  Name(*cmdStatus_[index], name);
  cmdStatus_[index]->setToolTip(name);
}

void frmMain::DescribeTrees() {
  const tree::TreeModel& model = tree_->Model();
  const double root = model.nodeValue(1);
  const bool hasRoot = root >= 1 && !txtPrimFact_[0]->isHidden();
  Name(*txtPrimFact_[0], QStringLiteral("Number being factored"),
       hasRoot ? ValueAndKind(root, model.entryIsPrime) +
                     QStringLiteral(", the root of the factor tree")
               : QString());

  // A node's value and its parent's are the model's, as the last refresh wrote them. The
  // description says it all again, for readers that take only the description.
  const auto describe = [&model](QWidget& widget, const tree::WalkedNode& node, int pane) {
    if (widget.isHidden()) return;
    const QString tree = QLatin1String(kPaneNames[pane]);
    QString name = ValueAndKind(model.nodeValue(node.id), node.prime);
    QString where;
    if (node.id == 1) {
      name += QStringLiteral(", the number being factored");
      where = QStringLiteral("the root of the ") + tree;
    } else {
      const QString parent =
          QLocale().toString(static_cast<qulonglong>(model.nodeValue(tree::ParentNode(node.id))));
      name += QStringLiteral(", a factor of ") + parent;
      where = QStringLiteral("level %1 of the %2").arg(tree::NodeLevel(node.id) + 1).arg(tree);
      if (pane == 0) where += QStringLiteral("; its list holds the ways to split ") + parent;
    }
    Name(widget, name, name + QStringLiteral("; ") + where);
  };
  for (const tree::WalkedNode& node : model.walk) {
    SkipOnError([&] {
      describe(static_cast<QtComboBox&>(cmbPrimFact_->Item(tree_->ComboOf(node.id))), node, 0);
    });
    SkipOnError([&] {
      describe(static_cast<QtLabel&>(lblPrimFact_->Item(tree_->LabelOf(node.id))), node, 1);
    });
  }
}

void frmMain::OrderNodeFocus() {
  std::vector<int> elements;
  for (const tree::WalkedNode& node : tree_->Model().walk) {
    if (node.id != 1) elements.push_back(tree_->ComboOf(node.id));
  }
  cmbPrimFact_->SetFocusOrder(elements);
}
