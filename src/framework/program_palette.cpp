#include "framework/program_palette.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QToolTip>
#include <QtGlobal>

namespace fw::detail {
namespace {

struct RoleColours {
  QPalette::ColorRole role;
  QRgb normal;    // active and inactive
  QRgb disabled;  // disabled controls
};

// Every role is given, so that nothing of a theme's palette fills a gap.
constexpr RoleColours kRoles[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::NoRole, 0xFF000000, 0xFF000000},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    {QPalette::Accent, 0xFF308CC6, 0xFF919191},
#endif
};

// The kinds of control for which a platform theme can hand over a palette of their own, which
// would otherwise stand in front of the application's.
constexpr const char* kThemedClasses[] = {
    "QToolButton",      "QAbstractButton", "QCheckBox",
    "QRadioButton",     "QHeaderView",     "QAbstractItemView",
    "QMessageBoxLabel", "QTabBar",         "QLabel",
    "QGroupBox",        "QMenu",           "QMenuBar",
    "QTextEdit",        "QTextControl",    "QLineEdit",
};

QPalette MakeProgramPalette() {
  QPalette palette;
  for (const RoleColours& colours : kRoles) {
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, colours.role, QColor::fromRgba(colours.normal));
    }
    palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
  }
  return palette;
}

}  // namespace

const QPalette& ProgramPalette() {
  static const QPalette palette = MakeProgramPalette();
  return palette;
}

void PinProgramPalette() {
  const QPalette& ours = ProgramPalette();
  // Setting the application's palette clears every class's own, so it comes first.
  if (QApplication::palette() != ours) QApplication::setPalette(ours);
  for (const char* name : kThemedClasses) {
    if (QApplication::palette(name) != ours) QApplication::setPalette(ours, name);
  }
  if (QToolTip::palette() != ours) QToolTip::setPalette(ours);
}

}  // namespace fw::detail
