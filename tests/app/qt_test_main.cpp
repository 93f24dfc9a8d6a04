// GUI tests run offscreen, inside one QApplication, on a screen large enough
// for the whole window (or of the size TAVRO_TEST_SCREEN names, "1024x600",
// with the interface's scale after it: "1920x1080x1.5"),
// with settings kept in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>

int main(int argc, char** argv) {
  QTemporaryDir scratch;
  qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
  // The platform's arguments are separated by colons, so the screen's file
  // is named relative to the current folder: no drive letter on Windows.
  QTemporaryFile file(QStringLiteral("tavro-screen-XXXXXX.json"));
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    const QList<QByteArray> asked = qgetenv("TAVRO_TEST_SCREEN").split('x');
    const bool sized = asked.size() >= 2 && asked[0].toInt() > 0 && asked[1].toInt() > 0;
    // A third part scales the interface: "1920x1080x1.5".
    if (asked.size() == 3 && asked[2].toDouble() > 0) qputenv("QT_SCALE_FACTOR", asked[2]);
    if (file.open()) {
      file.write(QStringLiteral(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %1,
                     "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(sized ? asked[0].toInt() : 1920)
                     .arg(sized ? asked[1].toInt() : 1080)
                     .toUtf8());
      file.close();
      const QString config = QDir::current().relativeFilePath(file.fileName());
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
