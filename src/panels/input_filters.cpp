// The input filters of the 27 input fields: while a result is on show, a key first blanks its
// panel's results; then only the keys of the field's set reach the field, the others beep. Every
// other change of a field's text by the user (a paste, a cut, a deletion, an undo, a drop) blanks
// them in the same manner, unfiltered. A key that passes blanks once more as it changes the text,
// which leaves the results as blank as they were.

#include <cstdint>
#include <string>

#include "app/module1.h"
#include "framework/services.h"
#include "framework/text_services.h"
#include "mainwindow/control_wnd.h"
#include "panels/panel_patterns.h"
#include "panels/panel_results.h"

namespace {

using panels::Panel;
using enum panels::Panel;

// kByDesign: the second N field, which holds an N under Independent and r under Related.
enum class KeySet { kNone, kCount, kDecimal, kSigned, kByDesign };

// Full blanking empties and hides the results and hides their captions; text blanking only
// empties the three texts, which stay on show beside their captions.
enum class Blanking { kFull, kText };

struct Filter {
  Panel panel;
  KeySet keys;
  Blanking blanking;
};

// The second N field follows the design only on its own tab; any other design (Sample/Population)
// or tab leaves it no keys at all.
KeySet KeysNow(const ControlWnd& w, const Filter& filter) {
  if (filter.keys != KeySet::kByDesign) return filter.keys;
  if (w.TabPanel1().Value() != filter.panel) return KeySet::kNone;
  if (Module1::btn == 1) return KeySet::kCount;
  if (Module1::btn == 2) return KeySet::kSigned;
  return KeySet::kNone;
}

bool Passes(std::int64_t code, KeySet keys) {
  if (keys == KeySet::kNone) return false;
  const bool digit = 47 < code && code < 58;
  if (digit || code == 8 || code == 9) return true;  // Backspace and Tab
  if (keys == KeySet::kCount) return false;
  if (code == 46) return true;                   // "."
  return keys == KeySet::kSigned && code == 45;  // "-"
}

void BlankShownResults(ControlWnd& w, const Filter& filter) {
  if (Module1::dirty != "y") return;
  const panels::Results results = panels::ResultsOf(w, filter.panel);
  if (filter.blanking == Blanking::kFull) {
    panels::BlankResults(results);
  } else {
    panels::EmptyResultTexts(results);
  }
}

// True discards the key.
bool FilterKey(ControlWnd& w, const Filter& filter, const std::string& key) {
  BlankShownResults(w, filter);
  if (Passes(fw::Asc(key), KeysNow(w, filter))) return false;
  fw::Beep();
  return true;
}

}  // namespace

#define QV_INPUT_FILTER(field, panel, keys, blanking)                        \
  bool ControlWnd::field##_KeyDown(fw::TextField&, const std::string& key) { \
    return FilterKey(*this, {panel, KeySet::keys, Blanking::blanking}, key); \
  }                                                                          \
  void ControlWnd::field##_Edited(fw::TextField&) {                          \
    BlankShownResults(*this, {panel, KeySet::keys, Blanking::blanking});     \
  }

QV_INPUT_FILTER(m1fld, kMeans, kDecimal, kFull)
QV_INPUT_FILTER(sd1fld, kMeans, kDecimal, kFull)
QV_INPUT_FILTER(n1fld, kMeans, kCount, kFull)
QV_INPUT_FILTER(m2fld, kMeans, kDecimal, kFull)
QV_INPUT_FILTER(sd2fld, kMeans, kDecimal, kFull)
QV_INPUT_FILTER(n2fld, kMeans, kByDesign, kFull)
QV_INPUT_FILTER(var1Fld, kVariances, kDecimal, kText)
QV_INPUT_FILTER(n1fld1, kVariances, kCount, kFull)
QV_INPUT_FILTER(var2Fld, kVariances, kDecimal, kText)
QV_INPUT_FILTER(n2fld1, kVariances, kByDesign, kFull)
QV_INPUT_FILTER(r2Fld1, kCorrelations, kSigned, kText)
QV_INPUT_FILTER(n12fld, kCorrelations, kCount, kFull)
QV_INPUT_FILTER(r2Fld2, kCorrelations, kSigned, kText)
QV_INPUT_FILTER(n22fld, kCorrelations, kByDesign, kFull)
QV_INPUT_FILTER(p1fld, kProportions, kSigned, kText)
QV_INPUT_FILTER(n3fld1, kProportions, kCount, kFull)
QV_INPUT_FILTER(p2fld, kProportions, kSigned, kText)
QV_INPUT_FILTER(n3fld2, kProportions, kDecimal, kFull)  // unlike every other N
QV_INPUT_FILTER(a1fld, kAlphas, kDecimal, kText)
QV_INPUT_FILTER(n4fld1, kAlphas, kCount, kFull)
QV_INPUT_FILTER(a2fld, kAlphas, kDecimal, kText)
QV_INPUT_FILTER(n4fld2, kAlphas, kByDesign, kFull)
QV_INPUT_FILTER(m5fld1, kAUCs, kDecimal, kFull)
QV_INPUT_FILTER(sefld1, kAUCs, kDecimal, kFull)
QV_INPUT_FILTER(m5fld2, kAUCs, kDecimal, kText)  // unlike the other AUC fields
QV_INPUT_FILTER(sefld2, kAUCs, kDecimal, kFull)
QV_INPUT_FILTER(r5Fld, kAUCs, kSigned, kFull)

#undef QV_INPUT_FILTER
