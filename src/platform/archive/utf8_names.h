#ifndef VLRNA_PLATFORM_ARCHIVE_UTF8_NAMES_H_
#define VLRNA_PLATFORM_ARCHIVE_UTF8_NAMES_H_

#include <string>

struct archive_entry;

namespace vlrna {

// How libarchive's zip writer takes names given as UTF-8 and writes them
// unchanged, whatever the process's locale. The writer is set up with the
// option "zip:hdrcharset=UTF-8".
//
// On Linux libarchive converts names from the character set of the calling
// thread's locale: while a ScopedUtf8Locale lives, that is UTF-8 on this
// thread. On Windows it holds names as UTF-16 and needs no locale; the
// object does nothing. Made and destroyed on the same thread.
class ScopedUtf8Locale {
 public:
  ScopedUtf8Locale();
  ~ScopedUtf8Locale();
  ScopedUtf8Locale(const ScopedUtf8Locale&) = delete;
  ScopedUtf8Locale& operator=(const ScopedUtf8Locale&) = delete;

 private:
  void* previous_ = nullptr;
};

// Gives `entry` the path `name` and, when not empty, the link target
// `link_target`, both UTF-8, in the form this system's libarchive converts
// without loss.
void SetUtf8Names(archive_entry* entry, const std::string& name, const std::string& link_target);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_UTF8_NAMES_H_
