#pragma once

#include <cstdint>
#include <string>

namespace fw {

class Picture;

enum class ControlClass {
  Label,
  TextField,
  TextArea,
  GroupBox,
  RadioButton,
  PushButton,
  Canvas,
  Separator,
  TabPanel,
  Timer,
};

// Horizontal alignment of a label's or field's text.
enum Alignment : int { kAlignDefault = 0, kAlignLeft = 1, kAlignCenter = 2, kAlignRight = 3 };

struct Font {
  std::string name = "System";  // "System" (the UI font) or "Courier" (monospaced)
  double size = 12;             // points; one point is one device-independent pixel
  bool bold = false;
  bool italic = false;
};

constexpr std::uint32_t kBlack = 0x000000;

// The property set of one control. Left and Top are in the window's coordinates, whatever the
// parent; the builder maps them into the parent. Colours are 0x00RRGGBB.
struct ControlSpec {
  ControlClass cls = ControlClass::Label;
  std::string name;
  std::string parent;     // empty: the window; else a tab panel or group box by name
  int tabPanelIndex = 0;  // page of the tab panel, from 1; 0 when not on a tab panel
  int left = 0, top = 0, width = 0, height = 0;
  int tabIndex = 0;
  bool tabStop = true;
  bool visible = true;
  bool enabled = true;
  std::string text;    // label text, caption, field text, or the tab panel's tabs joined by "\r"
  bool value = false;  // radio button selected; for a tab panel see selectedTab
  int selectedTab = 0;
  bool readOnly = false;
  int maxChars = 0;  // 0: no limit
  // Text field: the only characters a pasted or dropped text may hold once the white space round
  // it is trimmed off; empty: any text, taken as it is.
  std::string pasteCharacters;
  std::string tooltip;
  Font font;
  std::uint32_t textColor = kBlack;
  std::uint32_t backgroundColor = 0xFFFFFF;  // text fields and text areas
  int alignment = kAlignDefault;
  bool multiline = false;
  bool hasVerticalScrollbar = false;
  int tabWidth = 0;                 // text area: pixels between tab stops; 0 for the platform's
  bool hideSelection = false;       // text area: no selection drawn while it lacks the focus
  bool isDefault = false;           // push button marked as the window's default
  bool allowFocus = true;           // canvas: may take the keyboard focus
  Picture (*backdrop)() = nullptr;  // canvas: its picture, got when the control is made
  int runMode = 0;                  // timer: 0 off, 1 once, 2 repeatedly
  int period = 1000;                // timer: milliseconds
};

}  // namespace fw
