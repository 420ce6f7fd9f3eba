#pragma once

#include "framework/picture.h"

// The two pictures of the application's resources, each read once and kept for the run; a
// picture that could not be read is tried again at the next call.
fw::Picture Help();      // "Help.png", the backdrop of the six help buttons
fw::Picture Quorvane();  // "Quorvane.png", the banner of the main and About windows
