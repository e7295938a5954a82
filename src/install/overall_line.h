#ifndef VLRNA_INSTALL_OVERALL_LINE_H_
#define VLRNA_INSTALL_OVERALL_LINE_H_

#include <string>

#include "install/overall_progress.h"
#include "shell/program_state.h"

namespace vlrna {

// Catalogue entries of the overall progress line.
inline constexpr int kOverallLineText = 65;         // the whole set's size is known
inline constexpr int kOverallLineAtLeastText = 66;  // an archive's size is still unknown

// The line under the progress bar that tells how far the whole installation
// is: entry 65 with "%DONE%" and "%TOTAL%" (megabytes, 1 MB = 1,048,576
// bytes), "%PERCENT%", "%SPEED%" (MB/s with one decimal, the decimal
// separator of gsLanguage; "-" while unmeasured) and "%TIMELEFT%" ("m:ss" or
// "h:mm:ss"; "-:--" while unknown). While an archive's size is unknown, entry
// 66 with "%DONE%", "%TOTAL%" (a lower bound) and "%SPEED%".
std::string OverallLine(const ProgramState& state, const OverallFigures& figures);

inline constexpr double kMegabyte = 1024.0 * 1024.0;

// Bytes as whole megabytes of 1,048,576 bytes, rounded.
std::string Megabytes(uint64_t bytes);

// A time left as "0:07", "12:30" or "1:02:03".
std::string FormatTimeLeft(int64_t seconds);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_OVERALL_LINE_H_
