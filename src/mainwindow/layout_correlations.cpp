#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The Correlations tab. Columns: class, name, parent, left, top, width, height (window
// coordinates), TabIndex, caption or text, selected, visible, enabled, read-only, maximum
// characters, font, text colour, tooltip.
// clang-format off
const std::vector<Row> kCorrelationsTab = {
    {GroupBox, "GroupBox5", "TabPanel1", 47, 237, 140, 165, 3, "Sample 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "r2Fld1", "TabPanel1", 72, 262, 80, 22, 21, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "r2text1", "TabPanel1", 72, 284, 80, 18, 6, "r", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine5", "TabPanel1", 47, 323, 140, 4, 22, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n12fld", "TabPanel1", 72, 362, 80, 22, 5, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n1text2", "TabPanel1", 72, 379, 80, 18, 4, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox6", "TabPanel1", 205, 237, 140, 165, 7, "Sample 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "r2Fld2", "TabPanel1", 230, 262, 80, 22, 8, "", false, true, true, false, 9, kCourier12, 0x000000, ""},
    {Label, "r2text2", "TabPanel1", 230, 284, 80, 18, 10, "r", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine6", "TabPanel1", 205, 323, 140, 4, 23, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n22fld", "TabPanel1", 230, 362, 80, 22, 9, "", false, true, true, false, 4, kCourier12, 0x000000, ""},
    {Label, "n2text2", "TabPanel1", 230, 379, 80, 18, 11, "N", false, true, true, false, 0, kSystem10Bold, 0xCC0000, ""},
    {GroupBox, "typeBox2", "TabPanel1", 125, 146, 300, 40, 0, "", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "IBtn2", "TabPanel1", 129, 157, 150, 18, 1, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn2", "TabPanel1", 298, 157, 115, 18, 2, "Related", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld2", "TabPanel1", 379, 262, 80, 22, 16, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dftext2", "TabPanel1", 379, 284, 80, 18, 17, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld2", "TabPanel1", 379, 307, 80, 22, 12, "", false, true, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext2", "TabPanel1", 379, 327, 80, 18, 15, "t", false, true, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld2", "TabPanel1", 379, 360, 80, 22, 13, "", false, true, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail2", "TabPanel1", 380, 382, 80, 20, 14, "p", false, true, false, false, 0, kSystem11Bold, 0x777777, ""},
    {PushButton, "CalcBtn2", "TabPanel1", 47, 438, 80, 30, 18, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn2", "TabPanel1", 248, 438, 30, 30, 19, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn2", "TabPanel1", 411, 438, 80, 30, 20, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
