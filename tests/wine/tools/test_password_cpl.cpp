// A stand-in for the Windows 9x "PASSWORD.CPL", steered by files beside it:
//   password_calls.txt   one line "hwnd=<decimal>" is appended per call
//   password_hold        while it exists, the call keeps pumping messages as
//                        the real password dialog would
//   password_answer.txt  "accept" lets the saver close; anything else, or no
//                        file, refuses
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

HINSTANCE module = nullptr;

std::string BesideThisModule(const char* fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  std::string folder = path;
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RecordCall(HWND window) {
  if (std::FILE* calls = std::fopen(BesideThisModule("password_calls.txt").c_str(), "a")) {
    std::fprintf(calls, "hwnd=%llu\n", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    std::fclose(calls);
  }
}

void PumpMessagesWhileHeld() {
  const std::string hold = BesideThisModule("password_hold");
  while (FileExists(hold)) {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

bool AnswerIsAccept() {
  char answer[16] = {};
  if (std::FILE* file = std::fopen(BesideThisModule("password_answer.txt").c_str(), "r")) {
    std::fgets(answer, sizeof(answer), file);
    std::fclose(file);
  }
  return std::strncmp(answer, "accept", 6) == 0;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
  RecordCall(window);
  PumpMessagesWhileHeld();
  return AnswerIsAccept() ? TRUE : FALSE;
}
