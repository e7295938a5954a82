#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_DPI_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_DPI_H_

#include "platform/win32/windows_api.h"

namespace vlrna {

// The calls for one resolution per screen, which older Windows lack: found
// at run time, so the program still starts there.

// The resolution of the screen `window` lies on, or 0 where the system does
// not say.
int DpiOfWindow(HWND window);

// Keeps the dialog manager from scaling a dialog's controls and fonts itself
// when the dialog moves to a screen of another resolution: the page lays
// itself out again from its model.
void LeaveDialogScalingToUs(HWND dialog);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_DPI_H_
