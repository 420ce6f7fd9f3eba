#include "support/window_checks.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "framework/controls.h"

namespace {
std::string Text(QSize size) {
  return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

// A pixel's alpha, red, green and blue, premultiplied.
using Channels = std::array<double, 4>;
Channels ChannelsOf(QRgb pixel) {
  return {double(qAlpha(pixel)), double(qRed(pixel)), double(qGreen(pixel)), double(qBlue(pixel))};
}
QRgb PixelOf(const Channels& c) {
  const auto at = [&](int i) { return int(std::lround(c[i])); };
  return qRgba(at(1), at(2), at(3), at(0));
}
QImage Premultiplied(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean of the square of 2 RADIUS + 1 pixels around X, Y, of those that lie in the image.
Channels MeanAround(const QImage& image, int x, int y, int radius) {
  Channels sum{};
  int count = 0;
  for (int v = std::max(0, y - radius); v <= std::min(image.height() - 1, y + radius); ++v) {
    for (int u = std::max(0, x - radius); u <= std::min(image.width() - 1, x + radius); ++u) {
      const Channels c = ChannelsOf(image.pixel(u, v));
      for (int i = 0; i < 4; ++i) sum[i] += c[i];
      ++count;
    }
  }
  for (double& s : sum) s /= count;
  return sum;
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

QImage DrawnAlone(const fw::Control& control) {
  QWidget* widget = control.Widget();
  const qreal ratio = widget->devicePixelRatioF();
  QPixmap drawn(widget->size() * ratio);
  drawn.setDevicePixelRatio(ratio);
  drawn.fill(Qt::transparent);
  widget->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
  return drawn.toImage();
}

QImage SmoothlyScaled(const QImage& picture, double factor, QSize size) {
  const QImage from = Premultiplied(picture);
  QImage scaled(size, QImage::Format_ARGB32_Premultiplied);
  const auto near = [](double at, int length, int& first, double& weight) {
    first = std::clamp(int(std::floor(at)), 0, length - 1);
    weight = std::clamp(at - first, 0.0, 1.0);
  };
  for (int y = 0; y < size.height(); ++y) {
    int top = 0;
    double down = 0;
    near((y + 0.5) / factor - 0.5, from.height(), top, down);
    const int bottom = std::min(top + 1, from.height() - 1);
    for (int x = 0; x < size.width(); ++x) {
      int left = 0;
      double across = 0;
      near((x + 0.5) / factor - 0.5, from.width(), left, across);
      const int right = std::min(left + 1, from.width() - 1);
      const Channels a = ChannelsOf(from.pixel(left, top)), b = ChannelsOf(from.pixel(right, top)),
                     c = ChannelsOf(from.pixel(left, bottom)),
                     d = ChannelsOf(from.pixel(right, bottom));
      Channels blend{};
      for (int i = 0; i < 4; ++i) {
        blend[i] = (1 - down) * ((1 - across) * a[i] + across * b[i]) +
                   down * ((1 - across) * c[i] + across * d[i]);
      }
      scaled.setPixel(x, y, PixelOf(blend));
    }
  }
  return scaled;
}

::testing::AssertionResult LookAlike(const QImage& a, const QImage& b, int tolerance, int radius) {
  const QImage first = Premultiplied(a), second = Premultiplied(b);
  const int width = std::min(first.width(), second.width());
  const int height = std::min(first.height(), second.height());
  if (width == 0 || height == 0) return ::testing::AssertionFailure() << "nothing in common";
  double most = 0;
  QPoint where;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Channels p = MeanAround(first, x, y, radius), q = MeanAround(second, x, y, radius);
      for (int i = 0; i < 4; ++i) {
        if (std::abs(p[i] - q[i]) > most) most = std::abs(p[i] - q[i]), where = {x, y};
      }
    }
  }
  const std::string text = "apart by " + std::to_string(int(std::lround(most))) + " of 255 at " +
                           std::to_string(where.x()) + ", " + std::to_string(where.y()) + " over " +
                           Text(QSize(width, height)) + " pixels";
  if (most > tolerance) {
    return ::testing::AssertionFailure() << text << ", more than " << tolerance;
  }
  return ::testing::AssertionSuccess() << text;
}
