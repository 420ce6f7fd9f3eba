#pragma once

#include <functional>

// Sets the process up, before the application object is made, to draw as a plain session does:
// off screen unless a platform was chosen, and without the scale, style or theme of the user's
// desktop, which would change the pixels, frames and fonts that the tests measure (at scale 2
// the focus ring and the group boxes are drawn otherwise).
void UsePlainDesktop();

// The main() of a widget test program: the plain desktop, then the screen or desktop theme that
// the program runs under where it sets one up of its own, then the application object as start-up
// makes it, then the tests.
int RunWidgetTests(int argc, char** argv, const std::function<void()>& setUpDesktop = {});
