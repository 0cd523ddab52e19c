#include "system_scaled_scope.h"

namespace {
// DPI_AWARENESS_CONTEXT_UNAWARE, spelt out for headers that predate it.
const HANDLE kUnaware = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));
}  // namespace

SystemScaledScope::SystemScaledScope() {
  // NOTE: SetThreadDpiAwarenessContext exists from Windows 10 1607 on; before
  // that the whole program runs at the system's density and nothing is needed.
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return;
  setContext_ =
      reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  if (setContext_ != nullptr) previous_ = setContext_(kUnaware);
}

SystemScaledScope::~SystemScaledScope() {
  if (setContext_ != nullptr && previous_ != nullptr) setContext_(previous_);
}
