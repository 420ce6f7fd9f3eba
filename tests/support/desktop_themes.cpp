#include "support/desktop_themes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPalette>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <QtGlobal>
#include <memory>

#include "support/hang_guard.h"

QPalette DarkDesktopPalette() {
  // The roles as the "darker" scheme of qt6ct gives them.
  QPalette dark(QColor(0xFF, 0xFF, 0xFF), QColor(0x42, 0x42, 0x45), QColor(0x97, 0x97, 0x97),
                QColor(0x30, 0x2F, 0x2E), QColor(0x4A, 0x49, 0x47), QColor(0xFF, 0xFF, 0xFF),
                QColor(0xFF, 0xFF, 0xFF), QColor(0x3D, 0x3D, 0x3D), QColor(0x22, 0x20, 0x20));
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    dark.setColor(group, QPalette::Highlight, QColor(0x12, 0x60, 0x8A));
    dark.setColor(group, QPalette::ToolTipBase, QColor(0x3F, 0x3F, 0x36));
    dark.setColor(group, QPalette::ToolTipText, QColor(0xFF, 0xFF, 0xFF));
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  return dark;
}

void HandOverDarkTheme() {
  const QPalette dark = DarkDesktopPalette();
  QApplication::setPalette(dark);
  for (const char* kind : {"QAbstractButton", "QRadioButton", "QTabBar", "QLabel", "QGroupBox",
                           "QMenu", "QMenuBar", "QMessageBoxLabel", "QLineEdit", "QTextEdit"}) {
    QApplication::setPalette(dark, kind);
  }
  QToolTip::setPalette(dark);
}

void SwitchToDarkTheme() {
  QEvent change(QEvent::ThemeChange);
  for (QWindow* window : QGuiApplication::allWindows())
    QCoreApplication::sendEvent(window, &change);
  QToolTip::setPalette(DarkDesktopPalette());
}

namespace {

QTemporaryDir& ConfigHome() {
  static QTemporaryDir home;
  return home;
}

void WriteQt6ctConfig(bool dark, int fontPoints) {
  const QString folder = ConfigHome().path() + QStringLiteral("/qt6ct");
  QDir().mkpath(folder);
  // Written aside and renamed into place, as an editor saves it: qt6ct watches its folder.
  QSaveFile file(folder + QStringLiteral("/qt6ct.conf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const QString font =
      QStringLiteral("DejaVu Sans,%1,-1,5,400,0,0,0,0,0,0,0,0,0,0,1").arg(fontPoints);
  const QString config = QStringLiteral(
                             "[Appearance]\n"
                             "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"
                             "custom_palette=%1\n"
                             "style=Fusion\n"
                             "[Fonts]\n"
                             "general=\"%2\"\n"
                             "fixed=\"DejaVu Sans Mono,%3,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n")
                             .arg(dark ? QStringLiteral("true") : QStringLiteral("false"), font)
                             .arg(fontPoints);
  file.write(config.toUtf8());
  ASSERT_TRUE(file.commit());
}

}  // namespace

void UseQt6ct(bool dark, int fontPoints) {
  WriteQt6ctConfig(dark, fontPoints);
  qputenv("XDG_CONFIG_HOME", ConfigHome().path().toLocal8Bit());
  qputenv("QT_QPA_PLATFORMTHEME", QByteArray("qt6ct"));
  // Its notes on every palette that Qt asks it for would bury the test's own output.
  qputenv("QT_LOGGING_RULES", QByteArray("qt6ct.debug=false"));
}

void SwitchQt6ct(bool dark, int fontPoints) {
  WriteQt6ctConfig(dark, fontPoints);
}

void AwaitQt6ct(int fontPoints) {
  const QString plugin =
      QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes/libqt6ct.so");
  ASSERT_TRUE(QFileInfo::exists(plugin))
      << "the qt6ct platform theme is not on this machine (scripts/setup.sh installs it)";
  HangGuard guard("qt6ct did not take in its configuration");
  while (QApplication::font().pointSize() != fontPoints) QTest::qWait(20);
  // The program answers the theme's change in the events that follow it.
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
}
