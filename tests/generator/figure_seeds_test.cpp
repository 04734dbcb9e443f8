#include "generator/figure_seeds.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "generator/puzzle_generator.h"
#include "generator/random.h"
#include "geometry/predicates.h"

namespace wendrel {
namespace {

// Placing seeds draws from a sequence of its own: the puzzle's sequence is left as it was,
// and the same number places the same seeds, each inside the figure and apart.
TEST(FigureSeeds, PlacedSeedsLieInsideApartAndLeaveThePuzzleSequenceAlone) {
  std::mt19937 random(27);
  for (const ShapeInfo& info : kShapes) {
    const ShapeOutline outline = OutlineOf(*BuiltInFigure(info.shape));
    for (int trial = 0; trial < 20; ++trial) {
      const int count = std::uniform_int_distribution(3, 20)(random);
      const auto number = static_cast<std::int32_t>(random());
      srand(99);
      const std::vector<DPoint> seeds = PlaceSeeds(outline, count, number);
      const int next = rand();
      srand(99);
      EXPECT_EQ(next, rand()) << "the puzzle's own sequence was drawn from";
      EXPECT_EQ(PlaceSeeds(outline, count, number), seeds);
      ASSERT_EQ(static_cast<int>(seeds.size()), count) << info.name;
      for (std::size_t i = 0; i < seeds.size(); ++i) {
        EXPECT_TRUE(outline.Contains(seeds[i].x, seeds[i].y)) << info.name;
        for (std::size_t j = 0; j < i; ++j)
          EXPECT_GT(SquaredDistance(seeds[i], seeds[j]), 20.0 * 20.0) << info.name << " " << count;
      }
    }
  }
}

// A figure's own count cuts its own seeds; any other, seeds placed by the number.
TEST(FigureSeeds, TheOwnCountKeepsTheFiguresSeeds) {
  const Figure& heart = *BuiltInFigure(Shape::kHeart);
  const ShapeOutline own = OutlineToCut(heart, 9, 5);
  EXPECT_EQ(std::vector<DPoint>(own.seeds, own.seeds + own.seedCount), heart.seeds);
  const ShapeOutline placed = OutlineToCut(heart, 12, 5);
  EXPECT_EQ(placed.seedCount, 12);
  EXPECT_EQ(placed.vertexCount, static_cast<int>(heart.outline.size()));
}

}  // namespace
}  // namespace wendrel
