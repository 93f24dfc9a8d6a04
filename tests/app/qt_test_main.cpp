// GUI tests run offscreen, inside one QApplication, on a screen large enough
// for the whole window, with settings kept in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  QTemporaryDir scratch;
  qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    const QString config = scratch.filePath("screen.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1920,
                     "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
