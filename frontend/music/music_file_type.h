#pragma once
#include <string>

enum class MusicFileType { Wave, Mp3, Other };

// Told apart by the last three characters of the path in any case: "WAV" or
// "MP3" (code page 932 path; a double-byte character is never one of them).
MusicFileType MusicFileTypeOf(const std::string& path);
