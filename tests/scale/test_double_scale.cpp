// The pictures on a screen of two pixels to the point. This executable has a main() of its own:
// every other widget test draws at scale 1.

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QTest>
#include <QtGlobal>

#include "app/app.h"
#include "app/pictures.h"
#include "mainwindow/control_wnd.h"
#include "support/plain_desktop.h"
#include "support/window_checks.h"
#include "windows/about_wnd.h"

namespace {

// The control as drawn now, in the screen's pixels, without the controls that lie in it (the
// main window's credit line lies in its banner).
QImage DrawnAlone(const fw::Control& control) {
  QWidget* widget = control.Widget();
  const qreal ratio = widget->devicePixelRatioF();
  QPixmap drawn(widget->size() * ratio);
  drawn.setDevicePixelRatio(ratio);
  drawn.fill(Qt::transparent);
  widget->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return drawn.toImage();
}

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

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetTests(argc, argv, [] { qputenv("QT_SCALE_FACTOR", QByteArray("2")); });
}
