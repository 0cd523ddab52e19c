#include "win32_mci_port.h"

#include <windows.h>
// NOTE: MinGW's mmsystem.h needs windows.h before it.
#include <mmsystem.h>

#include "win32_cp932.h"

MciReply Win32MciPort::Send(const std::string& command, std::size_t replyCapacity) {
  // NOTE: sent as UTF-16 decoded from code page 932, so a music file path with
  // Japanese characters opens whatever the system's ANSI code page is.
  const std::wstring wideCommand = DecodeCp932(command);
  if (replyCapacity == 0) return {mciSendStringW(wideCommand.c_str(), nullptr, 0, nullptr), std::string()};

  std::wstring reply(replyCapacity, L'\0');
  const MCIERROR code = mciSendStringW(wideCommand.c_str(), reply.data(), static_cast<UINT>(replyCapacity), nullptr);
  if (code != 0) return {code, std::string()};
  reply.resize(reply.find(L'\0'));
  return {code, EncodeCp932(reply)};
}
