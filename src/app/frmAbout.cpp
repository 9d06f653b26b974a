#include "app/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "program_info.h"
#include "ui/design_font.h"
#include "ui/frmMain.h"
#include "ui/qt_control.h"

namespace {

// The box's design, in twips from the top left of the client area.
constexpr double kClientWidth = 4680;
constexpr double kClientHeight = 3135;
constexpr TwipRect kTitle{60, 120, 2925, 195};
// The informational lines below the title take the width of the separator line.
constexpr TwipRect kVersion{60, 360, 4440, 195};
constexpr TwipRect kPurpose{60, 720, 4440, 780};  // room for four wrapped lines
constexpr TwipRect kLicence{60, 1680, 4440, 195};
constexpr TwipRect kCopyright{60, 1920, 4440, 195};
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
  setWindowTitle(tr(kCaption));
  // A fixed box: a title bar with its close button, nothing to minimise or maximise. Without
  // CustomizeWindowHint the window manager is asked for its default buttons, all of them.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

  const QString name = frmMain::tr(frmMain::kCaption);
  const struct {
    QString text;
    TwipRect rect;
    bool bold = false;
    bool wrap = false;
  } info[kInfoLines] = {
      {name, kTitle, true},
      {tr("%1 version %2").arg(name, QLatin1String(program_info::kVersion)), kVersion},
      {tr("Kestrelon teaches prime factorization: it splits a whole number into its prime "
          "factors, draws the factor tree and shows the working step by step."),
       kPurpose, false, true},
      {tr("Free software under the MIT licence."), kLicence},
      {tr("Copyright \u00A9 %1 %2", "%1 is the year, %2 who holds the copyright")
           .arg(QLatin1String(program_info::kCopyrightYear),
                QLatin1String(program_info::kDevelopers)),
       kCopyright},
  };
  for (int i = 0; i < kInfoLines; ++i) {
    lblinfo_[i] = MakeLabel(this, QStringLiteral("lblinfo_%1").arg(i), info[i].text, info[i].rect,
                            info[i].bold);
    lblinfo_[i]->setWordWrap(info[i].wrap);
  }

  Line1_ = new QFrame(this);
  Line1_->setObjectName(QStringLiteral("Line1"));
  Line1_->setFrameShape(QFrame::HLine);
  Line1_->setFrameShadow(QFrame::Sunken);
  // A sunken line is two pixels high, its dark half on the design's line.
  QRect line = ToPixels(kSeparator);
  line.setHeight(2);
  Line1_->setGeometry(line);

  cmdOk_ = new QPushButton(tr("Ok"), this);
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
