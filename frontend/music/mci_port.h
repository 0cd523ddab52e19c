#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct MciReply {
  std::uint32_t code;  // 0 on success
  std::string text;    // the reply, empty when the command failed or none was asked for
};

// The MCI command-string interface.
class MciPort {
 public:
  virtual ~MciPort() = default;
  // Sends one command (code page 932 text) without a notification window and
  // asks for a reply of up to `replyCapacity` - 1 characters; none when 0.
  virtual MciReply Send(const std::string& command, std::size_t replyCapacity) = 0;
};
