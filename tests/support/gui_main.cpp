#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // The window tests need no display: listing them for CTest runs here too.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
