// The result fields: a statistic too long for its 80-pixel field shows from its first character,
// in a smaller font where that makes it fit, and in exponent form with as many digits as fit
// where it still does not, with the whole text as a tooltip; every text that fits looks as it
// always did.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "support/number_text.h"
#include "support/panel_fixture.h"
#include "support/user_actions.h"

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

  // A plain line edit dressed as the field (tfld unless another is given), showing the text as
  // the field would have before.
  QImage PlainLook(const std::string& text, bool fromStart = false, QLineEdit* like = nullptr) {
    if (!like) like = edit();
    QLineEdit plain(like->parentWidget());
    plain.setFont(like->font());
    plain.setAlignment(like->alignment());
    plain.setPalette(like->palette());
    plain.setReadOnly(true);
    plain.resize(like->size());
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

// The numbers of a text in exponent form, one for each part joined by ",". Each part must be a
// sign (where the fixed form has one), a digit, a point and digits (unless only one digit fits),
// "E", the exponent's sign and two or three digits; otherwise there are none.
struct ExponentPart {
  double value;
  int significantDigits;
  int exponent;
};
std::vector<ExponentPart> ExponentParts(const std::string& shown, bool signed_) {
  const std::regex form(signed_ ? R"([+-](\d)(?:\.(\d+))?E([+-]\d{2,3}))"
                                : R"((\d)(?:\.(\d+))?E([+-]\d{2,3}))");
  std::vector<ExponentPart> parts;
  size_t start = 0;
  for (;;) {
    const size_t comma = shown.find(',', start);
    const std::string part = shown.substr(start, comma - start);
    std::smatch m;
    if (!std::regex_match(part, m, form)) return {};
    parts.push_back({ReadNumber(part), 1 + static_cast<int>(m[2].length()),
                     static_cast<int>(ReadNumber(m[3].str()))});
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

TEST_F(ResultFields, ALongStatisticShowsFromItsFirstCharacterAndFitsWhole) {
  const int ownPixels = edit()->font().pixelSize();
  bool shortened = false;
  for (int length = 10; length <= 25; ++length) {
    const std::string text = Statistic(length);
    SCOPED_TRACE(text);
    field().SetText(text);
    const TextPlacement at = Placement(field());
    EXPECT_TRUE(at.FromStart()) << "the text starts at " << at.start << ", the field at "
                                << at.left;
    EXPECT_TRUE(at.Whole()) << "a number is never cut";
    const int pixels = edit()->font().pixelSize();
    EXPECT_LE(pixels, ownPixels);
    EXPECT_GE(pixels, kSmallestResultPixels) << "no smaller than can be read";
    if (field().Text() == text) {
      EXPECT_FALSE(shortened) << "a longer number was shortened, this one is not";
      EXPECT_EQ(field().HelpTag(), "") << "a text on show whole needs no tooltip";
    } else {
      shortened = true;
      EXPECT_EQ(pixels, kSmallestResultPixels)
          << "a number is shortened only when it does not fit at the smallest font";
      EXPECT_EQ(ExponentParts(field().Text(), true).size(), 1u) << field().Text();
      EXPECT_EQ(field().HelpTag(), text);
    }
    edit()->selectAll();
    edit()->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), field().Text())
        << "copied as shown";
  }
  EXPECT_TRUE(shortened) << "the longest numbers do not fit at any font";
  field().SetText("+1.234");
  EXPECT_EQ(edit()->font().pixelSize(), ownPixels);
  EXPECT_EQ(field().HelpTag(), "");
}

// Which of these texts fit at the field's own font depends on the font's widths; one that does
// not is shown whole in a smaller one. The shortest, six characters of 12 pixels in 80, fits in
// any font.
TEST_F(ResultFields, EveryTextThatFitsLooksAsBefore) {
  const int ownPixels = edit()->font().pixelSize();
  EXPECT_TRUE(FitOf(field(), "+1.234", ownPixels).aligned);
  for (const char* text :
       {"+1.234", "-0.425", ".6747", "40,30", "19996", "+9999.999", "-12345.964", "-INF", ""}) {
    field().SetText(text);
    if (FitOf(field(), text, ownPixels).aligned) {
      EXPECT_EQ(edit()->grab().toImage(), PlainLook(text)) << text;
    } else {
      EXPECT_TRUE(Placement(field()).Whole()) << text << " is cut";
    }
    EXPECT_EQ(field().HelpTag(), "") << text;
  }
}

// A number in exponent form: the sign of the fixed form, the most significant digits, correctly
// rounded, that fit, painted whole with no cut mark, copied as shown, and the fixed form as the
// tooltip. Magnitudes from what the Means panel gives for a mean of 123456789 and an SD of .001 to
// what only a pasted value could give, negative ones, a rounding that carries into a new power of
// ten, and a p and a pair of degrees of freedom, should they ever be that long. How many digits
// fit depends on the font's widths: in a narrow font the shortest of these numbers fits whole at
// the smallest size, and is shown as it is.
TEST_F(ResultFields, ANumberTooLongAtTheSmallestFontShowsInExponentForm) {
  struct Case {
    fw::TextField& field;
    std::string fixed;
    std::vector<double> exact;
  };
  auto statistic = [&](double t) { return Case{W().tfld(), SignedThreeDecimals(t), {t}}; };
  const Case cases[] = {
      statistic(2.46913578e11),
      statistic(18257418455000.37),
      statistic(1.8257418455e17),
      statistic(-1.8257418455e17),
      statistic(1e300),
      statistic(-9.87654321e300),
      statistic(99999999999999.984375),
      Case{W().pfld(), FixedText(1.5e20, 4), {1.5e20}},
      Case{W().dffld(),
           "123456789012345678,98765432109876543",
           {123456789012345678.0, 98765432109876543.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixed);
    auto* edit = static_cast<QLineEdit*>(c.field.Widget());
    c.field.SetVisible(true);
    c.field.SetEnabled(true);
    c.field.SetText(c.fixed);
    const std::string shown = c.field.Text();
    if (FitOf(c.field, c.fixed, kSmallestResultPixels).wholeFromStart) {
      EXPECT_EQ(shown, c.fixed) << "shortened, though it fits at the smallest font";
      EXPECT_EQ(c.field.HelpTag(), "");
      continue;
    }
    const bool hasSign = c.fixed[0] == '+' || c.fixed[0] == '-';
    const std::vector<ExponentPart> parts = ExponentParts(shown, hasSign);
    ASSERT_EQ(parts.size(), c.exact.size()) << shown << " is not in exponent form";
    if (hasSign) {
      EXPECT_EQ(shown[0], c.fixed[0]) << shown;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
      const ExponentPart& part = parts[i];
      const double lastDigit = std::pow(10.0, part.exponent - part.significantDigits + 1);
      EXPECT_LE(std::fabs(part.value - c.exact[i]), lastDigit / 2 * (1 + 1e-12))
          << shown << " reads as " << part.value;
    }
    EXPECT_TRUE(Placement(c.field).Whole());
    ExpectAsManyDigitsAsFit(c.field, c.fixed, parts.front().significantDigits);
    EXPECT_EQ(c.field.HelpTag(), c.fixed);
    EXPECT_EQ(edit->grab().toImage(), PlainLook(shown, false, edit))
        << "painted as it reads, uncut";
    edit->selectAll();
    edit->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), shown);
  }
  field().SetText("+2.469");
  EXPECT_EQ(field().Text(), "+2.469");
  EXPECT_EQ(field().HelpTag(), "") << "a text that fits has no tooltip";
}

TEST_F(ResultFields, AStatisticTooLongForTheMeansFieldShowsInExponentForm) {
  struct Case {
    const char *mean, *population, *sd, *n;
  };
  W().SBtn().SetValue(true);
  for (const Case& c :
       {Case{"123456789", "0", ".001", "4"}, Case{"999999999", "0", ".0001", "9999"},
        Case{"0", "999999999", ".0000001", "4"}, Case{"999999999", "0", ".00000001", "9999"}}) {
    Fill({{&W().m1fld(), ""}, {&W().m2fld(), ""}, {&W().sd1fld(), ""}, {&W().n1fld(), ""}});
    Type(W().m1fld(), c.mean);
    Type(W().m2fld(), c.population);
    Type(W().sd1fld(), c.sd);
    Type(W().n1fld(), c.n);
    Press(W().CalcBtn());
    ASSERT_TRUE(messages.empty()) << LastMessage();
    const double n = ReadNumber(c.n);
    const double t =
        (ReadNumber(c.mean) - ReadNumber(c.population)) / (ReadNumber(c.sd) / std::sqrt(n));
    const std::string shown = field().Text();
    SCOPED_TRACE(shown);
    EXPECT_EQ(W().pfld().Text(), ExpectedPText(ExactTwoTailedT(t, n - 1)));
    EXPECT_EQ(W().dffld().Text(), IntText(static_cast<int>(n) - 1));
    EXPECT_TRUE(Placement(field()).Whole());
    if (FitOf(field(), SignedThreeDecimals(t), kSmallestResultPixels).wholeFromStart) {
      EXPECT_EQ(shown, SignedThreeDecimals(t)) << "shortened, though it fits at the smallest font";
      continue;
    }
    const std::vector<ExponentPart> parts = ExponentParts(shown, true);
    ASSERT_EQ(parts.size(), 1u) << "not in exponent form";
    EXPECT_EQ(shown[0], t < 0 ? '-' : '+');
    EXPECT_LE(std::fabs(parts[0].value - t),
              std::pow(10.0, parts[0].exponent - parts[0].significantDigits + 1) / 2 * (1 + 1e-9));
    EXPECT_NEAR(ReadNumber(field().HelpTag()), t, std::fabs(t) * 1e-14) << field().HelpTag();
    EXPECT_EQ(field().HelpTag().substr(field().HelpTag().size() - 4, 1), ".");
    ExpectAsManyDigitsAsFit(field(), field().HelpTag(), parts[0].significantDigits);
  }
}

// Text that is no number cannot be shortened to exponent form; it is cut with a mark instead.
TEST_F(ResultFields, ATextCutAtTheSmallestFontShowsAMarkWhereItIsCut) {
  const std::string text = "No number is this long or this wordy";
  field().SetText(text);
  EXPECT_EQ(field().Text(), text);
  EXPECT_EQ(field().HelpTag(), text);
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
  ASSERT_TRUE(ActivateWindow(W()));
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
  FillMeans("99.67", "13.872", "12", "102.0", "13.995", "14");
  Press(W().CalcBtn());
  ASSERT_EQ(W().tfld().Text(), "-0.425");
  W().Show();
  ASSERT_TRUE(ActivateWindow(W()));
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
