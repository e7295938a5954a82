#include "platform/qt/layout_check.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

#include "platform/layout_rules.h"

namespace vlrna {
namespace {

// "&Weiter >" is drawn "Weiter >"; "&&" as one ampersand.
QString Drawn(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    plain.append(caption[i]);
  }
  return plain;
}

std::string Needs(const char* what, QSize needed, QSize room) {
  return std::string(what) + " needs " + std::to_string(needed.width()) + "x" +
         std::to_string(needed.height()) + " px, has " + std::to_string(room.width()) + "x" +
         std::to_string(room.height());
}

// A wrapped text must fit the label's height, and no word may be wider than
// the label, which would cut it at the right edge.
std::string LabelProblem(const QLabel& label) {
  const int height = label.heightForWidth(label.width());
  if (height > label.height()) {
    return Needs("its text", {label.width(), height}, label.size());
  }
  const QFontMetrics metrics(label.font());
  // Words end at blanks and at the invisible places where paths may wrap.
  static const QRegularExpression kBlanks(QStringLiteral("[\\s\\x{200B}]+"));
  for (const QString& word : label.text().split(kBlanks, Qt::SkipEmptyParts)) {
    const int width = metrics.horizontalAdvance(word);
    if (width > label.contentsRect().width()) {
      return Needs(("the word \"" + word + "\"").toUtf8().constData(), {width, metrics.height()},
                   label.contentsRect().size());
    }
  }
  return "";
}

std::string ButtonProblem(const QPushButton& button) {
  const QFontMetrics metrics(button.font());
  const QStyle& style = *button.style();
  const int frame = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  const QSize needed(metrics.horizontalAdvance(Drawn(button.text())) + margin + frame,
                     metrics.height() + frame);
  if (needed.width() <= button.width() && needed.height() <= button.height()) return "";
  return Needs("its caption", needed, button.size());
}

std::string CaptionProblem(const QWidget& widget, QSize needed) {
  if (needed.width() <= widget.width() && needed.height() <= widget.height()) return "";
  return Needs("its caption", needed, widget.size());
}

std::string TextProblem(const QWidget& widget) {
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return LabelProblem(*label);
  if (auto* button = qobject_cast<const QPushButton*>(&widget)) return ButtonProblem(*button);
  if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
    return CaptionProblem(widget, widget.sizeHint());
  }
  // Only a frame's caption is judged, which runs along its top edge.
  if (qobject_cast<const QGroupBox*>(&widget) != nullptr) {
    return CaptionProblem(widget, {widget.minimumSizeHint().width(), widget.height()});
  }
  return "";
}

}  // namespace

std::vector<std::string> LayoutProblems(const PageWindow& window) {
  const Page& page = window.page();
  const std::string prefix = page.name() + ": ";
  std::vector<std::string> problems;
  for (const std::string& clash : ClashingMnemonics(page)) {
    problems.push_back(prefix + "mnemonic " + clash);
  }
  auto shown = [&window](const Control& c) -> QWidget* {
    QWidget* widget = window.WidgetOf(c.name);
    return widget != nullptr && widget->isVisibleTo(&window) ? widget : nullptr;
  };
  for (const std::string& overlap : OverlappingControls(page, [&](const Control& c) {
         const QWidget* widget = shown(c);
         if (widget == nullptr) return std::optional<Rect>();
         const QRect r = widget->geometry();
         return std::optional<Rect>(Rect{r.x(), r.y(), r.width(), r.height()});
       })) {
    problems.push_back(prefix + overlap);
  }
  for (const Control& c : page.controls()) {
    const QWidget* widget = shown(c);
    if (widget == nullptr) continue;
    if (!window.rect().contains(widget->geometry())) {
      problems.push_back(prefix + c.name + " reaches outside the page");
    }
    const std::string text = TextProblem(*widget);
    if (!text.empty()) problems.push_back(prefix + c.name + ": " + text);
  }
  return problems;
}

}  // namespace vlrna
