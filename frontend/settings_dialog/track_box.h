#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The CD track to repeat, as the dialog's editable track box shows and takes
// it. 0 stands for the whole disc and shows as an empty text.

// An optional sign, digits and an optional fraction, with blanks around,
// rounded to the nearest whole number with halves to the even neighbour.
// Anything else, and a number no 16-bit track can hold, gives 0.
std::int16_t TrackFromText(std::wstring_view text);

// Decimal without leading zeros; 0 gives the empty text.
std::wstring TrackText(int track);

// The list of the box: the empty entry for the whole disc, then 1 to 30.
std::vector<std::wstring> TrackListEntries();
