#pragma once
#include "mci_port.h"

class Win32MciPort : public MciPort {
 public:
  MciReply Send(const std::string& command, std::size_t replyCapacity) override;
};
