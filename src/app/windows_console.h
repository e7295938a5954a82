#ifndef VLRNA_APP_WINDOWS_CONSOLE_H_
#define VLRNA_APP_WINDOWS_CONSOLE_H_

#include <string>

namespace vlrna {

// Where a Windows GUI program's text lines go when it has any to print:
// the output handles it was given (a file or pipe the caller redirected
// into), else the console of the program that started it, attached on first
// use. A console gets the text as UTF-16; a file or pipe as UTF-8 with LF
// line ends, the bytes the Linux program writes. Without either, lines are
// dropped.
class WindowsConsole {
 public:
  enum Stream { kOut, kErr };

  // Prints UTF-8 text of one or more lines; a line break ends the text's
  // last line or not.
  void Print(Stream stream, const std::string& utf8);

 private:
  void WriteLine(Stream stream, const std::string& utf8);
  bool attached_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_APP_WINDOWS_CONSOLE_H_
