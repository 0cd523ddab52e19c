#include "button_machine.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

enum class Input { Move, LeftDown, RightDown, LeftUp, RightUp, MiddleUp, FocusIn, FocusOut, CheckOver, CheckAway };

ButtonReaction Send(ButtonMachine& machine, Input input) {
  switch (input) {
    case Input::Move:
      return machine.OnMouseMove();
    case Input::LeftDown:
      return machine.OnMouseDown(MouseButton::Left);
    case Input::RightDown:
      return machine.OnMouseDown(MouseButton::Right);
    case Input::LeftUp:
      return machine.OnMouseUp(MouseButton::Left);
    case Input::RightUp:
      return machine.OnMouseUp(MouseButton::Right);
    case Input::MiddleUp:
      return machine.OnMouseUp(MouseButton::Middle);
    case Input::FocusIn:
      return machine.OnGotFocus();
    case Input::FocusOut:
      return machine.OnLostFocus();
    case Input::CheckOver:
      return machine.OnPointerCheck(true);
    case Input::CheckAway:
      return machine.OnPointerCheck(false);
  }
  return {};
}

constexpr auto S0 = ButtonState::None;
constexpr auto S1 = ButtonState::Normal;
constexpr auto S2 = ButtonState::HighLight;
constexpr auto S3 = ButtonState::Selected;
constexpr auto S4 = ButtonState::HighLightSelect;
constexpr std::optional<Skin> kNoPaint;

struct Transition {
  const char* what;
  ButtonState state;
  bool buttonDown;
  bool enabled;
  Input input;
  ButtonState nextState;
  bool nextButtonDown;
  std::optional<Skin> painted;
  bool click;
};

const Transition kTransitions[] = {
    {"pointer enters", S1, false, true, Input::Move, S2, false, Skin::HighLight, false},
    {"moving within the hover paints nothing", S2, false, true, Input::Move, S2, false, kNoPaint, false},
    {"pointer enters the focused button", S3, false, true, Input::Move, S4, false, Skin::HighLightSelect, false},
    {"dragging back over the focused button", S3, true, true, Input::Move, S3, true, kNoPaint, false},
    {"before Initialize moves do nothing", S0, false, true, Input::Move, S0, false, kNoPaint, false},
    {"left press shows Pressed, state stays", S2, false, true, Input::LeftDown, S2, true, Skin::Pressed, false},
    {"right press paints nothing", S2, false, true, Input::RightDown, S2, false, kNoPaint, false},
    {"release while hovered paints Normal", S2, true, true, Input::LeftUp, S2, false, Skin::Normal, true},
    {"release on the focused hovered button", S4, true, true, Input::LeftUp, S4, false, Skin::HighLightSelect, true},
    {"release after the check saw the pointer leave", S3, true, true, Input::LeftUp, S3, false, kNoPaint, false},
    {"release outside an unfocused button", S1, true, true, Input::LeftUp, S1, false, kNoPaint, true},
    {"release before Initialize", S0, true, true, Input::LeftUp, S0, false, kNoPaint, true},
    {"right release clicks without a new look", S2, false, true, Input::RightUp, S2, false, kNoPaint, true},
    {"middle release on the focused button", S3, false, true, Input::MiddleUp, S3, false, kNoPaint, false},
    {"focus arrives", S1, false, true, Input::FocusIn, S3, false, Skin::Selected, false},
    {"focus arrives with a press on a hovered button", S2, true, true, Input::FocusIn, S4, true, Skin::Pressed, false},
    {"focus arrives before Initialize", S0, false, true, Input::FocusIn, S3, false, Skin::Selected, false},
    {"focus leaves", S4, false, true, Input::FocusOut, S1, false, Skin::Normal, false},
    {"focus leaves keeps buttonDown", S3, true, true, Input::FocusOut, S1, true, Skin::Normal, false},
    {"focus leaves a normal button", S1, false, true, Input::FocusOut, S1, false, kNoPaint, false},
    {"check: pointer still over", S2, false, true, Input::CheckOver, S2, false, kNoPaint, false},
    {"check: pointer gone from hover", S2, false, true, Input::CheckAway, S1, false, Skin::Normal, false},
    {"check: pointer gone from focused hover", S4, false, true, Input::CheckAway, S3, false, Skin::Selected, false},
    {"check: nothing to leave", S3, false, true, Input::CheckAway, S3, false, kNoPaint, false},
    {"disabled: move", S1, false, false, Input::Move, S1, false, kNoPaint, false},
    {"disabled: press", S2, false, false, Input::LeftDown, S2, false, kNoPaint, false},
    {"disabled: release never clicks", S2, true, false, Input::LeftUp, S2, true, kNoPaint, false},
    {"disabled: focus", S1, false, false, Input::FocusIn, S1, false, kNoPaint, false},
    {"disabled: focus leaves", S3, false, false, Input::FocusOut, S3, false, kNoPaint, false},
    {"disabled: check", S2, false, false, Input::CheckAway, S2, false, kNoPaint, false},
};

TEST(ButtonMachine, Transitions) {
  for (const Transition& t : kTransitions) {
    SCOPED_TRACE(t.what);
    ButtonMachine machine(t.state, t.buttonDown, t.enabled);
    const ButtonReaction reaction = Send(machine, t.input);
    EXPECT_EQ(machine.State(), t.nextState);
    EXPECT_EQ(machine.ButtonDown(), t.nextButtonDown);
    EXPECT_EQ(reaction.paint, t.painted);
    EXPECT_EQ(reaction.click, t.click);
  }
}

}  // namespace
