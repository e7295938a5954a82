#include "platform/qt/path_breaks.h"

namespace vlrna {
namespace {

constexpr char16_t kWordJoiner = u'\u2060';
constexpr char16_t kZeroWidthSpace = u'\u200B';

}  // namespace

QString WithPathBreaks(const QString& text) {
  QString marked;
  marked.reserve(text.size() + text.size() / 4);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    marked.append(c);
    if (i + 1 == text.size()) break;
    const QChar next = text[i + 1];
    const bool drive = c == u':' && next == u'\\' && i > 0 && text[i - 1].isLetter();
    const bool root = c == u'\\' && i > 0 && text[i - 1] == u':';
    if (drive || (root && !next.isSpace())) {
      marked.append(kWordJoiner);
    } else if (c == u'\\' && next != u'\\' && !next.isSpace()) {
      marked.append(kZeroWidthSpace);
    }
  }
  return marked;
}

}  // namespace vlrna
