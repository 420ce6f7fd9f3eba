#pragma once

#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"

namespace panels {

// The panels in the order of their tabs: a panel's number is its tab's index.
enum Panel : int { kMeans, kVariances, kCorrelations, kProportions, kAlphas, kAUCs };

// The three result fields of a panel and their captions.
Results ResultsOf(const ControlWnd& w, Panel panel);

}  // namespace panels
