#include "shapes/shape_outline.h"

#include <gtest/gtest.h>

#include "tests/shapes/outline_checks.h"

namespace wendrel {
namespace {

// An outline with every entry, in use or not, holding a value distinct from the reset
// state and from every other entry.
ShapeOutline Scribbled(double offset) {
  ShapeOutline outline;
  for (int i = 0; i < ShapeOutline::kMaxVertices; ++i) {
    const double d = i;
    outline.vertices[i] = {offset + d, -d};
  }
  for (int i = 0; i < ShapeOutline::kMaxSeeds; ++i) {
    const double d = i;
    outline.seeds[i] = {-offset - d, d};
  }
  outline.vertexCount = 7;
  outline.seedCount = 5;
  return outline;
}

TEST(ShapeOutlineReset, ClearsCountsAndEveryEntry) {
  ShapeOutline outline = Scribbled(1000);
  outline.Reset();
  EXPECT_EQ(outline.vertexCount, 0);
  EXPECT_EQ(outline.seedCount, 0);
  for (const DPoint& v : outline.vertices)
    EXPECT_EQ(v, (DPoint{0, 0}));
  for (const DPoint& s : outline.seeds)
    EXPECT_EQ(s, (DPoint{0, 0}));
}

TEST(ShapeOutlineCopyFrom, CopiesCountsAndAllVertexEntries) {
  const ShapeOutline source = Scribbled(1000);
  ShapeOutline target = Scribbled(5000);
  target.vertexCount = 150;
  target.seedCount = 18;
  target.CopyFrom(source);
  EXPECT_EQ(target.vertexCount, 7);
  EXPECT_EQ(target.seedCount, 5);
  // Entries beyond the vertex count are copied too.
  for (int i = 0; i < ShapeOutline::kMaxVertices; ++i) {
    EXPECT_EQ(target.vertices[i], source.vertices[i]) << "vertex " << i;
  }
}

TEST(ShapeOutlineCopyFrom, SeedsBeyondTheCopiedCountKeepTheirValues) {
  const ShapeOutline source = Scribbled(1000);
  const ShapeOutline before = Scribbled(5000);
  ShapeOutline target = before;
  target.CopyFrom(source);
  for (int i = 0; i < source.seedCount; ++i)
    EXPECT_EQ(target.seeds[i], source.seeds[i]) << i;
  for (int i = source.seedCount; i < ShapeOutline::kMaxSeeds; ++i) {
    EXPECT_EQ(target.seeds[i], before.seeds[i]) << "seed " << i;
  }
}

TEST(ShapeOutlineCopyFrom, CopiesAFullSeedTable) {
  ShapeOutline source = Scribbled(1000);
  source.seedCount = ShapeOutline::kMaxSeeds;
  ShapeOutline target = Scribbled(5000);
  target.CopyFrom(source);
  for (int i = 0; i < ShapeOutline::kMaxSeeds; ++i)
    EXPECT_EQ(target.seeds[i], source.seeds[i]);
}

TEST(ShapeOutlineBounds, SpanTheVerticesInUse) {
  ShapeOutline outline = MakeOutline({{3, 4}, {-2, 9}, {7, -5}, {1, 1}});
  outline.vertices[4] = {100, -100};  // not in use
  const OutlineBounds b = outline.ComputeBounds();
  EXPECT_EQ(b.minX, -2);
  EXPECT_EQ(b.maxX, 7);
  EXPECT_EQ(b.minY, -5);
  EXPECT_EQ(b.maxY, 9);
}

TEST(ShapeOutlineBounds, WithFewerThanTwoVerticesAreVertexZero) {
  ShapeOutline outline = MakeOutline({{3, 4}, {-2, 9}});
  outline.vertexCount = 1;
  EXPECT_TRUE(HasBounds(outline, {3, 3, 4, 4}));
  outline.vertexCount = 0;
  EXPECT_TRUE(HasBounds(outline, {3, 3, 4, 4}));
  outline.Reset();
  EXPECT_TRUE(HasBounds(outline, {0, 0, 0, 0}));
}

TEST(ShapeOutlineMeanSideLength, LeavesOutTheClosingSideButDividesByTheVertexCount) {
  const ShapeOutline square = MakeOutline({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  EXPECT_DOUBLE_EQ(square.MeanSideLength(), 0.75);
  // Sides 3 and 4; the closing side of length 5 is not counted.
  const ShapeOutline triangle = MakeOutline({{0, 0}, {3, 0}, {3, 4}});
  EXPECT_DOUBLE_EQ(triangle.MeanSideLength(), 7.0 / 3.0);
}

TEST(ShapeOutlineMeanSideLength, IsZeroForNoneOrOneVertex) {
  ShapeOutline outline = MakeOutline({{0, 0}, {30, 40}});
  outline.vertexCount = 1;
  EXPECT_EQ(outline.MeanSideLength(), 0.0);
  outline.vertexCount = 0;
  EXPECT_EQ(outline.MeanSideLength(), 0.0);
}

TEST(ShapeOutlineContains, UsesOnlyTheVerticesInUse) {
  ShapeOutline triangle = MakeOutline({{0, 0}, {10, 0}, {0, 10}});
  triangle.vertices[3] = {-10, 10};  // would make a wider figure if it were read
  EXPECT_TRUE(triangle.Contains(2, 2));
  EXPECT_FALSE(triangle.Contains(8, 8));
  EXPECT_FALSE(triangle.Contains(-2, 5));
  triangle.vertexCount = 0;
  EXPECT_FALSE(triangle.Contains(2, 2));
}

}  // namespace
}  // namespace wendrel
