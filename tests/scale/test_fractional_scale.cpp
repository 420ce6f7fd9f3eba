// The windows on a screen of fractional scale. This executable has a main() of its own: every
// other widget test draws at scale 1.

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QtGlobal>
#include <cmath>

#include "app/app.h"
#include "mainwindow/control_wnd.h"
#include "support/plain_desktop.h"
#include "support/window_checks.h"
#include "windows/about_wnd.h"

namespace {

// The desktop's 125 %: 120 dots per inch where 96 make scale 1. The windows draw at that scale
// as it is, neither at 1 nor at 2, and keep their sizes in the layout's units.
TEST(FractionalScale, TheWindowsDrawAtTheScreensOwnScale) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  QApplication::processEvents();
  EXPECT_DOUBLE_EQ(about.Widget()->devicePixelRatioF(), 1.25);
  EXPECT_EQ(ContentOf(about)->size(), QSize(459, 200));
  QTest::keyClick(about.Widget(), Qt::Key_Space);
  ControlWnd& main = ControlWnd::Get();
  ASSERT_TRUE(main.Visible());
  EXPECT_DOUBLE_EQ(main.Widget()->devicePixelRatioF(), 1.25);
  EXPECT_EQ(ContentOf(main)->size(), QSize(550, 500));
}

// The canvas's picture as the screen at 1.25 should show it: the large drawing brought down
// smoothly to 1.25 pixels to the point, over the whole pixels that the picture covers in the
// control as drawn. The small one blown up would be soft, and the large one brought down without
// blending would drop and double its lines.
::testing::AssertionResult ShowsTheLargeDrawingSmoothly(const fw::Control& control,
                                                        const char* large) {
  const QImage shot = DrawnAlone(control);
  const QImage drawing(large);
  const QSize points = drawing.size() / 2;
  const QSize covered(int(std::floor(points.width() * 1.25)),
                      int(std::floor(points.height() * 1.25)));
  if (drawing.isNull()) return ::testing::AssertionFailure() << large << " was not found";
  if (shot.width() < covered.width()) {
    return ::testing::AssertionFailure()
           << "the control is drawn " << shot.width() << " pixels wide";
  }
  return LookAlike(shot, SmoothlyScaled(drawing, 1.25 / 2, covered), 16);
}

// Between whole scales the banner and the help badge come from their drawings at twice the size,
// brought down smoothly, as sharp as the screen allows.
TEST(FractionalScale, TheBannerAndTheHelpBadgeComeFromTheirLargeDrawingsSmoothly) {
  _LateStartup();
  AboutWnd& about = AboutWnd::Get();
  QApplication::processEvents();
  ASSERT_DOUBLE_EQ(about.Widget()->devicePixelRatioF(), 1.25);
  EXPECT_TRUE(ShowsTheLargeDrawingSmoothly(about.Canvas1(), ":/Quorvane@2x.png"))
      << "the About window's banner";
  QTest::keyClick(about.Widget(), Qt::Key_Space);
  ControlWnd& main = ControlWnd::Get();
  EXPECT_TRUE(ShowsTheLargeDrawingSmoothly(main.helpBtn(), ":/Help@2x.png")) << "the help badge";
  EXPECT_TRUE(ShowsTheLargeDrawingSmoothly(main.Canvas1(), ":/Quorvane@2x.png"))
      << "the main window's banner";
}

}  // namespace

int main(int argc, char** argv) {
  return RunWidgetTests(argc, argv, [] {
    // The screen's own density, as a desktop scaled to 125 % reports it; the program's declaration
    // at start-up decides whether Qt keeps the fraction or rounds it to a whole scale.
    qputenv("QT_FONT_DPI", QByteArray("120"));
    // Qt 5 rounded such a scale unless told otherwise, and Qt 6 keeps it by default; starting
    // from rounding shows that the program's own declaration keeps it, whatever the default.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
  });
}
