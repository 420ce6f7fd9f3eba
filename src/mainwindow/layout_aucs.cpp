#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The AUCs tab. Columns: class, name, parent, left, top, width, height (window coordinates),
// TabIndex, caption or text, selected, visible, enabled, read-only, maximum characters, font,
// text colour, tooltip.
// clang-format off
const std::vector<Row> kAUCsTab = {
    {GroupBox, "GroupBox11", "TabPanel1", 46, 237, 140, 165, 0, "Sample 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "m5fld1", "TabPanel1", 72, 262, 80, 22, 4, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "StaticText15", "TabPanel1", 72, 284, 80, 18, 6, "AUC", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {TextField, "sefld1", "TabPanel1", 72, 307, 80, 22, 5, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "setext1", "TabPanel1", 58, 329, 110, 18, 7, "Standard Error", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox12", "TabPanel1", 205, 237, 140, 165, 8, "Sample 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "m5fld2", "TabPanel1", 230, 262, 80, 22, 9, "", false, true, true, false, 9, kCourier12, 0x000000, "r of Variable 1 and Variable 3"},
    {Label, "a2text1", "TabPanel1", 230, 284, 80, 18, 11, "AUC", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    // 9 characters, as sefld1: with 4 the smallest standard error that the panel accepts, .0001,
    // could not be typed.
    {TextField, "sefld2", "TabPanel1", 230, 307, 80, 22, 10, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "setext2", "TabPanel1", 230, 329, 80, 18, 12, "Standard Error", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine9", "TabPanel1", 205, 348, 140, 4, 24, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "r5Fld", "TabPanel1", 230, 359, 80, 22, 13, "", false, false, true, false, 6, kCourier12, 0x000000, ""},
    {Label, "rtext5", "TabPanel1", 230, 379, 80, 18, 14, "r", false, false, true, false, 0, kSystem10Bold, 0xCC0000, ""},
    {GroupBox, "typeBox311", "TabPanel1", 125, 146, 300, 40, 1, "", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "IBtn5", "TabPanel1", 129, 157, 120, 18, 2, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn5", "TabPanel1", 298, 157, 115, 18, 3, "Related", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld5", "TabPanel1", 379, 262, 80, 22, 19, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dftext5", "TabPanel1", 379, 284, 80, 18, 20, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld5", "TabPanel1", 379, 307, 80, 22, 15, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext5", "TabPanel1", 379, 327, 80, 18, 18, "z", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld5", "TabPanel1", 379, 360, 80, 22, 16, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail5", "TabPanel1", 379, 382, 80, 20, 17, "p", false, false, false, false, 0, kSystem11Bold, 0x777777, ""},
    {PushButton, "CalcBtn5", "TabPanel1", 47, 438, 80, 30, 21, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn5", "TabPanel1", 248, 438, 30, 30, 22, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn5", "TabPanel1", 411, 438, 80, 30, 23, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
