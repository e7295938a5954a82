#ifndef VLRNA_PLATFORM_POSIX_TEST_PREFIX_H_
#define VLRNA_PLATFORM_POSIX_TEST_PREFIX_H_

#include <string>

#include "platform/posix/wine_prefix.h"

namespace vlrna {

// A throw-away Wine prefix in a temporary folder, removed with the object:
// registry files with the header Wine writes, dosdevices/c: -> ../drive_c
// and z: -> /, and the user folder drive_c/users/pilot.
class TestPrefix {
 public:
  TestPrefix();
  ~TestPrefix();
  TestPrefix(const TestPrefix&) = delete;
  TestPrefix& operator=(const TestPrefix&) = delete;

  const std::string& root() const { return root_; }
  // `relative` below the prefix folder, as a Unix path.
  std::string Path(const std::string& relative) const { return root_ + "/" + relative; }

  // Writes a file below the prefix, creating its folders.
  void Write(const std::string& relative, const std::string& content) const;
  void MakeFolder(const std::string& relative) const;
  // Points the link dosdevices/<letter>: at `target` (any Unix path).
  void Link(char letter, const std::string& target) const;
  // Registry files: the lines after the header, as Wine writes them.
  void SetSystemReg(const std::string& body) const;
  void SetUserReg(const std::string& body) const;
  std::string Read(const std::string& relative) const;

  WinePrefix Open() const { return WinePrefix::Open(root_); }

  static const char kSystemHeader[];
  static const char kUserHeader[];

 private:
  std::string root_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_TEST_PREFIX_H_
