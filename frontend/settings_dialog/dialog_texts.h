#pragma once
// Everything the dialog shows, as UTF-16 so it reads right on every display
// language. The Japanese is written as escapes to keep the source plain
// ASCII for every compiler; each line says what it reads.

inline constexpr wchar_t kApplicationTitle[] = L"Miravel (ScreenSaver)";
inline constexpr wchar_t kCreditText[] = L"Designed by q-lund Ver.1.0.0";
inline constexpr wchar_t kOtherWorksCaption[] = L"\u305D\u306E\u4ED6\u306E\u4F5C\u54C1";  // その他の作品
inline constexpr wchar_t kSetCaption[] = L"\u8A2D\u5B9A";                                 // 設定
inline constexpr wchar_t kCancelCaption[] = L"\uFF77\uFF6C\uFF9D\uFF7E\uFF99";            // ｷｬﾝｾﾙ
inline constexpr wchar_t kBrowseCaption[] = L"...";
inline constexpr wchar_t kHeadingText[] = L"BGM";
inline constexpr wchar_t kAudioCdText[] = L"\u97F3\u697DCD";                                   // 音楽CD
inline constexpr wchar_t kRepeatText[] = L"\u66F2\u76EE\u3092\uFF98\uFF8B\uFF9F\uFF70\uFF84";  // 曲目をﾘﾋﾟｰﾄ
inline constexpr wchar_t kNoMusicText[] = L"\u7121\u3057";                                     // 無し
inline constexpr wchar_t kMusicFileText[] = L"MP3\u3001WAV";                                   // MP3、WAV

// The open-file dialog: "BGMﾌｧｲﾙ (MP3 WAV)" for *.MP3;*.WAV, titled "ﾌｧｲﾙを開く".
inline constexpr wchar_t kMusicFileFilter[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)\0*.MP3;*.WAV\0";
inline constexpr wchar_t kOpenFileTitle[] = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";

// "設定を保存できませんでした。次のﾌｧｲﾙに書き込めません：" and the file's path.
inline constexpr wchar_t kNotSavedMessage[] =
    L"\u8A2D\u5B9A\u3092\u4FDD\u5B58\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F\u3002"
    L"\u6B21\u306E\uFF8C\uFF67\uFF72\uFF99\u306B\u66F8\u304D\u8FBC\u3081\u307E\u305B\u3093\uFF1A\n\n";
// "このﾌｧｲﾙは選べません。ﾌｧｲﾙ名に設定ﾌｧｲﾙへ書けない文字が含まれているか、名前が長すぎます："
// and the chosen path.
inline constexpr wchar_t kFileNotStorableMessage[] =
    L"\u3053\u306E\uFF8C\uFF67\uFF72\uFF99\u306F\u9078\u3079\u307E\u305B\u3093\u3002"
    L"\uFF8C\uFF67\uFF72\uFF99\u540D\u306B\u8A2D\u5B9A\uFF8C\uFF67\uFF72\uFF99\u3078\u66F8\u3051\u306A\u3044"
    L"\u6587\u5B57\u304C\u542B\u307E\u308C\u3066\u3044\u308B\u304B\u3001\u540D\u524D\u304C\u9577\u3059\u304E"
    L"\u307E\u3059\uFF1A\n\n";

// The maker's web page, opened by the other-works button.
inline constexpr wchar_t kMakerWebPage[] = L"https://miravel.example.org/";
