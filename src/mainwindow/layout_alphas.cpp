#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The Alphas tab. Columns: class, name, parent, left, top, width, height (window coordinates),
// TabIndex, caption or text, selected, visible, enabled, read-only, maximum characters, font,
// text colour, tooltip.
// clang-format off
const std::vector<Row> kAlphasTab = {
    {GroupBox, "GroupBox9", "TabPanel1", 47, 237, 140, 165, 2, "Test 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "a1fld", "GroupBox9", 72, 262, 80, 22, 1, "", false, true, true, false, 9, kCourier12, 0x000000, "r of Variable 1 with Variable 2"},
    {Label, "a1text", "GroupBox9", 72, 284, 80, 18, 3, "Alpha", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine7", "GroupBox9", 47, 325, 140, 4, 4, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n4fld1", "GroupBox9", 72, 359, 80, 22, 2, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n4text1", "GroupBox9", 72, 379, 80, 18, 0, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox10", "TabPanel1", 205, 237, 140, 165, 0, "Test 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "a2fld", "GroupBox10", 230, 262, 80, 22, 0, "", false, true, true, false, 9, kCourier12, 0x000000, "r of Variable 1 and Variable 3"},
    {Label, "a2text", "GroupBox10", 230, 284, 80, 18, 2, "Alpha", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine8", "GroupBox10", 205, 325, 140, 4, 4, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n4fld2", "GroupBox10", 230, 359, 80, 22, 1, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n4text2", "GroupBox10", 230, 379, 80, 18, 3, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "typeBox31", "TabPanel1", 125, 146, 300, 40, 1, "", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "IBtn4", "typeBox31", 129, 157, 120, 18, 0, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn4", "typeBox31", 298, 157, 115, 18, 1, "Related", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld4", "TabPanel1", 379, 262, 80, 22, 7, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dftext4", "TabPanel1", 379, 284, 80, 18, 8, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld4", "TabPanel1", 379, 307, 80, 22, 3, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext4", "TabPanel1", 379, 327, 80, 18, 6, "F", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld4", "TabPanel1", 379, 360, 80, 22, 4, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail4", "TabPanel1", 379, 382, 80, 20, 5, "p", false, false, false, false, 0, kSystem11Bold, 0x777777, ""},
    {PushButton, "CalcBtn4", "TabPanel1", 47, 438, 80, 30, 9, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn4", "TabPanel1", 248, 438, 30, 30, 10, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn4", "TabPanel1", 411, 438, 80, 30, 11, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
