#pragma once
#include <string>

#include "file_system.h"

// True when a file (not a folder) at `path` can be opened for reading; one
// trailing backslash is dropped first, so "C:\a.mp3\" tests "C:\a.mp3".
bool FileExists(FileSystem& files, std::wstring path);
