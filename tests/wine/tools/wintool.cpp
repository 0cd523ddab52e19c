// wintool: answers the Wine tests' questions about Win32 windows on stdout.
//
//   wintool find [--class NAME] [--title TEXT] [--parent HWND] [--wait-ms N]
//       One line per matching window (top-level, or the children of HWND).
//       With --wait-ms, prints "looking" and polls until at least one
//       matches. Exit 1 when none.
//   wintool info HWND
//       The same line for one window; exit 1 when HWND is no window.
//   wintool wait-gone [--class NAME] [--title TEXT] [--timeout-ms N]
//       Prints "watching" once a match exists, then "gone <unix seconds>" at
//       the moment none is left. Exit 1 on timeout.
//   wintool window TITLE [--size WxH] [--until-file PATH]
//       Opens a plain top-level window, brings it to the front and prints its
//       HWND in decimal. Runs until the window is closed or PATH exists.
//
// A window line is tab-separated key=value fields:
//   hwnd pid left top right bottom style exstyle visible foreground class title
// with the texts in UTF-8.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kPollMilliseconds = 2;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
  return result;
}

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

HWND ParseHwnd(const wchar_t* text) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(_wcstoui64(text, nullptr, 10))); }

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[1024] = {};
  GetWindowTextW(window, title, 1024);
  return title;
}

std::string DescribeWindow(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char numbers[512];
  std::snprintf(numbers, sizeof(numbers),
                "hwnd=%llu\tpid=%lu\tleft=%ld\ttop=%ld\tright=%ld\tbottom=%ld\tstyle=0x%08lx\texstyle=0x%08lx\t"
                "visible=%d\tforeground=%d",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)), pid, rect.left, rect.top,
                rect.right, rect.bottom, static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)), IsWindowVisible(window) ? 1 : 0,
                GetForegroundWindow() == window ? 1 : 0);
  return std::string(numbers) + "\tclass=" + Utf8(ClassOf(window)) + "\ttitle=" + Utf8(TitleOf(window));
}

struct WindowQuery {
  const wchar_t* className = nullptr;
  const wchar_t* title = nullptr;
  HWND parent = nullptr;
  std::vector<HWND> matches;
};

BOOL CALLBACK CollectMatch(HWND window, LPARAM lParam) {
  auto* query = reinterpret_cast<WindowQuery*>(lParam);
  // EnumChildWindows also walks grandchildren; only direct children count.
  if (query->parent != nullptr && GetAncestor(window, GA_PARENT) != query->parent) return TRUE;
  if (query->className != nullptr && ClassOf(window) != query->className) return TRUE;
  if (query->title != nullptr && TitleOf(window) != query->title) return TRUE;
  query->matches.push_back(window);
  return TRUE;
}

std::vector<HWND> FindWindows(WindowQuery query) {
  query.matches.clear();
  if (query.parent != nullptr) {
    EnumChildWindows(query.parent, CollectMatch, reinterpret_cast<LPARAM>(&query));
  } else {
    EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(&query));
  }
  return query.matches;
}

double UnixSecondsNow() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ULL;  // 1970-01-01 in 100 ns units since 1601
  return static_cast<double>(ticks - kUnixEpochTicks) / 1e7;
}

struct Options {
  WindowQuery query;
  DWORD waitMilliseconds = 0;
  DWORD timeoutMilliseconds = 10000;
  int width = 320;
  int height = 240;
  const wchar_t* untilFile = nullptr;
  std::vector<const wchar_t*> positional;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 2; i < argc; ++i) {
    const std::wstring name = argv[i];
    const bool hasValue = i + 1 < argc;
    if (name == L"--class" && hasValue) {
      options.query.className = argv[++i];
    } else if (name == L"--title" && hasValue) {
      options.query.title = argv[++i];
    } else if (name == L"--parent" && hasValue) {
      options.query.parent = ParseHwnd(argv[++i]);
    } else if (name == L"--wait-ms" && hasValue) {
      options.waitMilliseconds = static_cast<DWORD>(_wtoi(argv[++i]));
    } else if (name == L"--timeout-ms" && hasValue) {
      options.timeoutMilliseconds = static_cast<DWORD>(_wtoi(argv[++i]));
    } else if (name == L"--size" && hasValue) {
      if (std::swscanf(argv[++i], L"%dx%d", &options.width, &options.height) != 2) return false;
    } else if (name == L"--until-file" && hasValue) {
      options.untilFile = argv[++i];
    } else if (name.rfind(L"--", 0) == 0) {
      return false;
    } else {
      options.positional.push_back(argv[i]);
    }
  }
  return true;
}

int Find(const Options& options) {
  const DWORD start = GetTickCount();
  if (options.waitMilliseconds > 0) PrintLine("looking");
  std::vector<HWND> matches = FindWindows(options.query);
  while (matches.empty() && GetTickCount() - start < options.waitMilliseconds) {
    Sleep(kPollMilliseconds);
    matches = FindWindows(options.query);
  }
  for (HWND window : matches) PrintLine(DescribeWindow(window));
  return matches.empty() ? 1 : 0;
}

int Info(const Options& options) {
  if (options.positional.size() != 1) return 2;
  HWND window = ParseHwnd(options.positional[0]);
  if (!IsWindow(window)) return 1;
  PrintLine(DescribeWindow(window));
  return 0;
}

int WaitGone(const Options& options) {
  const DWORD start = GetTickCount();
  bool watching = false;
  while (GetTickCount() - start < options.timeoutMilliseconds) {
    const bool present = !FindWindows(options.query).empty();
    if (present && !watching) {
      watching = true;
      PrintLine("watching");
    } else if (!present && watching) {
      char line[64];
      std::snprintf(line, sizeof(line), "gone %.6f", UnixSecondsNow());
      PrintLine(line);
      return 0;
    }
    Sleep(kPollMilliseconds);
  }
  return 1;
}

struct PlainWindow {
  const wchar_t* untilFile = nullptr;
};

constexpr UINT_PTR kUntilFileTimer = 1;

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_TIMER && wParam == kUntilFileTimer) {
    auto* plain = reinterpret_cast<PlainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (GetFileAttributesW(plain->untilFile) != INVALID_FILE_ATTRIBUTES) DestroyWindow(window);
  } else if (message == WM_DESTROY) {
    PostQuitMessage(0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int OpenWindow(const Options& options) {
  if (options.positional.size() != 1) return 2;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"MiravelTestWindow";
  RegisterClassW(&windowClass);

  PlainWindow plain{options.untilFile};
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, options.positional[0], WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                40, 40, options.width, options.height, nullptr, nullptr, instance, &plain);
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  if (options.untilFile != nullptr) SetTimer(window, kUntilFileTimer, 50, nullptr);
  PrintLine(std::to_string(reinterpret_cast<std::uintptr_t>(window)));

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (argc < 2 || !ParseOptions(argc, argv, options)) {
    std::fputs("usage: wintool find|info|wait-gone|window ...\n", stderr);
    return 2;
  }
  const std::wstring command = argv[1];
  if (command == L"find") return Find(options);
  if (command == L"info") return Info(options);
  if (command == L"wait-gone") return WaitGone(options);
  if (command == L"window") return OpenWindow(options);
  std::fputs("wintool: unknown command\n", stderr);
  return 2;
}
