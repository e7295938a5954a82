#ifndef VLRNA_PLATFORM_QT_PATH_BREAKS_H_
#define VLRNA_PLATFORM_QT_PATH_BREAKS_H_

#include <QString>

namespace vlrna {

// A label's text with the places marked where the Windows paths in it may
// wrap: after each backslash between two folder names, never inside the
// drive's root "C:\", so that no line ends in "C:" or "C:\" and a long path
// wraps at its folders. The marks are invisible; the text reads the same.
QString WithPathBreaks(const QString& text);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_PATH_BREAKS_H_
