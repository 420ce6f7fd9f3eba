#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The Proportions tab. Columns: class, name, parent, left, top, width, height (window coordinates),
// TabIndex, caption or text, selected, visible, enabled, read-only, maximum characters, font,
// text colour, tooltip.
// clang-format off
const std::vector<Row> kProportionsTab = {
    {GroupBox, "GroupBox7", "TabPanel1", 47, 237, 140, 165, 3, "Sample 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "p1fld", "TabPanel1", 72, 262, 80, 22, 5, "", false, true, true, false, 9, kCourier12, 0x000000, "r of Variable 1 with Variable 2"},
    {Label, "p1text", "TabPanel1", 72, 284, 80, 18, 7, "Proportion", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {TextField, "n3fld1", "TabPanel1", 72, 362, 80, 22, 6, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n3text1", "TabPanel1", 72, 379, 80, 18, 4, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox8", "TabPanel1", 205, 237, 140, 165, 8, "Sample 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "p2fld", "TabPanel1", 230, 262, 80, 22, 9, "", false, true, true, false, 9, kCourier12, 0x000000, "r of Variable 1 and Variable 3"},
    {Label, "p2text", "TabPanel1", 230, 284, 80, 18, 11, "Proportion", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {TextField, "n3fld2", "TabPanel1", 230, 362, 80, 22, 10, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n3text2", "TabPanel1", 230, 379, 80, 18, 12, "N", false, true, true, false, 0, kSystem10Bold, 0xCC0000, ""},
    {GroupBox, "typeBox3", "TabPanel1", 125, 146, 300, 40, 0, "", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "IBtn3", "TabPanel1", 129, 157, 120, 18, 1, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn3", "TabPanel1", 271, 157, 140, 18, 2, "Observed-Expected", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld3", "TabPanel1", 379, 262, 80, 22, 17, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dftext3", "TabPanel1", 379, 284, 80, 18, 18, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld3", "TabPanel1", 379, 307, 80, 22, 13, "", false, true, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext3", "TabPanel1", 379, 327, 80, 18, 16, "z", false, true, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld3", "TabPanel1", 379, 360, 80, 22, 14, "", false, true, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail3", "TabPanel1", 380, 382, 80, 20, 15, "p", false, true, false, false, 0, kSystem11Bold, 0x777777, ""},
    {PushButton, "CalcBtn3", "TabPanel1", 47, 438, 80, 30, 19, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn3", "TabPanel1", 248, 438, 30, 30, 20, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn3", "TabPanel1", 411, 438, 80, 30, 21, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
