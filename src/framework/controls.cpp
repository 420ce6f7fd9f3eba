#include "framework/controls.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTimer>
#include <QValidator>
#include <QWheelEvent>
#include <cmath>
#include <optional>
#include <set>

#include "framework/application.h"
#include "framework/control_spec.h"
#include "framework/qt_detail.h"
#include "framework/services.h"
#include "framework/text_services.h"

namespace fw {
namespace detail {

QFont ToFont(const Font& font) {
  QFont qfont = QFontDatabase::systemFont(font.name == "Courier" ? QFontDatabase::FixedFont
                                                                 : QFontDatabase::GeneralFont);
  qfont.setPixelSize(static_cast<int>(font.size + 0.5));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  return qfont;
}

Qt::Alignment ToAlignment(int alignment) {
  switch (alignment) {
    case kAlignCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case kAlignRight:
      return Qt::AlignRight | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace detail

namespace {

using detail::FromQt;
using detail::ToQt;

void SetTextColor(QWidget* widget, QPalette::ColorRole role, std::uint32_t rgb) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, role, detail::ToColor(rgb));
  }
  widget->setPalette(palette);
}

// The text and background colours of a text field or text area.
void SetFieldColors(QWidget* edit, const ControlSpec& spec) {
  SetTextColor(edit, QPalette::Text, spec.textColor);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, detail::ToColor(spec.backgroundColor));
  edit->setPalette(palette);
}

// The key as the KeyDown handlers see it, or nothing for keys that type no character: those
// keep their usual editing and menu work and never reach the handlers.
bool KeyText(const QKeyEvent& event, std::string& key) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      key = "\b";
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      key = "\t";
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = "\r";
      return true;
    default:
      break;
  }
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event.text();
  if (text.isEmpty() || text[0].unicode() < 0x20 || text[0].unicode() == 0x7F) return false;
  key = FromQt(text);
  return true;
}

// Whether a control loses the focus only for the moment a menu is worked: an open menu, or the
// menu bar while its menus are worked by keys or slid through. Its selection stays meanwhile.
bool LentToAMenu(const QFocusEvent& event) {
  return event.reason() == Qt::PopupFocusReason || event.reason() == Qt::MenuBarFocusReason;
}

// The smallest font, in pixels, that a read-only field shrinks a long text to.
constexpr int kSmallestTextPixels = 8;
// The margin that QLineEdit keeps on each side of its text, inside its contents.
constexpr int kLineEditTextMargin = 2;

class LineEdit : public QLineEdit {
 public:
  LineEdit(TextField& field, QWidget* parent) : QLineEdit(parent), field_(field), ownFont_(font()) {
    QObject::connect(this, &QLineEdit::textEdited, this, [this] { field_.RaiseEdited(); });
  }

  // Whether the change of the text under way comes from a typed key.
  bool Typing() const { return typing_; }

  // Every way of pasting into the field ends here: the paste keys, the context menu, the Edit
  // menu and the middle click of the selection. A drop is judged by the same rule.
  void Paste(QClipboard::Mode mode) { PasteText(QGuiApplication::clipboard()->text(mode)); }

  // The font the field was given, which a long text in a read-only field may be shown smaller
  // than.
  void KeepOwnFont() { ownFont_ = font(); }

  // Shows text just set from code; a read-only field shows it from its first character, as
  // large as it fits in the field's alignment. A number too long for the field even at the
  // smallest font is shown in exponent form with as many digits as fit, so that no cut run of
  // digits reads as another number; any other text that long is cut with a mark. Either way the
  // whole text becomes the tooltip.
  void ShowAssigned() {
    const QString assigned = text();
    QFont font = ownFont_;
    bool abridged = false;
    if (isReadOnly()) {
      font = LargestAligned(assigned, kSmallestTextPixels);
      if (!Whole(assigned, font)) {
        abridged = true;
        if (const QString shorter = ExponentFormThatFits(assigned); !shorter.isEmpty()) {
          setText(shorter);
          font = LargestAligned(shorter, kSmallestTextPixels);
        }
      }
    }
    setFont(font);
    cut_ = isReadOnly() && !Whole(text(), font);
    SetWholeTextTooltip(abridged ? assigned : QString());
    if (isReadOnly()) setCursorPosition(0);
  }

 protected:
  // Tab is taken by focus handling before keyPressEvent, so keys are judged here.
  bool event(QEvent* e) override {
    if (e->type() == QEvent::KeyPress) {
      std::string key;
      if (KeyText(static_cast<QKeyEvent&>(*e), key) && field_.RaiseKeyDown(key)) {
        e->accept();
        return true;
      }
    }
    return QLineEdit::event(e);
  }

  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    // While the user moves through the text, it is shown as they scroll it.
    if (cut_ && !hasFocus()) DrawCutMark();
  }

  void focusOutEvent(QFocusEvent* event) override {
    if (LentToAMenu(*event)) {
      // The selection stays for the Edit items to act on, as QLineEdit keeps it under a popup.
      QFocusEvent underMenu(QEvent::FocusOut, Qt::PopupFocusReason);
      QLineEdit::focusOutEvent(&underMenu);
    } else {
      QLineEdit::focusOutEvent(event);
    }
    if (cut_) setCursorPosition(0);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
      Paste(QClipboard::Clipboard);
      event->accept();
      return;
    }
    std::string key;
    const QScopedValueRollback typing(typing_, KeyText(*event, key));
    QLineEdit::keyPressEvent(event);
  }

  // The menu's Paste goes through the field's own paste, not QLineEdit's.
  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
      // Qt's versions tie the item to its paste in one manner or the other.
      const bool byPointer =
          QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
      const bool byName = QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
      if (byPointer || byName) {
        QObject::connect(action, &QAction::triggered, this,
                         [this] { Paste(QClipboard::Clipboard); });
      }
    }
    menu->popup(event->globalPos());
  }

  // The middle click pastes the selection where the platform keeps one, as QLineEdit does.
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
      deselect();
      Paste(QClipboard::Selection);
      event->accept();
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  // A drop brings the text that a paste of it would. A drop that is refused, by the paste rule
  // or the limit, is refused to its source too, which would else take a moved text away.
  void dropEvent(QDropEvent* event) override;

  // A result is one number: a double-click selects all of it, where a word would be a part.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QLineEdit::mouseDoubleClickEvent(event);
    if (isReadOnly() && event->button() == Qt::LeftButton) selectAll();
  }

 private:
  // Where QLineEdit lays out its text, before its own margins.
  QRect Contents() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins());
  }

  static int TextWidth(const QString& text, const QFont& font) {
    return qRound(QFontMetricsF(font).horizontalAdvance(text));
  }
  // Whether the text in this font takes its place in the field's alignment: the room that
  // QLineEdit leaves it, with the cursor's pixel, before it scrolls the text.
  bool Aligned(const QString& text, const QFont& font) const {
    return TextWidth(text, font) + 1 <= Contents().width() - 2 * kLineEditTextMargin;
  }
  // Whether the text in this font, shown from its first character, ends within the field.
  bool Whole(const QString& text, const QFont& font) const {
    return TextWidth(text, font) <= Contents().width() - kLineEditTextMargin;
  }

  // The field's own font, or the largest smaller one down to the given size in which the text
  // takes its place.
  QFont LargestAligned(const QString& text, int smallestPixels) const {
    QFont font = ownFont_;
    while (!Aligned(text, font) && font.pixelSize() > smallestPixels) {
      font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
  }

  // The number in exponent form with the most significant digits that take their place in the
  // field at the smallest font; empty when the text is no number or no form of it fits.
  QString ExponentFormThatFits(const QString& number) const {
    constexpr int kMostDigits = 17;  // as many as a double holds
    const std::string whole = FromQt(number);
    QFont smallest = ownFont_;
    smallest.setPixelSize(kSmallestTextPixels);
    for (int digits = kMostDigits; digits >= 1; --digits) {
      const QString shorter = ToQt(ExponentForm(whole, digits));
      if (shorter.isEmpty()) return {};
      if (Aligned(shorter, smallest)) return shorter;
    }
    return {};
  }

  // The whole text as the tooltip while the field shows less of it; the field's own tooltip
  // otherwise.
  void SetWholeTextTooltip(const QString& whole) {
    if (!whole.isEmpty() && !abridged_) ownTooltip_ = toolTip();
    if (!whole.isEmpty()) {
      setToolTip(whole);
    } else if (abridged_) {
      setToolTip(ownTooltip_);
    }
    abridged_ = !whole.isEmpty();
  }

  // An ellipsis after the last character that fits whole, over whatever follows it.
  void DrawCutMark() {
    const QRect contents = Contents();
    const int room = contents.width() - 2 * kLineEditTextMargin;
    const QFontMetricsF metrics(font());
    const QString mark(QChar(0x2026));
    const qreal markWidth = metrics.horizontalAdvance(mark);
    const QString shown = text();
    qsizetype whole = shown.size();
    while (whole > 0 && metrics.horizontalAdvance(shown.left(whole)) + markWidth > room) --whole;
    const int cutAt = contents.left() + kLineEditTextMargin +
                      static_cast<int>(std::ceil(metrics.horizontalAdvance(shown.left(whole))));
    const QRect covered(QPoint(cutAt, contents.top()), contents.bottomRight());
    QPainter painter(this);
    painter.fillRect(covered, palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(covered, Qt::AlignLeft | Qt::AlignVCenter, mark);
  }

  void PasteText(const QString& pasted);
  // The text that a paste of this text puts in, or nothing, with the beep, when it is refused.
  std::optional<QString> Admit(const QString& pasted);

  // Ends the step of the undo history under way, so that an undo takes a paste back alone, as
  // it takes back QLineEdit's own paste: QLineEdit starts a new step whenever the cursor moves,
  // so the cursor steps aside and back, keeping the selection.
  void EndUndoStep() {
    if (text().isEmpty()) return;
    const int step = cursorPosition() > 0 ? -1 : 1;
    cursorForward(true, step);
    cursorForward(true, -step);
  }

  TextField& field_;
  QFont ownFont_;
  QString ownTooltip_;
  bool abridged_ = false;  // the field shows less than its whole text, which is the tooltip
  bool cut_ = false;
  bool typing_ = false;
};

// What a paste puts into a field that names the characters it takes: the pasted text without the
// white space round it (blanks, tabs, line ends, as a copied cell brings), when that is not empty
// and holds no other character; nothing when the paste is refused whole. A field that names none
// takes any text as it is. The limit below then judges what is put in.
std::optional<QString> AdmittedPaste(const QString& pasted, const QString& allowed) {
  if (allowed.isEmpty()) return pasted;
  QString trimmed = pasted.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  for (QChar c : trimmed) {
    if (!allowed.contains(c)) return std::nullopt;
  }
  return trimmed;
}

// Holds the user's edits of a field to its limit. An edit that lengthens the text past the limit
// is refused whole: a paste cut short would be another number. A refused paste or drop beeps; a
// refused key does not. An edit that shortens the text or keeps its length is always taken, even
// while the text is longer than the limit, as it is when the limit drops under it. Text that the
// program assigns is taken whole, and so is the text that an undo brings back: QLineEdit keeps
// both whatever the validator says, and a text kept against the validator would let the next
// edit past the limit unchecked. (A redo needs no such leave: see TextField::SetLimitText.)
class LimitValidator : public QValidator {
 public:
  LimitValidator(TextField& field, LineEdit* edit) : QValidator(edit), field_(field), edit_(*edit) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& t) { last_ = t; });
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [this] {
      if (!edit_.Typing()) Beep();
    });
  }

  State validate(QString& input, int&) const override {
    const int limit = field_.LimitText();
    if (limit <= 0 || input.size() <= limit || input.size() <= last_.size()) return Acceptable;
    // An undo always leaves a redo to be done; no edit does.
    return field_.Assigning() || edit_.isRedoAvailable() ? Acceptable : Invalid;
  }

 private:
  TextField& field_;
  const LineEdit& edit_;
  QString last_;
};

// A refused paste beeps here; one past the limit beeps in LimitValidator.
std::optional<QString> LineEdit::Admit(const QString& pasted) {
  std::optional<QString> admitted = AdmittedPaste(pasted, ToQt(field_.PasteCharacters()));
  if (!admitted) Beep();
  return admitted;
}

// As QLineEdit's own paste: the text replaces the selection, and an undo takes it back alone.
void LineEdit::PasteText(const QString& pasted) {
  const std::optional<QString> admitted = Admit(pasted);
  if (!admitted || (admitted->isEmpty() && !hasSelectedText())) return;
  EndUndoStep();
  insert(*admitted);
  EndUndoStep();
}

void LineEdit::dropEvent(QDropEvent* event) {
  const std::optional<QString> admitted = Admit(event->mimeData()->text());
  if (!admitted) {
    event->ignore();
    return;
  }
  QMimeData data;
  data.setText(*admitted);
  QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(),
                  event->modifiers(), event->type());
  drop.setDropAction(event->dropAction());
  const QString before = text();
  QLineEdit::dropEvent(&drop);
  if (text() == before || !drop.isAccepted()) {
    event->ignore();
  } else {
    event->setDropAction(drop.dropAction());
    event->accept();
  }
}

// A push button that shows a ring inside its outline while it holds the keyboard focus. The
// style outlines a default button as it outlines a focused one, and every button of the tabs is
// a default button, so without the ring the focus could not be seen on them. The Tab key stops
// on it, but a click leaves the focus where it was: the cursor stays in the field the user typed
// in, and their next key goes on there.
class ButtonWidget : public QPushButton {
 public:
  explicit ButtonWidget(QWidget* parent) : QPushButton(parent) { setFocusPolicy(Qt::TabFocus); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 2, 2);
  }
};

// A radio button that the Tab key stops on as on any other control, and that a click selects
// without taking the focus, as a push button. QAbstractButton takes the other buttons of an
// exclusive group out of the Tab key's order whenever one of them gets the focus, so that Tab
// would stop on one button of the group alone; each button here gets its own stop back at once.
// The arrow keys still move the selection along the group.
class RadioWidget : public QRadioButton {
 public:
  explicit RadioWidget(QWidget* parent) : QRadioButton(parent) { setFocusPolicy(Qt::TabFocus); }

  // The focus policy that the button keeps whichever button of its group has the focus.
  void KeepFocusPolicy() { ownPolicy_ = focusPolicy(); }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    // The class has no meta-object of its own, so the search is for every radio button and the
    // cast keeps ours.
    for (auto* radio : parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      if (auto* button = dynamic_cast<RadioWidget*>(radio))
        button->setFocusPolicy(button->ownPolicy_);
    }
  }

 private:
  Qt::FocusPolicy ownPolicy_ = Qt::TabFocus;
};

// A multi-line text that takes no Tab: the key moves the focus on to the window's next control,
// and does nothing where there is none.
class TextAreaWidget : public QPlainTextEdit {
 public:
  explicit TextAreaWidget(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

 protected:
  // A Tab comes here only when no other control could take the focus, or with Ctrl or Alt held.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }
};

// A group box through which its page shows: a thin rounded frame in light grey, the caption
// above it at the left, and nothing filled. It is drawn here rather than by the style, whose
// frame differs from one release to the next and lays a faint fill inside in some of them.
class GroupBoxWidget : public QGroupBox {
 public:
  explicit GroupBoxWidget(QWidget* parent) : QGroupBox(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const bool captioned = !title().isEmpty();
    // A captionless frame keeps a small margin above it; a caption takes its own line.
    const int frameTop = captioned ? metrics.height() + kFrameMargin : kFrameMargin;
    DrawFrame(painter, QRectF(1, frameTop, width() - 1, height() - frameTop));
    if (captioned) {
      painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::WindowText));
      painter.drawText(QRect(0, 1, width(), metrics.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
    }
  }

 private:
  static constexpr int kFrameMargin = 4;

  // The outline with softened corners and a lighter line just inside its top and left edges, in
  // the program's own greys: the frame looks the same on any ground and under any theme.
  static void DrawFrame(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xF8, 0xF8, 0xF8), 1));
    const QRectF inner = area.adjusted(1.5, 1.5, -1.5, -1.5);
    painter.drawLine(QPointF(inner.left(), inner.top()), QPointF(inner.right(), inner.top()));
    painter.drawLine(QPointF(inner.left(), inner.top()), QPointF(inner.left(), inner.bottom()));
    painter.setPen(QPen(QColor(0xE4, 0xE4, 0xE4), 1));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.restore();
  }
};

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {}

 protected:
  // The backdrop at its own size from the top-left corner, as drawn for this screen: stretched to
  // a canvas of another size, every line of it would be resampled and soft.
  void paintEvent(QPaintEvent*) override {
    if (canvas_.Backdrop().IsNull()) return;
    QPainter painter(this);
    // Only a screen between whole scales resamples the drawing; let that be smooth.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QPoint(0, 0), canvas_.Backdrop().Pixmap(devicePixelRatioF()));
  }
  void mousePressEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    if (!canvas_.RaiseMouseDown(at.x(), at.y())) event->ignore();
  }

 private:
  Canvas& canvas_;
};

// A row of tabs that a turn of the mouse wheel leaves alone: entering a tab clears its panel, so a
// wheel turned over the tabs on the way to a field would throw away what was typed. A click or,
// with the focus on the row, an arrow key chooses a tab.
class TabStrip : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// Tabs across the top, centred, over a framed pane; each tab's page covers the whole panel so
// that its controls are placed in the panel's own coordinates.
class TabPanelWidget : public QWidget {
 public:
  explicit TabPanelWidget(QWidget* parent)
      : QWidget(parent),
        pane_(new QFrame(this)),
        pages_(new QStackedWidget(this)),
        bar_(new TabStrip(this)) {
    pane_->setFrameShape(QFrame::StyledPanel);
    pages_->setAutoFillBackground(false);
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    QObject::connect(bar_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
  }

  QTabBar* Bar() const { return bar_; }
  QStackedWidget* Pages() const { return pages_; }

  void AddTab(const QString& caption) {
    auto* page = new QWidget(pages_);
    page->setAutoFillBackground(false);
    pages_->addWidget(page);
    bar_->addTab(caption);
    Arrange();
  }

  void Arrange() {
    const QSize bar = bar_->sizeHint();
    bar_->setGeometry((width() - bar.width()) / 2, 0, bar.width(), bar.height());
    pane_->setGeometry(0, bar.height() / 2, width(), height() - bar.height() / 2);
    pages_->setGeometry(0, 0, width(), height());
    bar_->raise();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Arrange(); }

 private:
  QFrame* pane_;
  QStackedWidget* pages_;
  QTabBar* bar_;
};

}  // namespace

void detail::Paste(QLineEdit* edit) {
  if (auto* field = dynamic_cast<LineEdit*>(edit)) {
    field->Paste(QClipboard::Clipboard);
  } else {
    edit->paste();
  }
}

// --- Object and Control ------------------------------------------------------------------

Object::~Object() = default;

Control::Control(std::string name, QWidget* widget) : Object(std::move(name)), widget_(widget) {
  widget_->setObjectName(ToQt(Name()));
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  widget_->setVisible(visible);
}

bool Control::Enabled() const {
  return widget_->isEnabled();
}
void Control::SetEnabled(bool enabled) {
  widget_->setEnabled(enabled);
}
std::string Control::HelpTag() const {
  return FromQt(widget_->toolTip());
}
void Control::SetHelpTag(const std::string& tooltip) {
  widget_->setToolTip(ToQt(tooltip));
}
void Control::SetFocus() {
  widget_->setFocus(Qt::OtherFocusReason);
}
bool Control::HasFocus() const {
  return widget_->window()->focusWidget() == widget_;
}

void Control::Apply(const ControlSpec& spec) {
  tabIndex_ = spec.tabIndex;
  widget_->setFont(detail::ToFont(spec.font));
  widget_->setToolTip(ToQt(spec.tooltip));
  widget_->setEnabled(spec.enabled);
  SetVisible(spec.visible);
  if (!spec.tabStop) {
    // Out of the Tab key's order; a control that a click gives the focus to keeps that.
    widget_->setFocusPolicy(widget_->focusPolicy() & Qt::ClickFocus ? Qt::ClickFocus : Qt::NoFocus);
  }
}

// --- TextField ---------------------------------------------------------------------------

TextField::TextField(std::string name, QWidget* parent)
    : Control(std::move(name), new LineEdit(*this, parent)) {
  auto* edit = static_cast<LineEdit*>(Widget());
  edit->setValidator(new LimitValidator(*this, edit));
}

std::string TextField::Text() const {
  return FromQt(static_cast<QLineEdit*>(Widget())->text());
}

void TextField::SetText(const std::string& text) {
  auto* edit = static_cast<LineEdit*>(Widget());
  assigning_ = true;
  edit->setText(ToQt(text));
  edit->ShowAssigned();  // may put a shorter form in its place, which the limit must not cut
  assigning_ = false;
}

void TextField::SetLimitText(int limit) {
  const bool drops = limit > 0 && (limit_ <= 0 || limit < limit_);
  limit_ = limit;
  if (!drops) return;
  // The undo history starts afresh under a lower limit. Every edit that a redo can then do again
  // was made under this limit, from the same text, so the limit takes it again; an edit made
  // under the higher one might not be.
  auto* edit = static_cast<QLineEdit*>(Widget());
  const int cursor = edit->cursorPosition();
  assigning_ = true;
  edit->setText(edit->text());
  assigning_ = false;
  edit->setCursorPosition(cursor);
}

bool TextField::ReadOnly() const {
  return static_cast<QLineEdit*>(Widget())->isReadOnly();
}
void TextField::SetReadOnly(bool readOnly) {
  static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly);
}

bool TextField::RaiseKeyDown(const std::string& key) {
  return keyDown_ && keyDown_(*this, key);
}

void TextField::RaiseEdited() {
  if (edited_) edited_(*this);
}

void TextField::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  auto* edit = static_cast<LineEdit*>(Widget());
  edit->KeepOwnFont();
  edit->setAlignment(detail::ToAlignment(spec.alignment));
  edit->setFrame(true);
  SetFieldColors(edit, spec);
  SetReadOnly(spec.readOnly);
  SetLimitText(spec.maxChars);
  SetPasteCharacters(spec.pasteCharacters);
  SetText(spec.text);
}

// --- TextArea ----------------------------------------------------------------------------

namespace {

// Draws a text area's selection, while the area lacks the focus, as with the focus or not at all.
void DrawSelectionUnfocused(QWidget* edit, bool drawn) {
  QPalette palette = edit->palette();
  const auto group = drawn ? QPalette::Active : QPalette::Inactive;
  palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                   palette.brush(group, drawn ? QPalette::Highlight : QPalette::Base));
  palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                   palette.brush(group, drawn ? QPalette::HighlightedText : QPalette::Text));
  edit->setPalette(palette);
}

// Hides the selection of a text area that loses the focus, except to a menu.
class SelectionHider : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      DrawSelectionUnfocused(static_cast<QWidget*>(watched),
                             LentToAMenu(*static_cast<QFocusEvent*>(event)));
    }
    return false;
  }
};

}  // namespace

TextArea::TextArea(std::string name, QWidget* parent)
    : Control(std::move(name), new TextAreaWidget(parent)) {}

std::string TextArea::Text() const {
  return FromQt(static_cast<QPlainTextEdit*>(Widget())->toPlainText());
}

void TextArea::SetText(const std::string& text) {
  QString lines = ToQt(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QChar('\r'), QChar('\n'));
  static_cast<QPlainTextEdit*>(Widget())->setPlainText(lines);
}

bool TextArea::ReadOnly() const {
  return static_cast<QPlainTextEdit*>(Widget())->isReadOnly();
}
void TextArea::SetReadOnly(bool readOnly) {
  static_cast<QPlainTextEdit*>(Widget())->setReadOnly(readOnly);
}

void TextArea::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  edit->setVerticalScrollBarPolicy(spec.hasVerticalScrollbar ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  if (spec.tabWidth > 0) edit->setTabStopDistance(spec.tabWidth);
  SetFieldColors(edit, spec);
  if (spec.hideSelection) {
    DrawSelectionUnfocused(edit, false);
    edit->installEventFilter(new SelectionHider(edit));
  }
  SetReadOnly(spec.readOnly);
  SetText(spec.text);
}

// --- Label and GroupBox ------------------------------------------------------------------

Label::Label(std::string name, QWidget* parent) : Control(std::move(name), new QLabel(parent)) {}

std::string Label::Text() const {
  return FromQt(static_cast<QLabel*>(Widget())->text());
}
void Label::SetText(const std::string& text) {
  static_cast<QLabel*>(Widget())->setText(ToQt(text));
}

void Label::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  auto* label = static_cast<QLabel*>(Widget());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(detail::ToAlignment(spec.alignment));
  label->setWordWrap(spec.multiline);
  label->setFocusPolicy(Qt::NoFocus);
  // A label keeps its colour when its parent is disabled: the colour is part of its look.
  SetTextColor(label, QPalette::WindowText, spec.textColor);
  SetText(spec.text);
}

GroupBox::GroupBox(std::string name, QWidget* parent)
    : Control(std::move(name), new GroupBoxWidget(parent)) {}

std::string GroupBox::Caption() const {
  return FromQt(static_cast<QGroupBox*>(Widget())->title());
}
void GroupBox::SetCaption(const std::string& caption) {
  static_cast<QGroupBox*>(Widget())->setTitle(ToQt(caption));
}

void GroupBox::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  Widget()->setFocusPolicy(Qt::NoFocus);
  SetCaption(spec.text);
}

// --- RadioButton -------------------------------------------------------------------------

RadioButton::RadioButton(std::string name, QWidget* parent)
    : Control(std::move(name), new RadioWidget(parent)) {
  auto* radio = static_cast<QRadioButton*>(Widget());
  // A selection by the user (a click, Space or an arrow key) runs Action; one from code runs it in
  // SetValue.
  QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool checked) {
    if (checked && !settingFromCode_) RaiseAction();
  });
}

bool RadioButton::Value() const {
  return static_cast<QRadioButton*>(Widget())->isChecked();
}

void RadioButton::SetValue(bool selected) {
  auto* radio = static_cast<QRadioButton*>(Widget());
  settingFromCode_ = true;
  if (selected) {
    radio->setChecked(true);
  } else if (radio->isChecked()) {
    // The selected button of an exclusive group refuses to be cleared unless it leaves it.
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
  }
  settingFromCode_ = false;
  if (selected) RaiseAction();
}

std::string RadioButton::Caption() const {
  return FromQt(static_cast<QRadioButton*>(Widget())->text());
}
void RadioButton::SetCaption(const std::string& caption) {
  static_cast<QRadioButton*>(Widget())->setText(ToQt(caption));
}

void RadioButton::RaiseAction() {
  if (action_) action_(*this);
}

void RadioButton::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  static_cast<RadioWidget*>(Widget())->KeepFocusPolicy();
  SetCaption(spec.text);
  settingFromCode_ = true;
  static_cast<QRadioButton*>(Widget())->setChecked(spec.value);
  settingFromCode_ = false;
}

// --- PushButton --------------------------------------------------------------------------

PushButton::PushButton(std::string name, QWidget* parent)
    : Control(std::move(name), new ButtonWidget(parent)) {
  auto* button = static_cast<QPushButton*>(Widget());
  QObject::connect(button, &QPushButton::clicked, button, [this] { Push(); });
}

void PushButton::Push() {
  if (action_) action_(*this);
}

std::string PushButton::Caption() const {
  return FromQt(static_cast<QPushButton*>(Widget())->text());
}
void PushButton::SetCaption(const std::string& caption) {
  static_cast<QPushButton*>(Widget())->setText(ToQt(caption));
}

void PushButton::RaiseOpen() {
  if (open_) open_(*this);
}

void PushButton::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  auto* button = static_cast<QPushButton*>(Widget());
  button->setDefault(spec.isDefault);
  button->setAutoDefault(false);
  SetCaption(spec.text);
}

// --- TabPanel ----------------------------------------------------------------------------

TabPanel::TabPanel(std::string name, QWidget* parent)
    : Control(std::move(name), new TabPanelWidget(parent)) {
  auto* panel = static_cast<TabPanelWidget*>(Widget());
  QObject::connect(panel->Bar(), &QTabBar::currentChanged, panel, [this](int) { RaiseChange(); });
}

int TabPanel::Value() const {
  return static_cast<TabPanelWidget*>(Widget())->Bar()->currentIndex();
}
void TabPanel::SetValue(int tab) {
  static_cast<TabPanelWidget*>(Widget())->Bar()->setCurrentIndex(tab);
}
int TabPanel::TabCount() const {
  return static_cast<TabPanelWidget*>(Widget())->Bar()->count();
}
std::string TabPanel::TabCaption(int tab) const {
  return FromQt(static_cast<TabPanelWidget*>(Widget())->Bar()->tabText(tab));
}
QWidget* TabPanel::Page(int tab) const {
  return static_cast<TabPanelWidget*>(Widget())->Pages()->widget(tab);
}

void TabPanel::RaiseChange() {
  if (change_) change_(*this);
}

void TabPanel::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  auto* panel = static_cast<TabPanelWidget*>(Widget());
  panel->Bar()->setFont(detail::ToFont(spec.font));
  for (const QString& caption : ToQt(spec.text).split(QChar('\r'), Qt::SkipEmptyParts)) {
    panel->AddTab(caption);
  }
  panel->Bar()->setCurrentIndex(spec.selectedTab);
}

// --- Canvas and Separator ----------------------------------------------------------------

Canvas::Canvas(std::string name, QWidget* parent)
    : Control(std::move(name), new CanvasWidget(*this, parent)) {}

void Canvas::SetBackdrop(const Picture& picture) {
  backdrop_ = picture;
  Widget()->update();
}

void Canvas::RaiseOpen() {
  if (open_) open_(*this);
}

bool Canvas::RaiseMouseDown(int x, int y) {
  return mouseDown_ && mouseDown_(*this, x, y);
}

void Canvas::Apply(const ControlSpec& spec) {
  Control::Apply(spec);
  Widget()->setFocusPolicy(spec.allowFocus ? Qt::StrongFocus : Qt::NoFocus);
}

Separator::Separator(std::string name, QWidget* parent)
    : Control(std::move(name), new QFrame(parent)) {
  auto* line = static_cast<QFrame*>(Widget());
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFocusPolicy(Qt::NoFocus);
}

// --- Timer -------------------------------------------------------------------------------

namespace {
std::set<const Timer*>& LiveTimers() {
  static std::set<const Timer*> timers;
  return timers;
}
}  // namespace

Timer::Timer(std::string name) : Object(std::move(name)), timer_(std::make_unique<QTimer>()) {
  // A period is a least time: the default coarse timer may fire up to 5 % before it is up.
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Expire(); });
  LiveTimers().insert(this);
}

Timer::~Timer() {
  LiveTimers().erase(this);
}

bool Timer::AnyPending() {
  for (const Timer* timer : LiveTimers()) {
    if (timer->Pending()) return true;
  }
  return false;
}

void Timer::SetRunMode(int mode) {
  runMode_ = mode;
  timer_->stop();
  if (mode == kOff) return;
  timer_->setSingleShot(mode == kSingle);
  timer_->start(period_);
}

void Timer::SetPeriod(int milliseconds) {
  period_ = milliseconds;
  if (timer_->isActive()) timer_->start(period_);
}

bool Timer::Pending() const {
  return timer_->isActive();
}

void Timer::Fire() {
  if (!timer_->isActive()) return;
  if (runMode_ == kSingle) timer_->stop();
  Expire();
}

void Timer::Expire() {
  if (runMode_ == kSingle) runMode_ = kOff;
  if (action_) action_(*this);
  if (auto* app = Application::Current()) app->QuitIfIdle();
}

void Timer::Apply(const ControlSpec& spec) {
  period_ = spec.period;
  SetRunMode(spec.runMode);
}

}  // namespace fw
