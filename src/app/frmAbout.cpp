#include "app/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/design_font.h"
#include "ui/qt_control.h"

namespace {

// The box's design, in twips from the top left of the client area.
constexpr double kClientWidth = 4680;
constexpr double kClientHeight = 3135;
constexpr TwipRect kTitle{60, 120, 2925, 195};
constexpr TwipRect kVersion{60, 360, 2925, 195};
constexpr TwipRect kSeparator{60, 2580, 4500 - 60, 0};
constexpr TwipRect kOk{3420, 2700, 1155, 375};

constexpr double kTextPointSize = 8.25;

QRect ToPixels(const TwipRect& r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
               TwipsToPixels(r.height));
}

QLabel* MakeLabel(QWidget* box, const QString& name, const QString& text, const TwipRect& rect,
                  bool bold) {
  auto* label = new QLabel(text, box);
  label->setObjectName(name);
  label->setGeometry(ToPixels(rect));
  label->setFont(DesignFont(kTextPointSize, bold));
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QString::fromLatin1(kCaption));
  // A fixed box: a title bar with its close button, nothing to minimise or maximise.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  lblinfo_[0] = MakeLabel(this, QStringLiteral("lblinfo_0"),
                          QStringLiteral("Kestrelon (Prime Factorization)"), kTitle, true);
  lblinfo_[1] =
      MakeLabel(this, QStringLiteral("lblinfo_1"), QStringLiteral("version 1.0"), kVersion, false);

  Line1_ = new QFrame(this);
  Line1_->setObjectName(QStringLiteral("Line1"));
  Line1_->setFrameShape(QFrame::HLine);
  Line1_->setFrameShadow(QFrame::Sunken);
  // A sunken line is two pixels high, its dark half on the design's line.
  QRect line = ToPixels(kSeparator);
  line.setHeight(2);
  Line1_->setGeometry(line);

  cmdOk_ = new QPushButton(QStringLiteral("Ok"), this);
  cmdOk_->setObjectName(QStringLiteral("cmdOk"));
  cmdOk_->setGeometry(ToPixels(kOk));
  cmdOk_->setDefault(true);
  connect(cmdOk_, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
}

void frmAbout::ShowModal(QWidget* owner) {
  frmAbout box(owner);
  box.exec();
}

void frmAbout::cmdOk_Click() { accept(); }
