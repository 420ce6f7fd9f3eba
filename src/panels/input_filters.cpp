// The input filters of the 27 input fields: while a result is on show, a key first blanks its
// panel's results; then only the keys of the field's set reach the field, the others beep. Every
// other change of a field's text by the user (a paste, a cut, a deletion, an undo, a drop) blanks
// them in the same manner, unfiltered. A key that passes blanks once more as it changes the text,
// which leaves the results as blank as they were.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "app/module1.h"
#include "framework/program_error.h"
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

// The 27 input fields: each one's panel, its key set and its manner of blanking.
#define QV_INPUT_FIELDS(X)                                            \
  X(m1fld, kMeans, kDecimal, kFull)                                   \
  X(sd1fld, kMeans, kDecimal, kFull)                                  \
  X(n1fld, kMeans, kCount, kFull)                                     \
  X(m2fld, kMeans, kDecimal, kFull)                                   \
  X(sd2fld, kMeans, kDecimal, kFull)                                  \
  X(n2fld, kMeans, kByDesign, kFull)                                  \
  X(var1Fld, kVariances, kDecimal, kText)                             \
  X(n1fld1, kVariances, kCount, kFull)                                \
  X(var2Fld, kVariances, kDecimal, kText)                             \
  X(n2fld1, kVariances, kByDesign, kFull)                             \
  X(r2Fld1, kCorrelations, kSigned, kText)                            \
  X(n12fld, kCorrelations, kCount, kFull)                             \
  X(r2Fld2, kCorrelations, kSigned, kText)                            \
  X(n22fld, kCorrelations, kByDesign, kFull)                          \
  X(p1fld, kProportions, kSigned, kText)                              \
  X(n3fld1, kProportions, kCount, kFull)                              \
  X(p2fld, kProportions, kSigned, kText)                              \
  X(n3fld2, kProportions, kDecimal, kFull) /* unlike every other N */ \
  X(a1fld, kAlphas, kDecimal, kText)                                  \
  X(n4fld1, kAlphas, kCount, kFull)                                   \
  X(a2fld, kAlphas, kDecimal, kText)                                  \
  X(n4fld2, kAlphas, kByDesign, kFull)                                \
  X(m5fld1, kAUCs, kDecimal, kFull)                                   \
  X(sefld1, kAUCs, kDecimal, kFull)                                   \
  X(m5fld2, kAUCs, kDecimal, kText) /* unlike the other AUC fields */ \
  X(sefld2, kAUCs, kDecimal, kFull)                                   \
  X(r5Fld, kAUCs, kSigned, kFull)

namespace {

#define QV_FILTER_ROW(field, panel, keys, blanking) \
  {#field, {panel, KeySet::keys, Blanking::blanking}},
constexpr std::pair<std::string_view, Filter> kFilters[] = {QV_INPUT_FIELDS(QV_FILTER_ROW)};
#undef QV_FILTER_ROW

// The filter of the input field of this name.
const Filter& FilterOf(std::string_view field) {
  for (const auto& [name, filter] : kFilters) {
    if (name == field) return filter;
  }
  fw::ProgramError({"no input filter for the field ", field});
}

}  // namespace

#define QV_KEY_FILTER(field, ...)                                            \
  bool ControlWnd::field##_KeyDown(fw::TextField&, const std::string& key) { \
    return FilterKey(*this, FilterOf(#field), key);                          \
  }
QV_INPUT_FIELDS(QV_KEY_FILTER)
#undef QV_KEY_FILTER

void ControlWnd::InputField_Edited(fw::TextField& field) {
  BlankShownResults(*this, FilterOf(field.Name()));
}
