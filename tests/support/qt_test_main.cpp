// Test entry for the programs that need a QApplication: GoogleTest first, so that test
// discovery (--gtest_list_tests) runs without a display, then a headless application.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

namespace {

void QuietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
  // Every top-level show under the offscreen platform says this; it is harmless.
  if (msg.contains(QLatin1String("propagateSizeHints")))
    return;
  qt_message_output(type, context, msg);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests))
    return RUN_ALL_TESTS();

  // Settings, the remembered game and runtime files go to scratch folders, never to the
  // user's own.
  QTemporaryDir scratch;
  const QByteArray runtime = QDir(scratch.path()).filePath("runtime").toLocal8Bit();
  const QByteArray config = QDir(scratch.path()).filePath("config").toLocal8Bit();
  QDir().mkpath(QString::fromLocal8Bit(runtime));
  QFile::setPermissions(QString::fromLocal8Bit(runtime),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
  setenv("XDG_CONFIG_HOME", config.constData(), 1);
  setenv("XDG_DATA_HOME", QDir(scratch.path()).filePath("data").toLocal8Bit().constData(), 1);
  // The programs that tests start speak English, whatever the desktop running the tests
  // speaks; a test of another language sets it itself.
  setenv("LANGUAGE", "en", 1);
  if (!std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

  qInstallMessageHandler(QuietOffscreenNoise);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
