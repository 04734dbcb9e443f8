#include "tools/run_json.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "generator/random.h"
#include "tests/tools/json_reader.h"

namespace wendrel {
namespace {

using testing::JsonValue;
using testing::ParseJson;

constexpr std::int32_t kGoodSeed = 0;
// Fails all three tries, leaving a four-sided hole.
constexpr std::int32_t kFailingSeed = 3752;

std::string RunText(const PuzzleRun& run) {
  std::string text;
  AppendRunJson(text, run);
  return text;
}

bool SameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void ExpectPoint(const JsonValue& v, DPoint p) {
  ASSERT_EQ(v.size(), 2u);
  EXPECT_TRUE(SameDouble(v[0].number, p.x)) << v[0].text << " vs " << p.x;
  EXPECT_TRUE(SameDouble(v[1].number, p.y)) << v[1].text << " vs " << p.y;
}

void ExpectInts(const JsonValue& v, const std::vector<long long>& want) {
  ASSERT_EQ(v.kind, JsonValue::Kind::kArray);
  ASSERT_EQ(v.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(v[i].AsInt(), want[i]) << "entry " << i;
}

// The mesh parts are written the same way whether the run succeeded or not.
void ExpectMeshMatches(const JsonValue& json, const PuzzleGenerator& g) {
  ASSERT_EQ(json["nodes"].size(), static_cast<std::size_t>(g.nodeCount));
  for (int i = 0; i < g.nodeCount; ++i)
    ExpectPoint(json["nodes"][i], g.GetNode(i).pos);

  EXPECT_EQ(json["outlineEdgeCount"].AsInt(), g.edges.outlineEdgeCount);
  ASSERT_EQ(json["edges"].size(), static_cast<std::size_t>(g.edges.edgeCount));
  for (int e = 0; e < g.edges.edgeCount; ++e) {
    ExpectInts(json["edges"][e], {g.edges.Get(e).nodeA, g.edges.Get(e).nodeB});
  }

  ASSERT_EQ(json["triangles"].size(), static_cast<std::size_t>(g.triangles.count));
  for (int t = 0; t < g.triangles.count; ++t) {
    const MeshTriangle& tri = g.triangles.Get(t);
    const JsonValue& v = json["triangles"][t];
    ASSERT_EQ(v.size(), 3u);
    ExpectInts(v["nodes"], {tri.nodes[0], tri.nodes[1], tri.nodes[2]});
    ExpectInts(v["edges"], {tri.edges[0], tri.edges[1], tri.edges[2]});
    EXPECT_EQ(v["piece"].AsInt(), tri.piece);
  }
}

class RunJsonTest : public ::testing::Test {
 protected:
  const ShapeLibrary library_;
};

TEST_F(RunJsonTest, IsOneObjectOnOneLineWithTheKeysInOrder) {
  const PuzzleRun run(kGoodSeed, library_);
  const std::string text = RunText(run);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  const JsonValue json = ParseJson(text);
  ASSERT_EQ(json.kind, JsonValue::Kind::kObject);
  std::vector<std::string> keys;
  for (const auto& member : json.members)
    keys.push_back(member.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"seed", "ok", "nodes", "outlineEdgeCount", "edges",
                                            "triangles", "regions", "adjacent", "groups"}));
  EXPECT_EQ(json["seed"].AsInt(), kGoodSeed);
  ASSERT_EQ(json["ok"].kind, JsonValue::Kind::kBool);
  EXPECT_TRUE(json["ok"].boolean);
}

// The default shape's runs read as they did before there was a choice of shape.
TEST_F(RunJsonTest, NamesTheShapeAfterTheSeedUnlessItIsTheDefault) {
  for (const ShapeInfo& info : kShapes) {
    SCOPED_TRACE(info.name);
    const PuzzleRun run(kGoodSeed, library_, info.shape);
    ASSERT_TRUE(run.ok());
    const JsonValue json = ParseJson(RunText(run));
    const bool named = json.members[1].first == "shape";
    EXPECT_EQ(named, info.shape != kDefaultShape);
    if (named) {
      EXPECT_EQ(json["shape"].text, info.name);
    }
    EXPECT_EQ(json["regions"].size(), static_cast<std::size_t>(info.pieces));
    ExpectMeshMatches(json, run.generator());
  }
}

TEST_F(RunJsonTest, MeshOfASuccessfulRunReadsBackExactly) {
  const PuzzleRun run(kGoodSeed, library_);
  ASSERT_TRUE(run.ok());
  ExpectMeshMatches(ParseJson(RunText(run)), run.generator());
}

TEST_F(RunJsonTest, RegionsAndAdjacencyAreThoseOfTheFormedPieces) {
  const PuzzleRun run(kGoodSeed, library_);
  ASSERT_TRUE(run.ok());
  const PuzzleGenerator& g = run.generator();
  const JsonValue json = ParseJson(RunText(run));

  ASSERT_EQ(json["regions"].size(), static_cast<std::size_t>(g.pieceCount));
  std::set<long long> seen;
  for (int r = 0; r < g.pieceCount; ++r) {
    const JsonValue& region = json["regions"][r];
    ASSERT_EQ(region.size(), static_cast<std::size_t>(g.regions[r].count));
    for (std::size_t i = 0; i < region.size(); ++i) {
      const long long t = region[i].AsInt();
      EXPECT_EQ(t, g.regions[r].TriangleAt(static_cast<int>(i)));
      EXPECT_TRUE(seen.insert(t).second) << "triangle " << t << " in two regions";
      // The triangle's own piece field names the region that lists it.
      EXPECT_EQ(json["triangles"][static_cast<std::size_t>(t)]["piece"].AsInt(), r + 1);
    }
  }

  const JsonValue& adjacent = json["adjacent"];
  ASSERT_EQ(adjacent.size(), static_cast<std::size_t>(g.pieceCount));
  for (int j = 0; j < g.pieceCount; ++j) {
    ASSERT_EQ(adjacent[j].size(), static_cast<std::size_t>(g.pieceCount));
    EXPECT_EQ(adjacent[j][j].AsInt(), 0);
    for (int k = 0; k < g.pieceCount; ++k) {
      EXPECT_EQ(adjacent[j][k].AsInt(), g.regions[j].adjacent[k]);
      EXPECT_EQ(adjacent[j][k].AsInt(), adjacent[k][j].AsInt());
    }
  }
}

TEST_F(RunJsonTest, GroupsAreTheScatteredPieceSet) {
  const PuzzleRun run(kGoodSeed, library_);
  ASSERT_TRUE(run.ok());
  const PieceSet& pieces = run.pieces();
  const JsonValue json = ParseJson(RunText(run));

  ASSERT_EQ(json["groups"].size(), static_cast<std::size_t>(pieces.GroupCount()));
  EXPECT_EQ(pieces.GroupCount(), run.generator().pieceCount);
  std::set<long long> placed;
  for (int i = 0; i < pieces.GroupCount(); ++i) {
    const PieceGroup& group = pieces.Group(i);
    const JsonValue& v = json["groups"][i];
    std::vector<long long> members(group.pieces, group.pieces + group.count);
    ExpectInts(v["pieces"], members);
    ExpectPoint(v["position"], group.position);
    EXPECT_EQ(v["rotation"].AsInt(), group.rotation);
    EXPECT_EQ(v["flipped"].AsInt(), group.flipped);
    // Scattering puts each of the 15 groups on its own slot of the 5 x 3 grid.
    placed.insert(v["position"][0].AsInt() * 1000 + v["position"][1].AsInt());
  }
  EXPECT_EQ(placed.size(), static_cast<std::size_t>(pieces.GroupCount()));
}

TEST_F(RunJsonTest, FailedRunKeepsTheMeshButHasNoPieces) {
  const PuzzleRun run(kFailingSeed, library_);
  ASSERT_FALSE(run.ok());
  const JsonValue json = ParseJson(RunText(run));
  EXPECT_EQ(json["seed"].AsInt(), kFailingSeed);
  EXPECT_FALSE(json["ok"].boolean);
  EXPECT_GT(json["triangles"].size(), 0u);
  ExpectMeshMatches(json, run.generator());
  for (const char* key : {"regions", "adjacent", "groups"}) {
    EXPECT_EQ(json[key].kind, JsonValue::Kind::kArray) << key;
    EXPECT_EQ(json[key].size(), 0u) << key;
  }
}

TEST_F(RunJsonTest, NegativeSeedIsWrittenSignedAndSeedsItsUnsignedPattern) {
  const PuzzleRun run(-1, library_);
  const JsonValue json = ParseJson(RunText(run));
  EXPECT_EQ(json["seed"].AsInt(), -1);

  // The nodes are the outline's and the scattered points, the first draws of a run.
  PuzzleGenerator direct;
  wendrel::srand(4294967295u);
  direct.LoadOutline(library_.Slot(ShapeLibrary::kPuzzleSlot));
  direct.BuildOutlineMesh();
  direct.ScatterPoints();
  ASSERT_EQ(direct.nodeCount, run.generator().nodeCount);
  for (int i = 0; i < direct.nodeCount; ++i) {
    EXPECT_EQ(direct.GetNode(i).pos, run.generator().GetNode(i).pos) << "node " << i;
  }
}

}  // namespace
}  // namespace wendrel
