#include "platform/qt/page_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/layout_rules.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/path_breaks.h"

namespace vlrna {
namespace {

constexpr double kDefaultPoints = 9.0;

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool SameControl(const Control& a, const Control& b) {
  return a.text == b.text && a.enabled == b.enabled && a.visible == b.visible &&
         a.value == b.value && a.read_only == b.read_only && a.container == b.container &&
         SameRect(a.rect, b.rect) && a.font.face == b.font.face && a.font.points == b.font.points &&
         a.font.bold == b.font.bold && a.is_default == b.is_default && a.is_cancel == b.is_cancel &&
         a.items == b.items && a.list_index == b.list_index && a.picture == b.picture &&
         a.progress_x == b.progress_x;
}

// "&Weiter >" reads "Weiter >"; "&&" is a literal ampersand.
QString WithoutMnemonic(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    plain.append(caption[i]);
  }
  return plain;
}

// The list entry the model has chosen: its index, else the entry equal to
// its text, else none.
int ChosenRow(const Control& c) {
  if (c.list_index >= 0 && c.list_index < static_cast<int32_t>(c.items.size())) {
    return c.list_index;
  }
  for (size_t i = 0; i < c.items.size(); ++i) {
    if (c.items[i] == c.text) return static_cast<int>(i);
  }
  return -1;
}

std::vector<QString> ItemsOf(const Control& c, const QtText& text) {
  std::vector<QString> items;
  for (const std::string& item : c.items) items.push_back(text.FromAnsi(item));
  return items;
}

// Lowest the frames and picture areas, so that what they hold lies on top.
bool IsBackdrop(ControlKind kind) {
  return kind == ControlKind::kFrame || kind == ControlKind::kPicture;
}

}  // namespace

PageWindow::PageWindow(Page& page, TwipScale scale, QWidget* owner, Dispatch dispatch,
                       PictureMapper map_picture, const QtText& text)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      page_(page),
      scale_(scale),
      dispatch_(std::move(dispatch)),
      map_picture_(std::move(map_picture)),
      text_(text) {
  setObjectName(QString::fromStdString(page.name()));
  setWindowModality(Qt::ApplicationModal);
  setModal(true);
  setSizeGripEnabled(false);
  Sync();
}

void PageWindow::Input(const std::string& control, std::function<void(Page&)> input) {
  if (syncing_) return;
  // The widget now shows the user's choice, which the handler may refuse
  // without changing the model: the control is applied again in any case.
  shown_.erase(control);
  dispatch_(input);
}

void PageWindow::Sync() {
  syncing_ = true;
  setWindowTitle(text_.FromAnsi(page_.caption));
  setFixedSize(scale_.ToPixelsX(page_.client_width()), scale_.ToPixelsY(page_.client_height()));
  if (page_.left != shown_left_ || page_.top != shown_top_) {
    shown_left_ = page_.left;
    shown_top_ = page_.top;
    move(scale_.ToPixelsX(page_.left), scale_.ToPixelsY(page_.top));
  }
  MakeMissing();
  for (const Control& model : page_.controls()) {
    const Control c = AsShown(page_, model);
    auto shown = shown_.find(c.name);
    if (shown != shown_.end() && SameControl(shown->second, c)) continue;
    Apply(c);
    shown_.insert_or_assign(c.name, c);
  }
  syncing_ = false;
}

void PageWindow::MakeMissing() {
  bool made = false;
  for (const Control& c : page_.controls()) {
    if (widgets_.count(c.name) != 0 || ProgressBarHolding(c) != nullptr) continue;
    QWidget* widget = Make(c);
    widget->setObjectName(QString::fromStdString(c.name));
    widgets_.emplace(c.name, widget);
    made = true;
  }
  if (!made) return;
  const auto& controls = page_.controls();
  for (auto c = controls.rbegin(); c != controls.rend(); ++c) {
    if (IsBackdrop(c->kind) && widgets_.count(c->name) != 0) widgets_.at(c->name)->lower();
  }
  OrderTabs();
}

// Tab walks the controls as they are read (the core's rule).
void PageWindow::OrderTabs() {
  std::vector<QWidget*> order;
  for (const Control* c : TabOrder(page_)) {
    if (QWidget* widget = WidgetOf(c->name)) order.push_back(widget);
  }
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* PageWindow::WidgetOf(std::string_view control) const {
  auto found = widgets_.find(control);
  return found == widgets_.end() ? nullptr : found->second;
}

const Control* PageWindow::ProgressBarHolding(const Control& label) const {
  if (label.kind != ControlKind::kLabel || label.container.empty()) return nullptr;
  if (!page_.Has(label.container)) return nullptr;
  const Control& holder = page_[label.container];
  return holder.kind == ControlKind::kProgressBar ? &holder : nullptr;
}

QWidget* PageWindow::Make(const Control& c) {
  switch (c.kind) {
    case ControlKind::kLabel: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::kFrame:
      return new QGroupBox(this);
    case ControlKind::kPicture:
      return new PictureWidget(PictureWidget::Fit::kKeepAspect, PictureWidget::Empty::kPanel, this);
    case ControlKind::kProgressBar:
      return new ProgressBarWidget(this);
    case ControlKind::kButton:
    case ControlKind::kOption:
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineText:
      return MakeInput(c);
    case ControlKind::kDriveList:
    case ControlKind::kFolderList:
      return MakeList(c);
  }
  return new QWidget(this);
}

// The controls that take input: each reports it through Input.
QWidget* PageWindow::MakeInput(const Control& c) {
  const std::string name = c.name;
  if (c.kind == ControlKind::kButton) {
    auto* button = new QPushButton(this);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this,
            [this, name] { Input(name, [name](Page& p) { p.Click(name); }); });
    return button;
  }
  if (c.kind == ControlKind::kOption) {
    auto* option = new QRadioButton(this);
    option->setAutoExclusive(false);
    QButtonGroup*& group = groups_[c.container];
    if (group == nullptr) group = new QButtonGroup(this);
    group->addButton(option);
    connect(option, &QRadioButton::clicked, this, [this, name](bool checked) {
      if (checked) Input(name, [name](Page& p) { p.ChooseOption(name); });
    });
    return option;
  }
  if (c.kind == ControlKind::kTextBox) {
    auto* edit = new QLineEdit(this);
    connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
      Input(name, [name, t = text_.ToAnsi(text)](Page& p) { p.EditText(name, t); });
    });
    return edit;
  }
  auto* edit = new QPlainTextEdit(this);
  edit->setTabChangesFocus(true);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap at words
  connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, name] {
    Input(name, [name, t = text_.ToAnsiFromDisplay(edit->toPlainText())](Page& p) {
      p.EditText(name, t);
    });
  });
  return edit;
}

QWidget* PageWindow::MakeList(const Control& c) {
  const std::string name = c.name;
  auto choose = [this, name](int index) {
    Input(name, [name, index](Page& p) { p.ChooseListItem(name, index); });
  };
  if (c.kind == ControlKind::kDriveList) {
    auto* drives = new QComboBox(this);
    connect(drives, &QComboBox::activated, this, choose);
    return drives;
  }
  auto* folders = new FolderListWidget(this);
  folders->set_on_open(choose);
  return folders;
}

void PageWindow::Apply(const Control& c) {
  if (ProgressBarHolding(c) != nullptr) {
    ApplyOnBar(c);
    return;
  }
  QWidget* widget = widgets_.at(c.name);
  widget->setGeometry(scale_.ToPixels(c.rect));
  widget->setFont(FontOf(c.font));
  widget->setEnabled(c.enabled);
  widget->setVisible(c.visible);
  ApplyText(c, widget);
  ApplyList(c, widget);
  ApplyOption(c, widget);
  widget->setAccessibleName(AccessibleNameOf(c));
}

void PageWindow::ApplyText(const Control& c, QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(WithPathBreaks(text_.FromAnsiForDisplay(c.text)));
    FitLabel(c, label);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(text_.FromAnsi(c.text));
    button->setDefault(c.is_default);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (text_.ToAnsi(edit->text()) != c.text) edit->setText(text_.FromAnsi(c.text));
    edit->setReadOnly(c.read_only);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
    if (text_.ToAnsiFromDisplay(text->toPlainText()) != c.text) {
      text->setPlainText(text_.FromAnsiForDisplay(c.text));
    }
    text->setReadOnly(c.read_only);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(text_.FromAnsi(c.text));
  } else if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
    picture->Load(c.picture.empty() ? QString() : map_picture_(c.picture));
  } else if (auto* bar = dynamic_cast<ProgressBarWidget*>(widget)) {
    bar->SetProgress(c.progress_x, c.rect.width);
  }
}

void PageWindow::ApplyList(const Control& c, QWidget* widget) {
  if (auto* drives = qobject_cast<QComboBox*>(widget)) {
    const std::vector<QString> items = ItemsOf(c, text_);
    bool same = drives->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < drives->count(); ++i) same = drives->itemText(i) == items[i];
    if (!same) {
      drives->clear();
      const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
      for (const QString& item : items) drives->addItem(icon, item);
    }
    drives->setCurrentIndex(ChosenRow(c));
  } else if (auto* folders = dynamic_cast<FolderListWidget*>(widget)) {
    folders->Set(ItemsOf(c, text_), text_.FromAnsi(c.text));
  }
}

void PageWindow::ApplyOption(const Control& c, QWidget* widget) {
  auto* option = qobject_cast<QRadioButton*>(widget);
  if (option == nullptr) return;
  option->setText(text_.FromAnsi(c.text));
  // An exclusive group cannot clear its selected button, and the model may
  // select none.
  QButtonGroup* group = option->group();
  group->setExclusive(false);
  option->setChecked(c.value);
  group->setExclusive(true);
}

void PageWindow::ApplyOnBar(const Control& label) {
  auto* bar = static_cast<ProgressBarWidget*>(widgets_.at(label.container));
  bar->SetCaption(label.visible ? text_.FromAnsi(label.text) : QString());
  bar->setFont(FontOf(label.font));
  bar->setAccessibleDescription(text_.FromAnsi(label.text));
}

QFont PageWindow::FontOf(const Font& font) const {
  // The pages are laid out in twips for a compact dialog font: the desktop's
  // own size, often larger, would not fit them, so only its face is kept. A
  // face the machine lacks falls back to one of the same kind.
  static const QStringList kSerif = {"Liberation Serif", "Tinos", "Times New Roman", "Nimbus Roman",
                                     "DejaVu Serif"};
  static const QStringList kSans = {"Liberation Sans", "Arimo", "Arial", "DejaVu Sans"};
  QFont qfont = QApplication::font();
  if (!font.face.empty()) {
    const QString face = QString::fromStdString(font.face);
    const bool serif = face.contains(QStringLiteral("Times"), Qt::CaseInsensitive) ||
                       face.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
    qfont.setFamilies(QStringList{face} + (serif ? kSerif : kSans));
    qfont.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  }
  qfont.setPointSizeF(font.points > 0 ? font.points : kDefaultPoints);
  qfont.setBold(font.bold);
  return qfont;
}

// Sizes the label by the core's rule, measuring with this label's font.
void PageWindow::FitLabel(const Control& c, QWidget* widget) {
  auto* label = static_cast<QLabel*>(widget);
  const QFont base = FontOf(c.font);
  const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
  const LabelFit fit = vlrna::FitLabel(
      page_, c, base.pointSizeF(),
      [&](double points, int32_t width, int32_t& needed_width, int32_t& needed_height) {
        QFont font = base;
        font.setPointSizeF(points);
        const int room = scale_.ToPixelsX(width);
        const QRect needed =
            QFontMetrics(font).boundingRect(QRect(0, 0, room, 100000), flags, label->text());
        // Judged in pixels: a round trip through twips must not make a text
        // that fits look a twip too wide.
        needed_width = needed.width() <= room ? width : width + 1;
        needed_height = scale_.ToTwipsY(needed.height());
      });
  QFont font = base;
  font.setPointSizeF(fit.points);
  label->setFont(font);
  QRect box = scale_.ToPixels(c.rect);
  box.setHeight(scale_.ToPixelsY(fit.height));
  label->setGeometry(box);
}

QString PageWindow::AccessibleNameOf(const Control& c) const {
  switch (c.kind) {
    case ControlKind::kLabel:
    case ControlKind::kButton:
    case ControlKind::kOption:
    case ControlKind::kFrame:
      return WithoutMnemonic(text_.FromAnsiForDisplay(c.text)).simplified();
    default:
      break;
  }
  if (!c.container.empty() && page_.Has(c.container) && !page_[c.container].text.empty()) {
    return WithoutMnemonic(text_.FromAnsi(page_[c.container].text)).simplified();
  }
  // Otherwise the label just above names it, as a sighted user reads it.
  const Control* above = nullptr;
  for (const Control& label : page_.controls()) {
    const Rect& r = label.rect;
    if (label.kind != ControlKind::kLabel || !label.visible || r.top >= c.rect.top) continue;
    if (r.left >= c.rect.left + c.rect.width || r.left + r.width <= c.rect.left) continue;
    if (above == nullptr || r.top > above->rect.top) above = &label;
  }
  if (above != nullptr) return text_.FromAnsiForDisplay(above->text).simplified();
  return QString::fromStdString(c.name);
}

void PageWindow::FocusStart() {
  for (const Control& c : page_.controls()) {
    QWidget* widget = WidgetOf(c.name);
    if (c.kind == ControlKind::kOption && c.value && widget != nullptr && widget->isEnabled() &&
        !widget->isHidden()) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  for (const Control& c : page_.controls()) {
    QWidget* widget = WidgetOf(c.name);
    if (c.is_default && widget != nullptr && widget->isEnabled() && !widget->isHidden()) {
      widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void PageWindow::reject() {
  for (const Control& c : page_.controls()) {
    if (c.is_cancel && c.kind == ControlKind::kButton && c.enabled && c.visible) {
      const std::string name = c.name;
      Input(name, [name](Page& p) { p.Click(name); });
      return;
    }
  }
}

void PageWindow::closeEvent(QCloseEvent* event) {
  if (close_allowed_) {
    event->accept();  // QDialog's own handling would press the cancel button
    return;
  }
  // Closing a page is cancelling the installation: the page asks first.
  event->ignore();
  reject();
}

void PageWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  if (syncing_ || !isVisible()) return;
  const QPoint at = pos();
  if (at.x() == scale_.ToPixelsX(page_.left) && at.y() == scale_.ToPixelsY(page_.top)) return;
  // The user moved the page: the next page is shown where this one is now.
  page_.left = shown_left_ = scale_.ToTwipsX(at.x());
  page_.top = shown_top_ = scale_.ToTwipsY(at.y());
}

}  // namespace vlrna
