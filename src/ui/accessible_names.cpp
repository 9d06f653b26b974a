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

// What a node's value is: the kinds a screen reader names.
enum class Kind { kNeither, kPrime, kComposite };

Kind KindOf(double value, bool prime) {
  if (value < 2) return Kind::kNeither;
  return prime ? Kind::kPrime : Kind::kComposite;
}

QString Grouped(double value) { return QLocale().toString(static_cast<qulonglong>(value)); }

void Name(QWidget& widget, const QString& name, const QString& description = {}) {
  // Qt announces a change even when the text is the same; most nodes keep theirs.
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

// "360, composite, the root of the factor tree": the entry box of the interactive tree.
QString RootBoxDescription(double value, Kind kind) {
  switch (kind) {
    case Kind::kNeither:
      return frmMain::tr("%1, neither prime nor composite, the root of the factor tree")
          .arg(Grouped(value));
    case Kind::kPrime:
      return frmMain::tr("%1, prime, the root of the factor tree").arg(Grouped(value));
    case Kind::kComposite:
      break;
  }
  return frmMain::tr("%1, composite, the root of the factor tree").arg(Grouped(value));
}

// "360, composite, the number being factored": a tree's root node.
QString RootNodeName(double value, Kind kind) {
  switch (kind) {
    case Kind::kNeither:
      return frmMain::tr("%1, neither prime nor composite, the number being factored")
          .arg(Grouped(value));
    case Kind::kPrime:
      return frmMain::tr("%1, prime, the number being factored").arg(Grouped(value));
    case Kind::kComposite:
      break;
  }
  return frmMain::tr("%1, composite, the number being factored").arg(Grouped(value));
}

// "30, composite, a factor of 360": any other node. A node below the root is at least 2.
QString ChildNodeName(double value, Kind kind, double parent) {
  return (kind == Kind::kPrime ? frmMain::tr("%1, prime, a factor of %2")
                               : frmMain::tr("%1, composite, a factor of %2"))
      .arg(Grouped(value), Grouped(parent));
}

}  // namespace

void frmMain::NameControls() {
  // The sentence before the entry box is its label; its closing colon is not read out.
  lblInfo_->setBuddy(txtPrimFact_[1]);
  Name(*txtPrimFact_[1], lblInfo_->Caption().section(':', 0, 0).trimmed(),
       tr("A whole number of up to 15 digits"));
  Name(*picTray_, tr("Number entry"));
  const QString canvases[2] = {tr("Interactive factor tree"), tr("Read-only factor tree")};
  const QString acrossBars[2] = {tr("Scroll the interactive factor tree left and right"),
                                 tr("Scroll the read-only factor tree left and right")};
  const QString downBars[2] = {tr("Scroll the interactive factor tree up and down"),
                               tr("Scroll the read-only factor tree up and down")};
  const QString corners[2] = {tr("Corner of the interactive factor tree"),
                              tr("Corner of the read-only factor tree")};
  for (int i = 0; i < 2; ++i) {
    Name(*picCanvas_[i], canvases[i], tr("Drag it, or use the arrow keys, to scroll"));
    Name(*hsScroll_[i], acrossBars[i]);
    Name(*vsScroll_[i], downBars[i]);
    Name(*picScroll_[i], corners[i]);
  }
  Name(*wbPreview_, tr("Report"), tr("The prime factorization worked step by step"));
  // A menu item is read by its text; what it does is its status tip.
  Name(*mnuView_, tr("View"));
  mnuViewCompact_->setStatusTip(tr("Lay both factor trees out as narrow as their leaves allow"));
  Name(*mnuCanvas_, tr("Factor tree"));
  mnuCanvasCopyPicture_->setStatusTip(
      tr("Put the whole factor tree on the clipboard as a picture"));
  for (int i = 0; i < 3; ++i) NamePaneButton(i);
  DescribeTrees();
}

void frmMain::NamePaneButton(int index) {
  const QString hide[3] = {tr("Hide interactive factor tree"), tr("Hide read-only factor tree"),
                           tr("Hide report")};
  const QString show[3] = {tr("Show interactive factor tree"), tr("Show read-only factor tree"),
                           tr("Show report")};
  const QString name = Pane(index).Visible() ? hide[index] : show[index];
  Name(*cmdStatus_[index], name);
  cmdStatus_[index]->setToolTip(name);
}

void frmMain::DescribeTrees() {
  const tree::TreeModel& model = tree_->Model();
  const double root = model.nodeValue(1);
  const bool hasRoot = root >= 1 && !txtPrimFact_[0]->isHidden();
  Name(*txtPrimFact_[0], tr("Number being factored"),
       hasRoot ? RootBoxDescription(root, KindOf(root, model.entryIsPrime)) : QString());

  // A node's value and its parent's are the model's, as the last refresh wrote them. The
  // description says it all again, for readers that take only the description.
  const auto describe = [&model](QWidget& widget, const tree::WalkedNode& node, int pane) {
    if (widget.isHidden()) return;
    const double value = model.nodeValue(node.id);
    const Kind kind = KindOf(value, node.prime);
    QString name;
    QString where;
    if (node.id == 1) {
      name = RootNodeName(value, kind);
      where = pane == 0 ? tr("the root of the interactive factor tree")
                        : tr("the root of the read-only factor tree");
    } else {
      const double parent = model.nodeValue(tree::ParentNode(node.id));
      name = ChildNodeName(value, kind, parent);
      const int level = tree::NodeLevel(node.id) + 1;
      where = pane == 0
                  ? tr("level %1 of the interactive factor tree; its list holds the ways "
                       "to split %2")
                        .arg(QLocale().toString(level), Grouped(parent))
                  : tr("level %1 of the read-only factor tree").arg(QLocale().toString(level));
    }
    Name(widget, name,
         tr("%1; %2", "a node's name, then where it is in the tree").arg(name, where));
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
