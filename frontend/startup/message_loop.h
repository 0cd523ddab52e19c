#pragma once

// Dispatches this thread's messages until WM_QUIT; returns its exit code.
int RunMessageLoop();
