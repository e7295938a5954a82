#include "platform/qt/path_breaks.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(PathBreaksTest, MarksWhereAPathMayWrapAndWhereNot) {
  struct Case {
    const char16_t* text;
    const char16_t* marked;  // | a place to wrap, + a place never to wrap
  };
  const Case cases[] = {
      {u"see C:\\Users\\pilot\\V.LOG.", u"see C:+\\+Users\\|pilot\\|V.LOG."},
      {u"E:\\Scenery\\vlrna\\ exists", u"E:+\\+Scenery\\|vlrna\\ exists"},
      {u"\\\\server\\share", u"\\\\|server\\|share"},
      {u"Note: \\ alone, 12:30, D:\\ ", u"Note: \\ alone, 12:30, D:+\\ "},
  };
  for (const Case& c : cases) {
    QString expected = QString::fromUtf16(c.marked);
    expected.replace(u'|', QChar(0x200B)).replace(u'+', QChar(0x2060));
    EXPECT_EQ(WithPathBreaks(QString::fromUtf16(c.text)), expected)
        << QString::fromUtf16(c.text).toStdString();
  }
}

}  // namespace
}  // namespace vlrna
