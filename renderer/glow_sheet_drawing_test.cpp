#include "glow_sheet_drawing.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "glow_sheet.h"
#include "random_source.h"
#include "scene_view.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// The scene's projection on Mesa's offscreen context, read back as RGBA bytes.
class OffscreenScene : public ::testing::Test {
 protected:
  void SetUp() override {
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 0, 0, 0, nullptr);
    ASSERT_NE(context_, nullptr);
    ASSERT_TRUE(OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, kWidth, kHeight));
    SetUpSceneView(kWidth, kHeight);
  }
  void TearDown() override { OSMesaDestroyContext(context_); }

  std::vector<unsigned char> Draw(const std::vector<const GlowSheet*>& sheets, void (*draw)(const GlowSheet&)) {
    glClear(GL_COLOR_BUFFER_BIT);
    for (const GlowSheet* sheet : sheets) draw(*sheet);
    glFinish();
    std::vector<unsigned char> pixels(kWidth * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
  }

  static GlowSheet SheetWithColour(float red, float green, float blue, float brightness) {
    SeedRandom(1);
    GlowSheet sheet;
    sheet.wave[0] = sheet.wave[1] = 0.0f;  // centred
    sheet.red = red;
    sheet.green = green;
    sheet.blue = blue;
    for (int i = 0; i <= sheet.Resolution(); ++i)
      for (int j = 0; j <= sheet.Resolution(); ++j) sheet.Brightness(i, j) = brightness;
    return sheet;
  }

  static const unsigned char* Pixel(const std::vector<unsigned char>& pixels, int x, int y) {
    return &pixels[(y * kWidth + x) * 4];
  }

 private:
  OSMesaContext context_ = nullptr;
  std::array<unsigned char, kWidth * kHeight * 4> buffer_{};
};

// Every strip whole, exactly as the sheet describes it: the picture the
// drawing must reproduce.
void DrawEveryStrip(const GlowSheet& sheet) {
  const int n = sheet.Resolution();
  glPushMatrix();
  glTranslatef(0.2f * sheet.wave[0], 0.2f * sheet.wave[1], 1.6f);
  for (int i = 0; i < n; ++i) {
    glBegin(GL_TRIANGLE_STRIP);
    for (int j = 0; j <= n; ++j) {
      for (const SheetVertex& p : {sheet.At(i + 1, j), sheet.At(i, j)}) {
        const float b = p.brightness;
        glColor3f(sheet.red + b - 1.0f, sheet.green + b - 1.0f, sheet.blue + b - 1.0f);
        glVertex3f(p.u, p.v, b);
      }
    }
    glEnd();
  }
  glPopMatrix();
}

}  // namespace

TEST_F(OffscreenScene, ADarkSheetAddsNothing) {
  const GlowSheet sheet = SheetWithColour(1.0f, 0.6f, 0.3f, 0.0f);
  const auto pixels = Draw({&sheet}, DrawSheet);
  for (std::size_t k = 0; k < pixels.size(); k += 4) {
    ASSERT_EQ(pixels[k] + pixels[k + 1] + pixels[k + 2], 0) << "pixel " << k / 4;
  }
}

TEST_F(OffscreenScene, AFullyBrightSheetShowsItsColourAndNeverAZeroChannel) {
  const GlowSheet sheet = SheetWithColour(1.0f, 0.5f, 0.0f, 1.0f);
  const auto pixels = Draw({&sheet}, DrawSheet);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const unsigned char* p = Pixel(pixels, x, y);
      ASSERT_EQ(p[0], 255) << x << "," << y;
      ASSERT_NEAR(p[1], 128, 1) << x << "," << y;
      ASSERT_EQ(p[2], 0) << x << "," << y;
    }
  }
}

TEST_F(OffscreenScene, ALitPatchGlowsWhereItIsAndNowhereElse) {
  GlowSheet sheet = SheetWithColour(0.2f, 1.0f, 0.8f, 0.0f);
  for (int i = 4; i <= 6; ++i)
    for (int j = 4; j <= 6; ++j) sheet.Brightness(i, j) = 1.0f;  // around the grid's centre
  const auto pixels = Draw({&sheet}, DrawSheet);
  const unsigned char* centre = Pixel(pixels, kWidth / 2, kHeight / 2);
  EXPECT_NEAR(centre[0], 51, 1);
  EXPECT_NEAR(centre[1], 255, 1);
  EXPECT_NEAR(centre[2], 204, 1);
  EXPECT_EQ(Pixel(pixels, 2, 2)[1], 0);
  EXPECT_EQ(Pixel(pixels, kWidth - 3, kHeight - 3)[1], 0);
}

TEST_F(OffscreenScene, SkippingDarkCellsDrawsExactlyTheWholeStrips) {
  for (std::uint32_t seed : {1u, 17u, 4242u, 90210u}) {
    SeedRandom(seed);
    std::vector<GlowSheet> sheets(10);
    for (int frame = 0; frame < 40; ++frame)
      for (GlowSheet& sheet : sheets) sheet.Update(0.05f * static_cast<float>(frame % 5));
    std::vector<const GlowSheet*> all;
    for (const GlowSheet& sheet : sheets) all.push_back(&sheet);

    const auto expected = Draw(all, DrawEveryStrip);
    const auto actual = Draw(all, DrawSheet);
    ASSERT_EQ(actual, expected) << "seed " << seed;
    int lit = 0;
    for (std::size_t k = 0; k < expected.size(); k += 4) lit += expected[k] + expected[k + 1] + expected[k + 2] > 0;
    EXPECT_GT(lit, 0) << "seed " << seed << " drew nothing to compare";
  }
}
