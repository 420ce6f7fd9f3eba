#include "framework/services.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include "framework/qt_detail.h"
#include "framework/window.h"

namespace fw {
namespace {
std::function<void(const std::string&)>& MsgBoxHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}
std::function<void()>& BeepHandler() {
  static std::function<void()> handler;
  return handler;
}
}  // namespace

void MsgBox(const std::string& text) {
  if (MsgBoxHandler()) {
    MsgBoxHandler()(text);
    return;
  }
  // The box belongs to the window whose handler asks, so that it stays over that window whichever
  // window was in front when the user clicked.
  const Window* asking = Window::Handling();
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), detail::ToQt(text),
                  QMessageBox::Ok, asking ? asking->Widget() : QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MsgBox"));
  box.exec();
}

void Beep() {
  if (BeepHandler()) {
    BeepHandler()();
    return;
  }
  QApplication::beep();
}

std::string ResourceText(const std::string& name) {
  QFile file(QStringLiteral(":/") + detail::ToQt(name));
  if (!file.open(QIODevice::ReadOnly)) return "";
  return file.readAll().toStdString();
}

void SetMsgBoxHandler(std::function<void(const std::string&)> handler) {
  MsgBoxHandler() = std::move(handler);
}

void SetBeepHandler(std::function<void()> handler) {
  BeepHandler() = std::move(handler);
}

}  // namespace fw
