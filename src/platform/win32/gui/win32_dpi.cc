#include "platform/win32/gui/win32_dpi.h"

namespace vlrna {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using SetDialogDpiChangeBehaviorCall = BOOL(WINAPI*)(HWND, int, int);

// DDC_DISABLE_ALL: neither the dialog's size nor its fonts follow.
constexpr int kDialogScalesNothing = 1;

struct DpiCalls {
  GetDpiForWindowCall get_dpi_for_window = nullptr;
  SetDialogDpiChangeBehaviorCall set_dialog_dpi_change_behavior = nullptr;
};

template <typename Call>
Call Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const DpiCalls& Calls() {
  static const DpiCalls calls = [] {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    DpiCalls found;
    found.get_dpi_for_window = Find<GetDpiForWindowCall>(user32, "GetDpiForWindow");
    found.set_dialog_dpi_change_behavior =
        Find<SetDialogDpiChangeBehaviorCall>(user32, "SetDialogDpiChangeBehavior");
    return found;
  }();
  return calls;
}

}  // namespace

int DpiOfWindow(HWND window) {
  if (window == nullptr || Calls().get_dpi_for_window == nullptr) return 0;
  return static_cast<int>(Calls().get_dpi_for_window(window));
}

void LeaveDialogScalingToUs(HWND dialog) {
  if (Calls().set_dialog_dpi_change_behavior == nullptr) return;
  Calls().set_dialog_dpi_change_behavior(dialog, kDialogScalesNothing, kDialogScalesNothing);
}

}  // namespace vlrna
