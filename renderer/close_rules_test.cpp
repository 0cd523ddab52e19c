#include "close_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A saver window in miniature: posted closes are delivered right after the
// message that posted them, as the message loop would.
class FakeSaver : public SaverPlatform {
 public:
  ScreenPoint cursor{500, 400};
  int pendingCloses = 0;
  int hideCursorCalls = 0;
  int passwordChecks = 0;
  bool passwordAccepts = true;
  std::function<void()> whileDialogOpen;
  bool closed = false;
  CloseRules rules{*this};

  ScreenPoint CursorPosition() override { return cursor; }
  void PostClose() override { ++pendingCloses; }
  void HideCursor() override { ++hideCursorCalls; }
  bool VerifyClose() override {
    ++passwordChecks;
    if (whileDialogOpen) whileDialogOpen();
    return passwordAccepts;
  }

  SaverReply Send(SaverEvent event) {
    const SaverReply reply = rules.Handle(event);
    DeliverCloses();
    return reply;
  }
  void MoveTo(long x, long y) {
    cursor = {x, y};
    Send(SaverEvent::MouseMove);
  }
  void MoveBy(long dx, long dy) { MoveTo(cursor.x + dx, cursor.y + dy); }

 private:
  void DeliverCloses() {
    while (pendingCloses > 0 && !closed) {
      --pendingCloses;
      if (rules.Handle(SaverEvent::Close).useDefault) closed = true;  // DefWindowProc destroys the window
    }
    pendingCloses = 0;
  }
};

struct Script {
  const char* name;
  std::function<void(FakeSaver&)> run;
  bool closes;
};

}  // namespace

TEST(CloseRules, InputSequences) {
  const Script scripts[] = {
      {"first move alone never closes, however far", [](FakeSaver& s) { s.MoveBy(300, 200); }, false},
      {"second far move closes", [](FakeSaver& s) { s.MoveBy(0, 0); s.MoveBy(5, 0); }, true},
      {"first far move keeps the reference, so the next message closes",
       [](FakeSaver& s) { s.MoveBy(10, 0); s.MoveBy(0, 0); }, true},
      {"armed: 2 right 2 down (distance 4) stays", [](FakeSaver& s) { s.MoveBy(0, 0); s.MoveBy(2, 2); }, false},
      {"armed: 3 right 2 down (distance 5) closes", [](FakeSaver& s) { s.MoveBy(0, 0); s.MoveBy(3, -2); }, true},
      {"small steps drag the reference along",
       [](FakeSaver& s) {
         for (int i = 0; i < 100; ++i) s.MoveBy(i % 2 ? 4 : 3, i % 2 ? 0 : 1);  // 350 pixels in all
       },
       false},
      {"any key closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x0100, 'A')); }, true},
      {"a system key such as Alt closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x0104, 0x12)); }, true},
      {"left button closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x0201, 1)); }, true},
      {"right button closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x0204, 2)); }, true},
      {"middle button closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x0207, 16)); }, true},
      {"losing activation closes", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x001C, 0)); }, true},
      {"gaining activation does not", [](FakeSaver& s) { s.Send(DecodeSaverEvent(0x001C, 1)); }, false},
      {"a close from elsewhere is ignored until armed", [](FakeSaver& s) { s.Send(SaverEvent::Close); }, false},
      {"a key arms closing, so even the first far move closes",
       [](FakeSaver& s) {
         s.passwordAccepts = false;
         s.Send(SaverEvent::KeyDown);
         s.passwordAccepts = true;
         s.MoveBy(6, 0);
       },
       true},
  };
  for (const Script& script : scripts) {
    FakeSaver saver;
    saver.rules.Begin();
    script.run(saver);
    EXPECT_EQ(saver.closed, script.closes) << script.name;
  }
}

TEST(CloseRules, ARefusedPasswordKeepsRunningAndMeasuresFromTheNewCursor) {
  FakeSaver saver;
  saver.rules.Begin();
  saver.passwordAccepts = false;
  saver.MoveBy(0, 0);
  saver.MoveBy(40, 0);  // armed and far: the password is asked, and refused
  EXPECT_FALSE(saver.closed);
  EXPECT_EQ(saver.passwordChecks, 1);

  saver.MoveBy(3, 1);  // 4 from where the cursor was at the refusal
  EXPECT_EQ(saver.passwordChecks, 1);

  saver.passwordAccepts = true;
  saver.Send(SaverEvent::KeyDown);  // asks again
  EXPECT_EQ(saver.passwordChecks, 2);
  EXPECT_TRUE(saver.closed);
}

TEST(CloseRules, NothingIsHandledWhileThePasswordDialogIsOpen) {
  FakeSaver saver;
  saver.rules.Begin();
  saver.passwordAccepts = false;
  std::vector<SaverReply> replies;
  bool dialogFlagSeen = false;
  saver.whileDialogOpen = [&] {
    dialogFlagSeen = saver.rules.PasswordDialogOpen();
    const int postedBefore = saver.pendingCloses;
    const int hiddenBefore = saver.hideCursorCalls;
    for (SaverEvent e : {SaverEvent::KeyDown, SaverEvent::ButtonDown, SaverEvent::MouseMove, SaverEvent::SetCursor,
                         SaverEvent::ActivationLost, SaverEvent::Shown})
      replies.push_back(saver.rules.Handle(e));
    EXPECT_EQ(saver.pendingCloses, postedBefore);
    EXPECT_EQ(saver.hideCursorCalls, hiddenBefore);
  };
  saver.Send(SaverEvent::KeyDown);
  EXPECT_TRUE(dialogFlagSeen);
  EXPECT_FALSE(saver.rules.PasswordDialogOpen());
  for (const SaverReply& r : replies) EXPECT_TRUE(r.useDefault);
  EXPECT_FALSE(saver.closed);
}

TEST(CloseRules, TheCursorStaysHidden) {
  FakeSaver saver;
  saver.rules.Begin();
  EXPECT_EQ(saver.hideCursorCalls, 1);
  const SaverReply setCursor = saver.Send(DecodeSaverEvent(0x0020, 0));
  EXPECT_FALSE(setCursor.useDefault);
  EXPECT_EQ(setCursor.result, 1);
  saver.Send(DecodeSaverEvent(0x0018, 1));  // shown
  saver.Send(DecodeSaverEvent(0x0018, 0));  // hidden: nothing to do
  EXPECT_EQ(saver.hideCursorCalls, 3);
}
