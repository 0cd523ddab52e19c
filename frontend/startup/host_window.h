#pragma once
#include <windows.h>

#include <string>

#include "music_settings.h"

// What start-up looks for to refuse a second instance while the saver runs.
inline constexpr wchar_t kHostWindowTitle[] = L"Kestrova_Main";

// Runs the saver: a hidden host window starts the renderer and the music,
// keeps the music going and watches the renderer's window; returns once the
// renderer has ended and the music is stopped.
int RunSaverHost(HINSTANCE instance, const MusicSettings& settings, const std::wstring& rendererPath,
                 bool restoreCursor);
