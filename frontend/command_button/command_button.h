#pragma once
#include <cstdint>
#include <string>

#include "button_face.h"
#include "button_machine.h"
#include "caption_font.h"
#include "property_bag.h"

// The caption as the window shell draws it over the face.
struct CaptionLook {
  std::wstring text = L"Command";
  CaptionFont font = kMsPGothic;
  std::uint32_t colour = 0;  // 0x00BBGGRR
  bool greyed = false;
};

// What the button needs of its window.
class ButtonView {
 public:
  virtual ~ButtonView() = default;
  // Redraws the retained face: the gradient, then the frame cut from the skin.
  virtual void PaintFace(Skin skin, const VerticalGradient& gradient) = 0;
  // The caption or the face's opacity changed; show them again.
  virtual void ShowCaption() = 0;
  virtual void RaiseClick() = 0;
  virtual void StartPointerCheck() = 0;
};

// The skinned push button: hover, press and focus tracking, its face, and its
// five properties with the keyed store a host keeps them in.
//
// A new button is disabled with an empty store history (first run 0) until a
// host loads it from its layout or reads Enabled; buttons of a layout are
// always loaded, so they start enabled.
class CommandButton {
 public:
  explicit CommandButton(ButtonView& view) : view_(view) {}

  void Initialize();
  void OnMouseMove() { Apply(machine_.OnMouseMove()); }
  void OnMouseDown(MouseButton button) { Apply(machine_.OnMouseDown(button)); }
  void OnMouseUp(MouseButton button) { Apply(machine_.OnMouseUp(button)); }
  void OnGotFocus() { Apply(machine_.OnGotFocus()); }
  void OnLostFocus() { Apply(machine_.OnLostFocus()); }
  void OnPointerCheck(bool pointerOverButton) { Apply(machine_.OnPointerCheck(pointerOverButton)); }
  // A resized face shows the plain look, whatever the state, until the next transition.
  void OnResize() { ShowEnabledLook(); }

  // 255 for an opaque face, 0 for a transparent one where only the caption shows.
  std::uint8_t Visible();
  void SetVisible(std::uint8_t visible);
  std::uint32_t FontColour();
  void SetFontColour(std::uint32_t colour);
  bool Enabled();
  void SetEnabled(bool enabled);
  const std::wstring& Caption() const { return caption_.text; }
  void SetCaption(std::wstring caption);
  const CaptionFont& Font() const { return caption_.font; }
  void SetFont(CaptionFont font);

  // ambientFont is the host's own font, the default of "Font".
  void ReadProperties(const PropertyBag& bag, const CaptionFont& ambientFont);
  void WriteProperties(PropertyBag& bag, const CaptionFont& ambientFont);

  const CaptionLook& Look() const { return caption_; }
  bool FaceOpaque() const { return backStyle_ != 0; }
  ButtonState State() const { return machine_.State(); }

 private:
  void Apply(const ButtonReaction& reaction);
  void Paint(Skin skin);
  void ShowEnabledLook();
  void RefreshNormalLook();

  ButtonView& view_;
  ButtonMachine machine_;
  GradientDirection gradient_;
  CaptionLook caption_;
  std::int16_t backStyle_ = 1;
  std::uint8_t firstRun_ = 0;
};
