#include "ui/refusal_mark.h"

#include <QCoreApplication>

#include "ui/qt_text_box.h"

namespace {

constexpr toolkit::Color kRefusedTint = 0x00C8C8FF;  // a light red, read with black text

// The mark's words, translated in the context "RefusalMark".
struct Words {
  Q_DECLARE_TR_FUNCTIONS(RefusalMark)
};

}  // namespace

void RefusalMark::Show(const QString& why, const QString& shown) {
  if (!shown_) {
    backColor_ = box_.BackColor();
    description_ = box_.accessibleDescription();
    shown_ = true;
  }
  const QString panes = shown.isEmpty() ? Words::tr("The panes show no number yet.")
                                        : Words::tr("The panes still show %1.").arg(shown);
  hint_ = Words::tr("A whole number of up to 15 digits. %1 %2",
                    "%1 says why the text was not taken, %2 what the panes show")
              .arg(why, panes);
  box_.SetBackColor(kRefusedTint);
  box_.setToolTip(hint_);
  box_.setAccessibleDescription(hint_);
}

void RefusalMark::Clear() {
  if (!shown_) return;
  shown_ = false;
  box_.SetBackColor(backColor_);
  if (box_.accessibleDescription() == hint_) box_.setAccessibleDescription(description_);
}
