#ifndef VLRNA_PLATFORM_ARCHIVE_UTF8_LOCALE_H_
#define VLRNA_PLATFORM_ARCHIVE_UTF8_LOCALE_H_

namespace vlrna {

// libarchive converts entry names to and from the character set of the
// calling thread's locale. While one of these lives, that is UTF-8 on this
// thread, whatever the program's locale, so names pass unchanged. Made and
// destroyed on the same thread.
class ScopedUtf8Locale {
 public:
  ScopedUtf8Locale();
  ~ScopedUtf8Locale();
  ScopedUtf8Locale(const ScopedUtf8Locale&) = delete;
  ScopedUtf8Locale& operator=(const ScopedUtf8Locale&) = delete;

 private:
  void* previous_ = nullptr;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_UTF8_LOCALE_H_
