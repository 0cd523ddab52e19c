#include "backdrop_bands.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct Sample {
  int row;
  int shade;
};

TEST(BackdropBands, DialogRowsMatchTheSampleShades) {
  const Sample samples[] = {{0, 0},     {1, 3},     {10, 27},   {63, 156}, {121, 220},
                            {126, 220}, {131, 220}, {189, 156}, {251, 3},  {252, 0}};
  for (const Sample& s : samples) EXPECT_EQ(BandShade(s.row, 252), s.shade) << "row " << s.row;
  EXPECT_EQ(BandShade(120, 252), 219);
  EXPECT_EQ(BandShade(132, 252), 219);
  EXPECT_EQ(BandRowCount(252), 253);
}

TEST(BackdropBands, PanelRowsMatchTheSampleShades) {
  const Sample samples[] = {{0, 0}, {1, 4}, {10, 41}, {42, 155}, {81, 220}, {88, 220}, {126, 158}, {168, 4}, {169, 0}};
  for (const Sample& s : samples) EXPECT_EQ(BandShade(s.row, 169), s.shade) << "row " << s.row;
  EXPECT_EQ(BandShade(80, 169), 219);
  EXPECT_EQ(BandShade(89, 169), 219);
  EXPECT_EQ(BandRowCount(169), 170);
}

std::tuple<int, int, int> Rgb(BandColour colour) { return {colour.red, colour.green, colour.blue}; }

TEST(BackdropBands, DialogIsTintedBlueAndThePanelIsNeutral) {
  EXPECT_EQ(Rgb(DialogBandColour(0)), std::make_tuple(0, 0, 30));
  EXPECT_EQ(Rgb(DialogBandColour(220)), std::make_tuple(220, 220, 250));
  EXPECT_EQ(Rgb(PanelBandColour(0)), std::make_tuple(30, 30, 30));
  EXPECT_EQ(Rgb(PanelBandColour(220)), std::make_tuple(250, 250, 250));
}

}  // namespace
