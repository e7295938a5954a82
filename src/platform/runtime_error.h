#ifndef VLRNA_PLATFORM_RUNTIME_ERROR_H_
#define VLRNA_PLATFORM_RUNTIME_ERROR_H_

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vlrna {

// Classic run-time error numbers. The wizard's error reports show them to the
// user and write them to the log, so they keep their traditional values.
enum RuntimeErrorNumber : int32_t {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrBadFileName = 52,
  kErrFileNotFound = 53,
  kErrFileAlreadyOpen = 55,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrDeviceUnavailable = 68,
  kErrPermissionDenied = 70,
  kErrDiskNotReady = 71,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
};

// The one run-time error type of the program: a number, a description and the
// name of the component that raised it. The line is a stable position marker of
// the failing step within its procedure, or 0.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int32_t number, std::string description, std::string source, int32_t line = 0);

  int32_t number() const { return number_; }
  const std::string& description() const { return description_; }
  const std::string& source() const { return source_; }
  int32_t line() const { return line_; }
  void set_line(int32_t line) { line_ = line; }

 private:
  int32_t number_;
  std::string description_;
  std::string source_;
  int32_t line_;
};

// The classic description of an error number ("File not found" for 53), or
// "Application-defined or object-defined error" for numbers without one.
std::string DescribeErrorNumber(int32_t number);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_RUNTIME_ERROR_H_
