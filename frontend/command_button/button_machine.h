#pragma once
#include <cstdint>
#include <optional>

// Where the button stands between pointer and focus. The pressed look is not a
// state: a press paints `Pressed` and leaves the state alone.
enum class ButtonState : std::uint8_t {
  None = 0,             // Initialize has not run yet
  Normal = 1,           // neither pointed at nor focused
  HighLight = 2,        // pointer over it, not focused
  Selected = 3,         // focused, pointer elsewhere
  HighLightSelect = 4,  // focused and pointer over it
};

// The six pictures a face can be framed with.
enum class Skin { Normal, HighLight, Pressed, Selected, HighLightSelect, Disable };

enum class MouseButton { Left, Right, Middle };

// What one input did: at most one face to paint, and whether Click goes to the host.
struct ButtonReaction {
  std::optional<Skin> paint;
  bool click = false;
};

// Hover, press and focus tracking of the skinned button. While disabled every
// input is ignored; the state is never changed by enabling or disabling.
class ButtonMachine {
 public:
  ButtonMachine() = default;
  ButtonMachine(ButtonState state, bool buttonDown, bool enabled)
      : state_(state), buttonDown_(buttonDown), enabled_(enabled) {}

  // Done by the host, never by the button itself; paints nothing.
  void Initialize() { state_ = ButtonState::Normal; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  ButtonReaction OnMouseMove();
  ButtonReaction OnMouseDown(MouseButton button);
  // Delivered to the button that took the press, wherever the pointer is.
  ButtonReaction OnMouseUp(MouseButton button);
  ButtonReaction OnGotFocus();
  ButtonReaction OnLostFocus();
  // Every 100 ms: whether the window under the pointer is the button's own.
  ButtonReaction OnPointerCheck(bool pointerOverButton);

  ButtonState State() const { return state_; }
  bool ButtonDown() const { return buttonDown_; }
  bool Enabled() const { return enabled_; }

 private:
  ButtonReaction LeaveHover();

  ButtonState state_ = ButtonState::None;
  bool buttonDown_ = false;
  bool enabled_ = false;
};
