#include "button_machine.h"

ButtonReaction ButtonMachine::OnMouseMove() {
  if (!enabled_) return {};
  if (state_ == ButtonState::Normal) {
    state_ = ButtonState::HighLight;
    return {Skin::HighLight};
  }
  // With the left button still held the pointer may be dragging back in after
  // a press elsewhere; the focused look stays until it is released.
  if (state_ == ButtonState::Selected && !buttonDown_) {
    state_ = ButtonState::HighLightSelect;
    return {Skin::HighLightSelect};
  }
  return {};
}

ButtonReaction ButtonMachine::OnMouseDown(MouseButton button) {
  if (!enabled_ || button != MouseButton::Left) return {};
  buttonDown_ = true;
  return {Skin::Pressed};
}

ButtonReaction ButtonMachine::OnMouseUp(MouseButton button) {
  if (!enabled_) return {};
  ButtonReaction reaction;
  if (button == MouseButton::Left) {
    buttonDown_ = false;
    if (state_ == ButtonState::HighLight) reaction.paint = Skin::Normal;
    if (state_ == ButtonState::HighLightSelect) reaction.paint = Skin::HighLightSelect;
  }
  // A focused button whose pointer check has already seen the pointer leave
  // takes the release as a cancelled click.
  reaction.click = state_ != ButtonState::Selected;
  return reaction;
}

ButtonReaction ButtonMachine::OnGotFocus() {
  if (!enabled_) return {};
  if (state_ == ButtonState::HighLight) {
    // The focus came with a press on a hovered button.
    state_ = ButtonState::HighLightSelect;
    return {Skin::Pressed};
  }
  state_ = ButtonState::Selected;
  return {Skin::Selected};
}

ButtonReaction ButtonMachine::OnLostFocus() {
  if (!enabled_ || state_ == ButtonState::Normal) return {};
  state_ = ButtonState::Normal;
  return {Skin::Normal};
}

ButtonReaction ButtonMachine::OnPointerCheck(bool pointerOverButton) {
  if (pointerOverButton) return {};
  return LeaveHover();
}

ButtonReaction ButtonMachine::LeaveHover() {
  if (!enabled_) return {};
  if (state_ == ButtonState::HighLight) {
    state_ = ButtonState::Normal;
    return {Skin::Normal};
  }
  if (state_ == ButtonState::HighLightSelect) {
    state_ = ButtonState::Selected;
    return {Skin::Selected};
  }
  return {};
}
