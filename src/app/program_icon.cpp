#include "app/program_icon.h"

#include <QString>

#include "program_info.h"

// The icon's pictures are resources of a static library, which the linker keeps only when asked
// for; the macro must stand outside any namespace.
static void LoadEmbeddedIcons() { Q_INIT_RESOURCE(resources); }

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace

QIcon ProgramIcon() {
  LoadEmbeddedIcons();
  QIcon embedded;
  for (int size : kIconSizes) {
    embedded.addFile(QStringLiteral(":/icons/kestrelon-%1.png").arg(size), QSize(size, size));
  }
  return QIcon::fromTheme(QString::fromLatin1(program_info::kAppId), embedded);
}
