#pragma once
#include <windows.h>

// On Windows 95/98/Me asks the system's screen-saver password check whether
// the saver may close; everywhere else, and whenever the check is missing,
// the answer is yes.
bool VerifyCloseWithPassword(HWND window);
