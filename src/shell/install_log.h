#ifndef VLRNA_SHELL_INSTALL_LOG_H_
#define VLRNA_SHELL_INSTALL_LOG_H_

#include <string>
#include <string_view>

#include "shell/context.h"

namespace vlrna {

// Names the log file after the current local time: "VLRNA_yymmddhhnn.LOG".
void MakeLogFileName(Context& ctx);

// True when `path` names a log of the installer: a file "VLRNA_*.LOG".
bool IsInstallLogPath(std::string_view path);

// Appends "yyyy.mm.dd  hh:nn:ss | " + text + CRLF to the log in gsUserDir,
// opening and closing the file for the line. Does nothing while gsUserDir or
// gsLogFile is empty; a log that cannot be written loses the line and nothing else.
void WriteLog(Context& ctx, std::string_view text);

// "yyyy.mm.dd  hh:nn:ss | " for a moment.
std::string LogTimeStamp(const LocalTime& t);

}  // namespace vlrna

#endif  // VLRNA_SHELL_INSTALL_LOG_H_
