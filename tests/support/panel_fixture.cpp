#include "support/panel_fixture.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "framework/services.h"
#include "framework/text_services.h"
#include "support/number_text.h"
#include "windows/help_wnd.h"

void PanelTest::SetUp() {
  fw::SetMsgBoxHandler([this](const std::string& text) { messages.push_back(text); });
  fw::SetBeepHandler([this] { ++beeps; });
  window_ = &ControlWnd::Get();
}

void PanelTest::TearDown() {
  fw::SetMsgBoxHandler(nullptr);
  fw::SetBeepHandler(nullptr);
}

void PanelTest::EnterTab(int tab) {
  if (W().TabPanel1().Value() == tab) {
    // Already there: go round another tab so that entering it runs its Clear, as a click does.
    W().TabPanel1().SetValue(tab == 0 ? 1 : 0);
  }
  W().TabPanel1().SetValue(tab);
}

void PanelTest::Fill(std::initializer_list<std::pair<fw::TextField*, std::string>> entries) {
  for (const auto& [field, text] : entries) field->SetText(text);
}

void PanelTest::FillMeans(const char* m1, const char* sd1, const char* n1, const char* m2,
                          const char* sd2, const char* n2) {
  Fill({{&W().m1fld(), m1},
        {&W().sd1fld(), sd1},
        {&W().n1fld(), n1},
        {&W().m2fld(), m2},
        {&W().sd2fld(), sd2},
        {&W().n2fld(), n2}});
}

void PanelTest::Type(fw::TextField& field, const std::string& text) {
  field.SetFocus();
  QTest::keyClicks(field.Widget(), QString::fromStdString(text));
}

void PanelTest::Click(fw::Control& control) {
  QTest::mouseClick(control.Widget(), Qt::LeftButton);
}

QWidget* PanelTest::ClickWindowAt(QPoint at) {
  QWidget* window = W().Widget();
  QWidget* under = window->childAt(at);
  if (under) QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(window, at));
  return under;
}

QWidget* PanelTest::ClickAtPlace(const fw::Control& control) {
  const QWidget* widget = control.Widget();
  return ClickWindowAt(widget->mapTo(W().Widget(), widget->rect().center()));
}

void PanelTest::TypeAtCursor(const std::string& text) {
  QTest::keyClicks(W().Widget()->focusWidget(), QString::fromStdString(text));
}

void PanelTest::PressKey(Qt::Key key) {
  QTest::keyClick(W().Widget()->focusWidget(), key);
}

std::string PanelTest::FocusedName() const {
  const fw::Control* focused = window_->FocusedControl();
  return focused ? focused->Name() : "";
}

namespace {

using FieldOf = fw::TextField& (ControlWnd::*)() const;
using LabelOf = fw::Label& (ControlWnd::*)() const;

struct ResultControls {
  FieldOf statistic, df, p;
  LabelOf statisticCaption, dfCaption, pCaption;
};

const ResultControls kResults[] = {
    {&ControlWnd::tfld, &ControlWnd::dffld, &ControlWnd::pfld, &ControlWnd::ttext,
     &ControlWnd::dfText, &ControlWnd::dtail},
    {&ControlWnd::tfld1, &ControlWnd::dffld1, &ControlWnd::pfld1, &ControlWnd::ttext1,
     &ControlWnd::dftext1, &ControlWnd::dtail1},
    {&ControlWnd::tfld2, &ControlWnd::dffld2, &ControlWnd::pfld2, &ControlWnd::ttext2,
     &ControlWnd::dftext2, &ControlWnd::dtail2},
    {&ControlWnd::tfld3, &ControlWnd::dffld3, &ControlWnd::pfld3, &ControlWnd::ttext3,
     &ControlWnd::dftext3, &ControlWnd::dtail3},
    {&ControlWnd::tfld4, &ControlWnd::dffld4, &ControlWnd::pfld4, &ControlWnd::ttext4,
     &ControlWnd::dftext4, &ControlWnd::dtail4},
    {&ControlWnd::tfld5, &ControlWnd::dffld5, &ControlWnd::pfld5, &ControlWnd::ttext5,
     &ControlWnd::dftext5, &ControlWnd::dtail5},
};

}  // namespace

TabResults PanelTest::Results(int tab) const {
  const ResultControls& r = kResults[tab];
  const ControlWnd& w = *window_;
  return {(w.*r.statistic)(),        (w.*r.df)(),        (w.*r.p)(),
          (w.*r.statisticCaption)(), (w.*r.dfCaption)(), (w.*r.pCaption)()};
}

bool TabResults::AnyShown() const {
  return statistic.Visible() || df.Visible() || p.Visible() || statisticCaption.Visible() ||
         dfCaption.Visible() || pCaption.Visible();
}

std::string TabSuffix(int tab) { return tab == 0 ? "" : IntText(tab); }

HelpWindow& PanelHelp(int tab) {
  switch (tab) {
    case 0:
      return helpWnd::Get();
    case 1:
      return helpWnd1::Get();
    case 2:
      return helpWnd2::Get();
    case 3:
      return helpWnd3::Get();
    case 4:
      return helpWnd4::Get();
    default:
      return helpWnd5::Get();
  }
}

ShownResult Shown(fw::TextField& statistic, fw::TextField& df, fw::TextField& p) {
  return {statistic.Text(), df.Text(), p.Text(), statistic.Visible(), df.Visible(), p.Visible()};
}

std::string SignedThreeDecimals(double value) {
  return (value < 0 ? "-" : "+") + FixedText(std::fabs(value), 3);
}

// The p mask written out apart from the program's own formatting: four decimals, correctly
// rounded, and no digit before the point.
std::string ExpectedPText(double exactP) {
  std::string text = FixedText(std::max(exactP, 0.0001), 4);
  if (text.starts_with("0.")) text.erase(0, 1);
  return text;
}

bool PAgrees(const std::string& shown, double exactP) {
  // An exact p this close to a rounding boundary may round either way in the program's own
  // arithmetic.
  constexpr double kSlack = 1e-9;
  for (double p : {exactP, exactP - kSlack, exactP + kSlack}) {
    if (shown == ExpectedPText(p)) return true;
  }
  return false;
}

namespace {

template <class Distribution>
double TwoTailed(const Distribution& dist, double statistic) {
  return std::min(0.9999, 2 * boost::math::cdf(boost::math::complement(dist, std::fabs(statistic))));
}

}  // namespace

double ExactTwoTailedZ(double z) { return TwoTailed(boost::math::normal(), z); }

double ExactTwoTailedT(double t, double df) { return TwoTailed(boost::math::students_t(df), t); }

double ExactTwoSidedF(double f, double df1, double df2) {
  const double upper = boost::math::cdf(boost::math::complement(boost::math::fisher_f(df1, df2), f));
  return std::min(0.9999, 2 * std::min(upper, 1 - upper));
}

namespace {

TextPlacement PlacementIn(QLineEdit* edit) {
  edit->grab();  // painting places the text; moving the cursor below does not until the next
  const int cursor = edit->cursorPosition();
  auto xAt = [edit](int position) {
    edit->setCursorPosition(position);
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  };
  const int start = xAt(0);
  const int end = xAt(static_cast<int>(edit->text().size()));
  edit->setCursorPosition(cursor);
  QStyleOptionFrame option;
  option.initFrom(edit);
  const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
  const QRect inner = edit->contentsRect().adjusted(frame, 0, -frame, 0);
  return {start, end, inner.left(), inner.right(),
          QFontMetrics(edit->font()).horizontalAdvance(edit->text())};
}

}  // namespace

TextPlacement Placement(fw::TextField& field) {
  return PlacementIn(static_cast<QLineEdit*>(field.Widget()));
}

PlainFit FitOf(const fw::TextField& field, const std::string& text, int pixels) {
  const auto* like = static_cast<const QLineEdit*>(field.Widget());
  QLineEdit plain(like->parentWidget());
  QFont font = like->font();
  font.setPixelSize(pixels);
  plain.setFont(font);
  plain.setAlignment(like->alignment());
  plain.setReadOnly(true);
  plain.resize(like->size());
  plain.setText(QString::fromStdString(text));  // the cursor after the text
  const TextPlacement atEnd = PlacementIn(&plain);
  plain.setCursorPosition(0);
  const TextPlacement atStart = PlacementIn(&plain);
  return {atStart.start == atEnd.start && atStart.Whole(), atStart.Whole()};
}

void ExpectAsManyDigitsAsFit(const fw::TextField& field, const std::string& fixed, int digits) {
  constexpr int kMostDigits = 17;  // as many as a double holds
  if (digits >= kMostDigits) return;
  const std::string longer = fw::ExponentForm(fixed, digits + 1);
  EXPECT_FALSE(FitOf(field, longer, kSmallestResultPixels).aligned)
      << field.Name() << " shows " << digits << " digits, but " << longer << " fits too";
}
