#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The Variances tab. Columns: class, name, parent, left, top, width, height (window coordinates),
// TabIndex, caption or text, selected, visible, enabled, read-only, maximum characters, font,
// text colour, tooltip.
// clang-format off
const std::vector<Row> kVariancesTab = {
    {GroupBox, "GroupBox3", "TabPanel1", 47, 237, 140, 165, 10, "Sample 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "var1Fld", "TabPanel1", 72, 262, 80, 22, 12, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "Var1Text", "TabPanel1", 72, 284, 80, 18, 16, "Variance", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine3", "TabPanel1", 47, 323, 140, 4, 23, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n1fld1", "TabPanel1", 72, 362, 80, 22, 13, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "StaticText10", "TabPanel1", 72, 379, 80, 18, 11, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox4", "TabPanel1", 205, 237, 140, 165, 0, "Sample 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "var2Fld", "TabPanel1", 230, 262, 80, 22, 14, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "StaticText13", "TabPanel1", 230, 284, 80, 18, 17, "Variance", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine4", "TabPanel1", 205, 323, 140, 4, 22, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n2fld1", "TabPanel1", 230, 362, 80, 22, 15, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "rtext2", "TabPanel1", 230, 379, 80, 18, 18, "N", false, true, true, false, 0, kSystem10Bold, 0xCC0000, ""},
    {GroupBox, "typeBox1", "TabPanel1", 125, 146, 300, 40, 19, "", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "IBtn1", "TabPanel1", 129, 157, 150, 18, 20, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn1", "TabPanel1", 298, 157, 115, 18, 21, "Related", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld1", "TabPanel1", 379, 262, 80, 22, 5, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dftext1", "TabPanel1", 379, 284, 80, 18, 6, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld1", "TabPanel1", 379, 307, 80, 22, 1, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext1", "TabPanel1", 379, 327, 80, 18, 4, "t", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld1", "TabPanel1", 379, 360, 80, 22, 2, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail1", "TabPanel1", 380, 379, 80, 20, 3, "p", false, false, false, false, 0, kSystem11Bold, 0x777777, ""},
    {PushButton, "CalcBtn1", "TabPanel1", 47, 438, 80, 30, 8, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn1", "TabPanel1", 248, 438, 30, 30, 7, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn1", "TabPanel1", 411, 438, 80, 30, 9, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
