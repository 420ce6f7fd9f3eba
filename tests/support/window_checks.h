#pragma once

// A window as the window manager gets it and as the user sees it drawn, for the widget tests.

#include <gtest/gtest.h>

#include <QRect>
#include <QSize>
#include <initializer_list>
#include <string>

#include "framework/window.h"

class QImage;
class QWidget;
namespace fw {
class Control;
}

// The window's content area, below any menu bar: its top left corner is the origin of the
// window's coordinates.
QWidget* ContentOf(const fw::Window& window);
// Where a widget of the window lies in the window's coordinates.
QRect InContent(const fw::Window& window, const QWidget* widget);
// "left, top, width x height", for the messages.
std::string RectText(const QRect& r);

// Whether the user cannot resize the window: its top-level asks the window manager for one size
// only (equal minimum and maximum, as the platform window holds them), and a resize of the
// top-level, as a window manager may still try one, leaves the content at SIZE.
::testing::AssertionResult KeepsContentSize(const fw::Window& window, QSize size);

// The buttons that the window asks the window manager for, in this order and joined by blanks:
// "close", "minimise", "maximise", "full screen"; "" for none.
std::string TitleButtons(const fw::Window& window);

// How many pixels of AREA (in content coordinates) are not white in the whole window as drawn: a
// grab of the top-level, in which the content shows the window's own fill, or none.
int NonWhitePixels(const fw::Window& window, QRect area);
// Fails the test for each area (in content coordinates) that is not all white in the window.
void ExpectWhite(const fw::Window& window, std::initializer_list<QRect> areas);

// How many of the picture's opaque pixels, laid with its top left corner at the top left of AREA
// in the shot (both in pixels), differ from the shot; only those within AREA are compared, and
// COMPARED, where given, is set to how many those were. A transparent pixel of the picture shows
// what lies beneath it, so it is not compared.
int PixelsApart(const QImage& shot, const QRect& area, const QImage& picture,
                int* compared = nullptr);

// The control as drawn now, alone, in the screen's pixels from its top left corner: without the
// controls that lie in it (the main window's credit line lies in its banner) and without what
// lies beneath it, which stays transparent.
QImage DrawnAlone(const fw::Control& control);

// PICTURE at FACTOR times its size, SIZE pixels of it, as a smooth scaling makes it: each pixel
// the blend, in premultiplied colour, of the four pixels of the picture nearest to the point under
// its centre, weighed by their nearness. At one half, each pixel is the mean of a 2 x 2 square.
QImage SmoothlyScaled(const QImage& picture, double factor, QSize size);

// Whether two pictures look alike over the pixels they share: no channel of a pixel, alpha or a
// colour (premultiplied, 0 to 255), differs by more than TOLERANCE. Where RADIUS is given, each
// pixel is first taken as the mean of the square of 2 RADIUS + 1 pixels around it, as the eye
// sees a picture from afar: an edge drawn a pixel further on counts for little, ink gone from an
// area in full. The message says how far apart they are, and where.
::testing::AssertionResult LookAlike(const QImage& a, const QImage& b, int tolerance,
                                     int radius = 0);
