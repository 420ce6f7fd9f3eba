#include "mainwindow/tab_layouts.h"

namespace layout {

using enum fw::ControlClass;

// The Means tab. Columns: class, name, parent, left, top, width, height (window coordinates),
// TabIndex, caption or text, selected, visible, enabled, read-only, maximum characters, font,
// text colour, tooltip.
// clang-format off
const std::vector<Row> kMeansTab = {
    {GroupBox, "GroupBox1", "TabPanel1", 47, 237, 140, 165, 27, "Sample 1", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "m1fld", "TabPanel1", 72, 262, 80, 22, 1, "", false, true, true, false, 9, kSystem12, 0x000000, ""},
    {Label, "StaticText2", "TabPanel1", 72, 284, 80, 18, 24, "Mean", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {TextField, "sd1fld", "TabPanel1", 72, 307, 80, 22, 2, "", false, true, true, false, 9, kSystem12, 0x000000, ""},
    {Label, "StaticText3", "TabPanel1", 58, 329, 110, 18, 25, "Standard Deviation", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine1", "TabPanel1", 49, 348, 136, 4, 20, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n1fld", "TabPanel1", 72, 362, 80, 22, 3, "", false, true, true, false, 4, kSystem12, 0x000000, ""},
    {Label, "StaticText1", "TabPanel1", 72, 381, 80, 18, 26, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "GroupBox2", "TabPanel1", 205, 237, 140, 165, 0, "Sample 2", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "m2fld", "TabPanel1", 230, 262, 80, 22, 4, "", false, true, true, false, 9, kSystem12, 0x000000, ""},
    {Label, "StaticText5", "TabPanel1", 230, 284, 80, 18, 21, "Mean", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {TextField, "sd2fld", "TabPanel1", 230, 307, 80, 22, 5, "", false, true, true, false, 9, kSystem12, 0x000000, ""},
    {Label, "StaticText6", "TabPanel1", 216, 329, 110, 18, 22, "Standard Deviation", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {Separator, "SepLine2", "TabPanel1", 207, 348, 136, 4, 19, "", false, false, true, false, 0, kNoFont, kBlack, ""},
    {TextField, "n2fld", "TabPanel1", 230, 362, 80, 22, 6, "", false, true, true, false, 4, kSystem12, 0x000000, ""},
    {Label, "n2text", "TabPanel1", 230, 381, 80, 18, 23, "N", false, true, true, false, 0, kSystem10, 0xCC0000, ""},
    {GroupBox, "typeBox", "TabPanel1", 75, 145, 375, 40, 7, "", false, true, true, false, 0, kSystem12Bold, kBlack, ""},
    {RadioButton, "IBtn", "TabPanel1", 81, 157, 99, 18, 8, "Independent", true, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "RBtn", "TabPanel1", 208, 157, 69, 18, 9, "Related", false, true, true, false, 0, kSystem12, kBlack, ""},
    {RadioButton, "SBtn", "TabPanel1", 302, 156, 142, 20, 28, "Sample/Population", false, true, true, false, 0, kSystem12, kBlack, ""},
    {TextField, "dffld", "TabPanel1", 379, 262, 80, 22, 14, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dfText", "TabPanel1", 379, 284, 80, 18, 15, "df", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "tfld", "TabPanel1", 379, 307, 80, 22, 10, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "ttext", "TabPanel1", 379, 327, 80, 18, 13, "t", false, false, false, false, 0, kSystem12Bold, 0x999999, ""},
    {TextField, "pfld", "TabPanel1", 380, 362, 80, 22, 11, "", false, false, false, true, 9, kSystem12, 0x800002, ""},
    {Label, "dtail", "TabPanel1", 380, 382, 80, 20, 12, "p", false, false, false, false, 0, kSystem11BoldItalic, 0x777777, ""},
    {PushButton, "CalcBtn", "TabPanel1", 47, 438, 80, 30, 16, "Calculate", false, true, true, false, 0, kSystem12, kBlack, ""},
    {Canvas, "helpBtn", "TabPanel1", 248, 438, 30, 30, 18, "", false, true, true, false, 0, kNoFont, kBlack, ""},
    {PushButton, "ClearBtn", "TabPanel1", 411, 438, 80, 30, 17, "Clear", false, true, true, false, 0, kSystem12, kBlack, ""},
};
// clang-format on

}  // namespace layout
