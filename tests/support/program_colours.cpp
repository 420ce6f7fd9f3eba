#include "support/program_colours.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <QToolTip>

#include "mainwindow/control_wnd.h"
#include "support/hang_guard.h"
#include "support/user_actions.h"
#include "windows/about_wnd.h"
#include "windows/help_wnd.h"

namespace {

// The darkest pixel of an area, its text's ink, and its most common one, the ground beneath.
struct Drawn {
  QRgb ink = 0xFFFFFFFF;
  QRgb ground = 0;
};

Drawn DrawnIn(const QImage& shot, const QRect& area) {
  Drawn drawn;
  QHash<QRgb, int> counts;
  int most = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb pixel = shot.pixel(x, y) | 0xFF000000u;
      if (qGray(pixel) < qGray(drawn.ink)) drawn.ink = pixel;
      if (const int n = ++counts[pixel]; n > most) {
        most = n;
        drawn.ground = pixel;
      }
    }
  }
  return drawn;
}

std::string Hex(QRgb colour) {
  return QColor(colour).name().toStdString();
}

constexpr int kBlackInk = 64;      // the darkest of black text, smoothed at its edges
constexpr int kLightGround = 200;  // a light button, tab, menu or box, of any shade of grey
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Black text on the window's white ground.
void ExpectBlackOnWhite(const QImage& shot, const QRect& area, const std::string& what) {
  const Drawn drawn = DrawnIn(shot, area);
  EXPECT_EQ(Hex(drawn.ground), Hex(kWhite)) << what << ": its ground";
  EXPECT_LE(qGray(drawn.ink), kBlackInk) << what << ": its text is " << Hex(drawn.ink);
}

// Black text on a light face.
void ExpectBlackOnLight(const QImage& shot, const QRect& area, const std::string& what) {
  const Drawn drawn = DrawnIn(shot, area);
  EXPECT_GE(qGray(drawn.ground), kLightGround) << what << ": its ground is " << Hex(drawn.ground);
  EXPECT_LE(qGray(drawn.ink), kBlackInk) << what << ": its text is " << Hex(drawn.ink);
}

QImage Shot(const fw::Window& window) {
  return window.Widget()->grab().toImage();
}

// Where a widget lies in its window's picture.
QRect In(const fw::Window& window, const QWidget* widget, const QRect& part) {
  return part.translated(widget->mapTo(window.Widget(), QPoint(0, 0)));
}

void ExpectMainWindow(const std::string& when) {
  ControlWnd& main = ControlWnd::Get();
  main.TabPanel1().SetValue(0);
  const QImage shot = Shot(main);
  for (fw::RadioButton* design : {&main.IBtn(), &main.RBtn(), &main.SBtn()}) {
    const QWidget* radio = design->Widget();
    // The caption, right of the round mark.
    ExpectBlackOnWhite(shot, In(main, radio, QRect(22, 0, radio->width() - 22, radio->height())),
                       design->Name() + " " + when);
  }
  for (fw::GroupBox* box : {&main.GroupBox1(), &main.GroupBox2()}) {
    const QWidget* frame = box->Widget();
    ExpectBlackOnWhite(shot,
                       In(main, frame, QRect(0, 0, frame->width(), frame->fontMetrics().height())),
                       box->Name() + " " + when);
  }
  for (fw::PushButton* button : {&main.CalcBtn(), &main.ClearBtn()}) {
    const QWidget* face = button->Widget();
    ExpectBlackOnLight(shot, In(main, face, face->rect().adjusted(4, 4, -4, -4)),
                       button->Name() + " " + when);
  }
  auto* tabs = main.TabPanel1().Widget()->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  for (int tab = 0; tab < tabs->count(); ++tab) {
    ExpectBlackOnLight(shot, In(main, tabs, tabs->tabRect(tab).adjusted(4, 4, -4, -3)),
                       "tab " + tabs->tabText(tab).toStdString() + " " + when);
  }
  QMenuBar* bar = BarOf(main);
  ExpectBlackOnLight(shot, In(main, bar, bar->rect()), "the menu bar " + when);
  QMenu* menu = OpenMenu(main, "FileMenu");
  ASSERT_TRUE(menu && menu->isVisible());
  ExpectBlackOnLight(menu->grab().toImage(), menu->rect().adjusted(2, 2, -2, -2),
                     "the File menu " + when);
  menu->hide();
}

void ExpectTooltip(const std::string& when) {
  ControlWnd& main = ControlWnd::Get();
  QWidget* field = main.m1fld().Widget();
  QToolTip::showText(field->mapToGlobal(field->rect().center()), QStringLiteral("Mean"), field);
  QWidget* tip = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
  }
  ASSERT_NE(tip, nullptr) << "no tooltip showed";
  ExpectBlackOnLight(tip->grab().toImage(), tip->rect().adjusted(2, 2, -2, -2),
                     "a tooltip " + when);
  QToolTip::hideText();
}

// The real message box, which a Calculate with empty fields brings.
void ExpectMessageBox(const std::string& when) {
  ControlWnd& main = ControlWnd::Get();
  main.ClearBtn().Push();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr) << "no message box came";
    seen = true;
    const QImage shot = box->grab().toImage();
    const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (text) {
      ExpectBlackOnLight(shot, QRect(text->mapTo(box, QPoint(0, 0)), text->size()),
                         "the message " + when);
    } else {
      ADD_FAILURE() << "the message box has no text";
    }
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ExpectBlackOnLight(shot, QRect(ok->mapTo(box, QPoint(0, 0)), ok->size()).adjusted(4, 4, -4, -4),
                       "the message box's OK " + when);
    ok->click();
  });
  HangGuard guard("the message box did not go when its OK button was clicked");
  main.CalcBtn().Push();
  EXPECT_TRUE(seen);
}

void ExpectAboutWindow(const std::string& when) {
  AboutWnd& about = AboutWnd::Get();
  about.Show();
  const QWidget* line = about.Label1().Widget();
  const Drawn drawn = DrawnIn(Shot(about), In(about, line, line->rect()));
  EXPECT_EQ(Hex(drawn.ground), Hex(kWhite)) << "the About window " << when;
  // Its copyright line is grey, and stays so.
  EXPECT_LE(qGray(drawn.ink), 0xC0) << "the copyright line " << when << " is " << Hex(drawn.ink);
  EXPECT_GE(qGray(drawn.ink), 0x99) << "the copyright line " << when << " is " << Hex(drawn.ink);
  about.Hide();
}

void ExpectHelpWindow(const std::string& when) {
  helpWnd& help = helpWnd::Get();
  help.Show();
  const QWidget* text = help.EditField1().Widget();
  ExpectBlackOnWhite(Shot(help), In(help, text, text->rect().adjusted(4, 4, -24, -4)),
                     "the help text " + when);
}

}  // namespace

void ExpectProgramColours(const std::string& when) {
  ControlWnd::Get().Show();
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
  ExpectAboutWindow(when);
  ExpectHelpWindow(when);
  ExpectMainWindow(when);
  ExpectTooltip(when);
  ExpectMessageBox(when);
}
