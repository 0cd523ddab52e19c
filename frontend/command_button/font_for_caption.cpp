#include "font_for_caption.h"

#include <cwchar>
#include <string>

namespace {

// Japanese proportional gothics, closest look first: Windows' own, then the
// ones a Linux system under Wine usually has.
constexpr const wchar_t* kJapaneseStandIns[] = {
    L"MS PGothic", L"MS UI Gothic", L"Meiryo UI",        L"Yu Gothic UI", L"IPAPGothic",
    L"IPAGothic",  L"VL PGothic",   L"Noto Sans CJK JP", L"TakaoPGothic",
};

constexpr int kPointsPerInch = 72;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(HDC dc, const wchar_t* face) {
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

std::wstring InstalledFace(HDC dc, const CaptionFont& font) {
  if (font.charset != SHIFTJIS_CHARSET || FaceInstalled(dc, font.face.c_str())) return font.face;
  for (const wchar_t* standIn : kJapaneseStandIns) {
    if (FaceInstalled(dc, standIn)) return standIn;
  }
  // Left to the font mapper, which still looks for the character set.
  return font.face;
}

}  // namespace

UniqueFont CreateFontFor(const CaptionFont& font) {
  HDC screen = GetDC(nullptr);
  LOGFONTW description{};
  description.lfHeight = -static_cast<LONG>(font.points * GetDeviceCaps(screen, LOGPIXELSY) / kPointsPerInch + 0.5);
  description.lfWeight = font.weight;
  description.lfCharSet = static_cast<BYTE>(font.charset);
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  wcsncpy(description.lfFaceName, InstalledFace(screen, font).c_str(), LF_FACESIZE - 1);
  ReleaseDC(nullptr, screen);
  return UniqueFont(CreateFontIndirectW(&description));
}
