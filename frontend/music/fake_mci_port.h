#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "mci_port.h"

// A scripted MCI device for the tests: each command answers from its own
// queue of replies (the last one repeats), or with success and no text.
class FakeMciPort : public MciPort {
 public:
  void Answer(const std::string& command, std::vector<MciReply> replies) {
    replies_[command] = std::deque<MciReply>(replies.begin(), replies.end());
  }

  MciReply Send(const std::string& command, std::size_t replyCapacity) override {
    sent.push_back(command);
    auto found = replies_.find(command);
    if (found == replies_.end() || found->second.empty()) return {0, std::string()};
    MciReply reply = found->second.front();
    if (found->second.size() > 1) found->second.pop_front();
    if (reply.code != 0 || replyCapacity == 0) reply.text.clear();
    if (replyCapacity > 0 && reply.text.size() >= replyCapacity) reply.text.resize(replyCapacity - 1);
    return reply;
  }

  std::vector<std::string> sent;

 private:
  std::map<std::string, std::deque<MciReply>> replies_;
};
