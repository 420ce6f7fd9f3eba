// The result fields: a statistic too long for its 80-pixel field shows from its first character,
// in a smaller font where that makes it fit, with the whole text as a tooltip and a mark at the
// cut where it still does not; every text that fits looks as it always did.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "support/panel_fixture.h"

namespace {

class ResultFields : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    EnterTab(0);
    field().SetVisible(true);
    field().SetEnabled(true);
  }
  fw::TextField& field() { return W().tfld(); }
  QLineEdit* edit() { return static_cast<QLineEdit*>(field().Widget()); }

  // A plain line edit dressed as the field, showing the text as the field would have before.
  QImage PlainLook(const std::string& text, bool fromStart = false) {
    QLineEdit plain(edit()->parentWidget());
    plain.setFont(edit()->font());
    plain.setAlignment(edit()->alignment());
    plain.setPalette(edit()->palette());
    plain.setReadOnly(true);
    plain.resize(edit()->size());
    plain.setText(QString::fromStdString(text));
    if (fromStart) plain.setCursorPosition(0);
    return plain.grab().toImage();
  }
};

// A statistic as the mask writes it, with a sign and three decimals, of the given length.
std::string Statistic(int length) {
  std::string digits;
  for (int i = 0; static_cast<int>(digits.size()) < length - 5; ++i) digits += "1234567890"[i % 10];
  return (length % 2 ? "+" : "-") + digits + ".964";
}

TEST_F(ResultFields, ALongStatisticShowsFromItsFirstCharacterAndStaysWhole) {
  const int ownPixels = edit()->font().pixelSize();
  for (int length = 10; length <= 25; ++length) {
    const std::string text = Statistic(length);
    SCOPED_TRACE(text);
    field().SetText(text);
    const TextPlacement at = Placement(field());
    EXPECT_TRUE(at.FromStart()) << "the text starts at " << at.start << ", the field at "
                                << at.left;
    const int pixels = edit()->font().pixelSize();
    EXPECT_LE(pixels, ownPixels);
    EXPECT_GE(pixels, 8) << "no smaller than can be read";
    if (at.Whole()) {
      EXPECT_EQ(field().HelpTag(), "") << "a text on show whole needs no tooltip";
    } else {
      EXPECT_EQ(pixels, 8) << "a text is cut only at the smallest font";
      EXPECT_EQ(field().HelpTag(), text);
    }
    EXPECT_EQ(field().Text(), text);
    edit()->selectAll();
    edit()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text) << "copied whole";
  }
  field().SetText("+1.234");
  EXPECT_EQ(edit()->font().pixelSize(), ownPixels);
  EXPECT_EQ(field().HelpTag(), "");
}

TEST_F(ResultFields, EveryTextThatFitsLooksAsBefore) {
  for (const char* text :
       {"+1.234", "-0.425", ".6747", "40,30", "19996", "+9999.999", "-12345.964", "-INF", ""}) {
    field().SetText(text);
    EXPECT_EQ(edit()->grab().toImage(), PlainLook(text)) << text;
    EXPECT_EQ(field().HelpTag(), "") << text;
  }
}

TEST_F(ResultFields, ATextCutAtTheSmallestFontShowsAMarkWhereItIsCut) {
  const std::string text = Statistic(25);
  field().SetText(text);
  ASSERT_FALSE(Placement(field()).Whole());
  const QImage shown = edit()->grab().toImage();
  const QImage plain = PlainLook(text, true);
  const int w = shown.width();
  EXPECT_EQ(shown.copy(0, 0, w / 2, shown.height()), plain.copy(0, 0, w / 2, plain.height()))
      << "the start reads as the plain text from its start";
  EXPECT_NE(shown.copy(w - 14, 0, 14, shown.height()), plain.copy(w - 14, 0, 14, plain.height()))
      << "the cut end is marked";
  // Clicked into, the field lets the user move through the whole text; leaving it shows the
  // start again.
  W().Show();
  QApplication::setActiveWindow(W().Widget());
  field().SetFocus();
  ASSERT_TRUE(field().HasFocus());
  edit()->end(false);
  EXPECT_FALSE(Placement(field()).FromStart());
  W().m1fld().SetFocus();
  EXPECT_TRUE(Placement(field()).FromStart());
}

// A result is one number: a double-click anywhere in it selects all of it, so that a copy takes
// the whole number. An input keeps the usual selection of a word.
TEST_F(ResultFields, ADoubleClickSelectsAWholeResultAndAWordOfAnInput) {
  Fill({{&W().m1fld(), "99.67"},
        {&W().sd1fld(), "13.872"},
        {&W().n1fld(), "12"},
        {&W().m2fld(), "102.0"},
        {&W().sd2fld(), "13.995"},
        {&W().n2fld(), "14"}});
  Press(W().CalcBtn());
  ASSERT_EQ(W().tfld().Text(), "-0.425");
  W().Show();
  QApplication::setActiveWindow(W().Widget());
  auto doubleClick = [](fw::TextField& field, int x) {
    QTest::mouseDClick(field.Widget(), Qt::LeftButton, {}, QPoint(x, field.Widget()->height() / 2));
    return static_cast<QLineEdit*>(field.Widget())->selectedText().toStdString();
  };
  for (fw::TextField* result : {&W().tfld(), &W().dffld(), &W().pfld()}) {
    const TextPlacement at = Placement(*result);
    for (int x : {at.start + 2, (at.start + at.end) / 2, at.end - 2}) {
      EXPECT_EQ(doubleClick(*result, x), result->Text()) << result->Name() << " at " << x;
    }
  }
  W().m1fld().SetText(".2710");
  const TextPlacement at = Placement(W().m1fld());
  EXPECT_EQ(doubleClick(W().m1fld(), at.end - 2), "2710");
}

}  // namespace
