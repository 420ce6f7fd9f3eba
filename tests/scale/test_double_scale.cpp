// The pictures on a screen of two pixels to the point. This executable has a main() of its own:
// every other widget test draws at scale 1.

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QTest>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "app/app.h"
#include "app/pictures.h"
#include "mainwindow/control_wnd.h"
#include "support/plain_desktop.h"
#include "support/window_checks.h"
#include "windows/about_wnd.h"

namespace {

// How many of the picture's opaque pixels the control shows otherwise; sets opaque to how many
// were compared.
int OpaquePixelsApart(const fw::Control& control, const QImage& picture, int& opaque) {
  const QImage shot = DrawnAlone(control);
  return PixelsApart(shot, shot.rect(), picture, &opaque);
}

// The banner and the help badge are drawn pixel for pixel from their drawings at twice the size,
// as sharp as at scale 1, not from the small ones blown up.
TEST(DoubleScale, TheBannerAndTheHelpBadgeComeFromTheirLargeDrawings) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  QApplication::processEvents();
  ASSERT_DOUBLE_EQ(about.Widget()->devicePixelRatioF(), 2);
  EXPECT_EQ(Quorvane().Width(), 414) << "the picture keeps its size in points";
  EXPECT_EQ(Quorvane().Height(), 70);
  const QImage banner(":/Quorvane@2x.png");
  ASSERT_EQ(banner.size(), QSize(828, 140));
  int opaque = 0;
  EXPECT_EQ(OpaquePixelsApart(about.Canvas1(), banner, opaque), 0) << "the About window's banner";
  EXPECT_EQ(opaque, 828 * 138) << "the canvas, 69 points high, shows all but the last row";

  QTest::keyClick(about.Widget(), Qt::Key_Space);
  ControlWnd& main = ControlWnd::Get();
  ASSERT_DOUBLE_EQ(main.Widget()->devicePixelRatioF(), 2);
  const QImage badge(":/Help@2x.png");
  ASSERT_EQ(badge.size(), QSize(60, 60));
  EXPECT_EQ(OpaquePixelsApart(main.helpBtn(), badge, opaque), 0) << "the help badge";
  EXPECT_GT(opaque, 60 * 60 / 2) << "the round badge fills most of its square";
  EXPECT_EQ(OpaquePixelsApart(main.Canvas1(), banner, opaque), 0) << "the main window's banner";
}

// Each large drawing is its picture at twice the size: brought down to the picture's size it shows
// the same, so a screen of two pixels to the point shows what one of one pixel does, only sharper.
// The banner's letters are drawn anew at each size, fitted to its pixels, so an edge may lie a
// pixel or two (the italic F) apart: it is seen from afar, through squares of 7 x 7 points. The
// badge is one drawing brought down to both sizes and agrees pixel for pixel within a little.
TEST(DoubleScale, EachLargeDrawingIsItsPictureAtTwiceTheSize) {
  struct Drawings {
    const char* picture;
    const char* large;
    int radius;
    int tolerance;
  };
  for (const Drawings& d : {Drawings{":/Quorvane.png", ":/Quorvane@2x.png", 3, 88},
                            Drawings{":/Help.png", ":/Help@2x.png", 0, 32}}) {
    const QImage picture(d.picture), large(d.large);
    ASSERT_FALSE(picture.isNull()) << d.picture;
    ASSERT_EQ(large.size(), picture.size() * 2) << d.large;
    EXPECT_TRUE(
        LookAlike(SmoothlyScaled(large, 0.5, picture.size()), picture, d.tolerance, d.radius))
        << d.large << " at half its size against " << d.picture;
  }
}

// The help badge's pixels round its rim, a circle of 14 points about its centre, that are partly
// transparent, in each quarter of it: those within a point of the circle whose alpha lies
// strictly between 0 and 255.
std::array<int, 4> SoftRimPixels(const QImage& badge, int scale) {
  const QImage argb = badge.convertToFormat(QImage::Format_ARGB32);
  const double centre = argb.width() / 2.0, radius = 14.0 * scale;
  std::array<int, 4> soft{};
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const int alpha = qAlpha(argb.pixel(x, y));
      const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
      if (alpha == 0 || alpha == 255 || std::abs(std::hypot(dx, dy) - radius) > scale) continue;
      ++soft[(dx < 0 ? 0 : 1) + (dy < 0 ? 0 : 2)];
    }
  }
  return soft;
}

// The badge's rim fades into what lies beneath it, at both sizes, all the way round: a rim of only
// opaque and clear pixels would show its steps on any background.
TEST(DoubleScale, TheHelpBadgesRimIsSoftAtBothSizes) {
  for (const auto& [file, scale] : {std::pair{":/Help.png", 1}, std::pair{":/Help@2x.png", 2}}) {
    const QImage badge(file);
    ASSERT_EQ(badge.size(), QSize(30, 30) * scale) << file;
    // At least one soft pixel for every two along the arc of a quarter, in each quarter.
    const int halfArc = int(std::ceil(2 * std::numbers::pi * 14 * scale / 4 / 2));
    const std::array<int, 4> soft = SoftRimPixels(badge, scale);
    EXPECT_GE(*std::min_element(soft.begin(), soft.end()), halfArc)
        << file << ": soft pixels in the top left, top right, bottom left and bottom right "
        << soft[0] << ", " << soft[1] << ", " << soft[2] << ", " << soft[3];
  }
}

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetTests(argc, argv, [] { qputenv("QT_SCALE_FACTOR", QByteArray("2")); });
}
