#include "command_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Paint {
  Skin skin;
  bool lightAtTop;
};

class FakeView : public ButtonView {
 public:
  std::vector<Paint> paints;
  int clicks = 0;
  bool pointerCheckRunning = false;

  void PaintFace(Skin skin, const VerticalGradient& gradient) override {
    paints.push_back({skin, gradient.top.red == kGradientLight.red && gradient.bottom.red == kGradientShade.red});
  }
  void ShowCaption() override {}
  void RaiseClick() override { ++clicks; }
  void StartPointerCheck() override { pointerCheckRunning = true; }
};

// A button as a host's layout loads it: enabled, state 1 after Initialize.
struct LoadedButton {
  FakeView view;
  CommandButton button{view};
  LoadedButton() {
    button.ReadProperties(PropertyBag{{L"caption", L"OK"}}, kMsPGothic);
    button.Initialize();
    view.paints.clear();
  }
};

struct GradientCase {
  const char* what;
  std::function<void(CommandButton&)> inputs;
  Skin lastSkin;
  bool lightAtTop;
};

TEST(CommandButtonFace, GradientFollowsTheStateBefore) {
  const GradientCase cases[] = {
      {"pointer leaves", [](CommandButton& b) { b.OnMouseMove(), b.OnPointerCheck(false); }, Skin::Normal, true},
      {"release on a hovered button", [](CommandButton& b) { b.OnMouseMove(), b.OnMouseUp(MouseButton::Left); },
       Skin::Normal, false},
      {"hover", [](CommandButton& b) { b.OnMouseMove(); }, Skin::HighLight, false},
      {"focus", [](CommandButton& b) { b.OnGotFocus(); }, Skin::Selected, true},
      {"pointer back over the focused button", [](CommandButton& b) { b.OnGotFocus(), b.OnMouseMove(); },
       Skin::HighLightSelect, true},
      {"press on an unfocused button", [](CommandButton& b) { b.OnMouseMove(), b.OnGotFocus(); }, Skin::Pressed, false},
      {"release after that press",
       [](CommandButton& b) {
         b.OnMouseMove(), b.OnMouseDown(MouseButton::Left), b.OnGotFocus(), b.OnMouseUp(MouseButton::Left);
       },
       Skin::HighLightSelect, false},
      {"resize while hovered paints Normal reversed", [](CommandButton& b) { b.OnMouseMove(), b.OnResize(); },
       Skin::Normal, false},
  };
  for (const GradientCase& c : cases) {
    SCOPED_TRACE(c.what);
    LoadedButton loaded;
    c.inputs(loaded.button);
    ASSERT_FALSE(loaded.view.paints.empty());
    EXPECT_EQ(loaded.view.paints.back().skin, c.lastSkin);
    EXPECT_EQ(loaded.view.paints.back().lightAtTop, c.lightAtTop);
  }
}

TEST(CommandButtonFace, TypicalClickRaisesOneClick) {
  LoadedButton loaded;
  EXPECT_TRUE(loaded.view.pointerCheckRunning);
  loaded.button.OnMouseMove();
  loaded.button.OnMouseDown(MouseButton::Left);
  loaded.button.OnGotFocus();
  loaded.button.OnMouseUp(MouseButton::Left);
  loaded.button.OnPointerCheck(false);
  EXPECT_EQ(loaded.view.clicks, 1);
  EXPECT_EQ(loaded.button.State(), ButtonState::Selected);
  EXPECT_EQ(loaded.view.paints.back().skin, Skin::Selected);
}

bool operator==(const PixelRect& a, const PixelRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(CommandButtonFace, FramePiecesAtTheSkinsOwnSizeAreNotStretched) {
  for (const FramePiece& piece : FramePieces(kSkinWidth, kSkinHeight)) {
    EXPECT_TRUE(piece.destination == piece.source)
        << piece.source.x << "," << piece.source.y << " " << piece.source.width << "x" << piece.source.height;
  }
}

TEST(CommandButtonFace, FramePiecesStretchOnlyTheEdges) {
  // The dialog's other-works button, 125 x 25, and its browse button, 29 x 21,
  // smaller than the skin.
  const PixelRect expected125[8][2] = {
      {{0, 0, 4, 4}, {0, 0, 4, 4}},      {{4, 0, 117, 4}, {4, 0, 56, 4}},   {{121, 0, 4, 4}, {60, 0, 4, 4}},
      {{121, 4, 4, 17}, {60, 4, 4, 17}}, {{121, 21, 4, 4}, {60, 21, 4, 4}}, {{4, 21, 117, 4}, {4, 21, 56, 4}},
      {{0, 21, 4, 4}, {0, 21, 4, 4}},    {{0, 4, 4, 17}, {0, 4, 4, 17}},
  };
  const PixelRect expected29[8][2] = {
      {{0, 0, 4, 4}, {0, 0, 4, 4}},     {{4, 0, 21, 4}, {4, 0, 56, 4}},   {{25, 0, 4, 4}, {60, 0, 4, 4}},
      {{25, 4, 4, 13}, {60, 4, 4, 17}}, {{25, 17, 4, 4}, {60, 21, 4, 4}}, {{4, 17, 21, 4}, {4, 21, 56, 4}},
      {{0, 17, 4, 4}, {0, 21, 4, 4}},   {{0, 4, 4, 13}, {0, 4, 4, 17}},
  };
  const auto pieces125 = FramePieces(125, 25);
  const auto pieces29 = FramePieces(29, 21);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(pieces125[i].destination == expected125[i][0]);
    EXPECT_TRUE(pieces125[i].source == expected125[i][1]);
    EXPECT_TRUE(pieces29[i].destination == expected29[i][0]);
    EXPECT_TRUE(pieces29[i].source == expected29[i][1]);
  }
}

TEST(CommandButtonFace, CaptionSitsTenTwipsAboveTheMiddle) {
  EXPECT_EQ(CaptionTop(25, 13), 5);  // 80 twips
  EXPECT_EQ(CaptionTop(21, 13), 3);  // 50 twips
}

TEST(CommandButtonProperties, DialogLayoutStoresOnlyCaptionAndFont) {
  LoadedButton loaded;
  PropertyBag written;
  loaded.button.SetCaption(L"\u8A2D\u5B9A");
  loaded.button.WriteProperties(written, CaptionFont{L"Tahoma", 8.25, 400, 0});
  EXPECT_TRUE(written.Holds(L"caption"));
  EXPECT_TRUE(written.Holds(L"FONT"));
  for (const wchar_t* key : {L"Enabled", L"FirstRun", L"FontColour", L"Visible"}) {
    EXPECT_FALSE(written.Holds(key)) << key;
  }

  FakeView view;
  CommandButton reloaded(view);
  reloaded.ReadProperties(written, CaptionFont{L"Tahoma", 8.25, 400, 0});
  EXPECT_EQ(reloaded.Caption(), L"\u8A2D\u5B9A");
  EXPECT_TRUE(reloaded.Font() == kMsPGothic);
  EXPECT_TRUE(reloaded.Enabled());
}

TEST(CommandButtonProperties, CaptionCommandIsNotStoredAndReadsBackNumbered) {
  LoadedButton loaded;
  loaded.button.SetCaption(L"Command");
  PropertyBag written;
  loaded.button.WriteProperties(written, kMsPGothic);
  EXPECT_FALSE(written.Holds(L"Caption"));
  EXPECT_FALSE(written.Holds(L"Font"));

  FakeView view;
  CommandButton reloaded(view);
  reloaded.ReadProperties(written, kMsPGothic);
  EXPECT_EQ(reloaded.Caption(), L"Command1");
}

TEST(CommandButtonProperties, VisibleReads255AndRepaintsNormalWithoutChangingState) {
  LoadedButton loaded;
  loaded.button.OnMouseMove();
  EXPECT_EQ(loaded.button.Visible(), 255);
  EXPECT_EQ(loaded.view.paints.back().skin, Skin::Normal);
  EXPECT_EQ(loaded.button.State(), ButtonState::HighLight);

  loaded.button.SetVisible(0);
  EXPECT_EQ(loaded.button.Visible(), 0);
  EXPECT_FALSE(loaded.button.FaceOpaque());
  loaded.button.SetVisible(7);
  EXPECT_EQ(loaded.button.Visible(), 255);
}

TEST(CommandButtonProperties, DisablingGreysAndIgnoresInputUntilEnabledAgain) {
  LoadedButton loaded;
  loaded.button.OnGotFocus();
  loaded.button.SetEnabled(false);
  EXPECT_EQ(loaded.view.paints.back().skin, Skin::Disable);
  EXPECT_TRUE(loaded.button.Look().greyed);
  loaded.button.OnMouseUp(MouseButton::Left);
  loaded.button.OnLostFocus();
  EXPECT_EQ(loaded.view.clicks, 0);
  EXPECT_EQ(loaded.button.State(), ButtonState::Selected);

  loaded.button.SetEnabled(true);
  EXPECT_EQ(loaded.view.paints.back().skin, Skin::Normal);
  EXPECT_FALSE(loaded.button.Look().greyed);
  EXPECT_EQ(loaded.button.State(), ButtonState::Selected);
}

TEST(CommandButtonProperties, NewButtonIsDisabledUntilEnabledIsRead) {
  FakeView view;
  CommandButton button(view);
  button.Initialize();
  button.OnMouseUp(MouseButton::Left);
  EXPECT_EQ(view.clicks, 0);
  EXPECT_EQ(button.Caption(), L"Command");

  EXPECT_TRUE(button.Enabled());
  button.OnMouseUp(MouseButton::Left);
  EXPECT_EQ(view.clicks, 1);
  PropertyBag written;
  button.WriteProperties(written, kMsPGothic);
  EXPECT_FALSE(written.Holds(L"Enabled"));
  EXPECT_FALSE(written.Holds(L"FirstRun"));
}

TEST(CommandButtonProperties, ColourSetBeforeTheFirstRunDoesNotLast) {
  FakeView view;
  CommandButton button(view);
  button.SetEnabled(true);
  button.SetFontColour(0x0000FF);
  EXPECT_EQ(button.FontColour(), 0u);

  button.Enabled();
  button.SetFontColour(0x0000FF);
  EXPECT_EQ(button.FontColour(), 0x0000FFu);
}

TEST(CommandButtonProperties, UnreadableStoredValuesKeepTheCurrentOnes) {
  FakeView view;
  CommandButton button(view);
  button.ReadProperties(PropertyBag{{L"fontcolour", L"red"}, {L"visible", L"x"}, {L"font", L"Arial"}}, kMsPGothic);
  EXPECT_EQ(button.FontColour(), 0u);
  EXPECT_EQ(button.Visible(), 255);
  EXPECT_TRUE(button.Font() == kMsPGothic);
}

}  // namespace
