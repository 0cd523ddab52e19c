#pragma once
#include <string>

// The folder that holds the running Miravel.scr, without a final backslash.
std::wstring ProgramFolder();

// %APPDATA%\Miravel; empty when the system names no application-data folder.
std::wstring PerUserSettingsFolder();
