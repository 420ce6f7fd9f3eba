#include "support/window_checks.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
std::string Text(QSize size) {
  return std::to_string(size.width()) + " x " + std::to_string(size.height());
}
}  // namespace

QWidget* ContentOf(const fw::Window& window) {
  return static_cast<QMainWindow*>(window.Widget())->centralWidget();
}

QRect InContent(const fw::Window& window, const QWidget* widget) {
  return {widget->mapTo(ContentOf(window), QPoint(0, 0)), widget->size()};
}

std::string RectText(const QRect& r) {
  return std::to_string(r.left()) + ", " + std::to_string(r.top()) + ", " +
         std::to_string(r.width()) + " x " + std::to_string(r.height());
}

::testing::AssertionResult KeepsContentSize(const fw::Window& window, QSize size) {
  QWidget* top = window.Widget();
  const QWindow* handle = top->windowHandle();
  if (!handle) return ::testing::AssertionFailure() << "the window was never shown";
  if (handle->minimumSize() != handle->maximumSize()) {
    return ::testing::AssertionFailure()
           << "the window manager may resize it from " << Text(handle->minimumSize()) << " to "
           << Text(handle->maximumSize());
  }
  if (ContentOf(window)->size() != size) {
    return ::testing::AssertionFailure() << "the content is " << Text(ContentOf(window)->size());
  }
  const QSize before = top->size();
  top->resize(before + QSize(120, 90));
  QApplication::processEvents();
  const QSize after = ContentOf(window)->size();
  top->resize(before);
  QApplication::processEvents();
  if (after != size) {
    return ::testing::AssertionFailure()
           << "a resize of the window made the content " << Text(after);
  }
  return ::testing::AssertionSuccess();
}

std::string TitleButtons(const fw::Window& window) {
  const Qt::WindowFlags flags = window.Widget()->windowHandle()
                                    ? window.Widget()->windowHandle()->flags()
                                    : window.Widget()->windowFlags();
  std::string buttons;
  const auto add = [&](Qt::WindowType hint, const char* name) {
    if (!flags.testFlag(hint)) return;
    if (!buttons.empty()) buttons += ' ';
    buttons += name;
  };
  add(Qt::WindowCloseButtonHint, "close");
  add(Qt::WindowMinimizeButtonHint, "minimise");
  add(Qt::WindowMaximizeButtonHint, "maximise");
  add(Qt::WindowFullscreenButtonHint, "full screen");
  return buttons;
}

int NonWhitePixels(const fw::Window& window, QRect area) {
  QWidget* top = window.Widget();
  const QImage shot = top->grab().toImage();
  const qreal ratio = shot.devicePixelRatio();
  const QRect inTop = area.translated(ContentOf(window)->mapTo(top, QPoint(0, 0)));
  const QRect pixels(inTop.topLeft() * ratio, inTop.size() * ratio);
  if (area.isEmpty() || !shot.rect().contains(pixels)) {
    ADD_FAILURE() << "the area lies outside the window";
    return -1;
  }
  int others = 0;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    for (int x = pixels.left(); x <= pixels.right(); ++x)
      others += shot.pixel(x, y) != qRgb(255, 255, 255);
  }
  return others;
}

void ExpectWhite(const fw::Window& window, std::initializer_list<QRect> areas) {
  for (const QRect& area : areas) {
    EXPECT_EQ(NonWhitePixels(window, area), 0) << "in " << RectText(area);
  }
}

int PixelsApart(const QImage& shot, const QRect& area, const QImage& picture, int* compared) {
  const QImage drawn = shot.convertToFormat(QImage::Format_ARGB32);
  const QImage file = picture.convertToFormat(QImage::Format_ARGB32);
  const QRect inShot = area.intersected(drawn.rect());
  int apart = 0, opaque = 0;
  for (int y = 0; y < std::min(inShot.height(), file.height()); ++y) {
    for (int x = 0; x < std::min(inShot.width(), file.width()); ++x) {
      if (qAlpha(file.pixel(x, y)) < 255) continue;
      ++opaque;
      apart += drawn.pixel(inShot.x() + x, inShot.y() + y) != file.pixel(x, y);
    }
  }
  if (compared) *compared = opaque;
  return apart;
}
