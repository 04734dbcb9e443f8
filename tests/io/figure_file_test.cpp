#include "io/figure_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <memory>
#include <string>

#include "assembly/generate_puzzle.h"
#include "assembly/puzzle_game.h"
#include "generator/figure_seeds.h"
#include "io/figure_box.h"
#include "io/game_file.h"
#include "io/piece_fingerprint.h"
#include "shapes/figure_check.h"

namespace wendrel {
namespace {

using Json = nlohmann::ordered_json;

// A clockwise square of side 100, its corner at (10, 10), with two seeds.
Json Square() {
  return Json::parse(R"({"format": "wendrel-figure", "formatVersion": 1, "name": "Square",
    "names": {"de": "Quadrat"}, "later": true,
    "outline": [[10, 10], [10, 110], [110, 110], [110, 10]], "seeds": [[40, 40], [80, 80]]})");
}

struct Refusal {
  const char* what;
  std::string text;
  FigureFileStatus status;
  std::string reason;
};

std::string Edited(void (*edit)(Json&)) {
  Json file = Square();
  edit(file);
  return file.dump();
}

TEST(FigureFile, EachFaultIsRefusedWithItsReasonAndField) {
  using S = FigureFileStatus;
  const Refusal refusals[] = {
      {"game", R"({"format": "wendrel-game"})", S::kNotAFigure, "it is not a Wendrel figure"},
      {"newer", Edited([](Json& f) { f["formatVersion"] = 2; }), S::kNewerFormat,
       "it was made by a newer version of Wendrel (format 2)"},
      {"large", std::string(kMaxFigureFileBytes + 1, ' '), S::kTooLarge,
       "it is over 256 KB, too large for a Wendrel figure"},
      {"no name", Edited([](Json& f) { f.erase("name"); }), S::kDamaged, "name is missing"},
      {"two", Edited([](Json& f) {
         f["outline"] = {{0, 0}, {1, 1}};
       }),
       S::kDamaged, "outline has 2 vertices; a figure has 3 to 200"},
      {"many", Edited([](Json& f) {
         f["outline"] = Json::array();
         for (int i = 0; i < 201; ++i)
           f["outline"].push_back({std::cos(i * 0.03125), std::sin(i * 0.03125)});
       }),
       S::kDamaged, "outline has 201 vertices; a figure has 3 to 200"},
      {"point", Edited([](Json& f) {
         f["outline"][2] = {1, 2, 3};
       }),
       S::kDamaged, "outline[2] is not [x, y]"},
      {"bow tie", Edited([](Json& f) {
         f["outline"] = {{0, 0}, {100, 100}, {100, 0}, {0, 100}};
       }),
       S::kDamaged, "outline has sides 0 and 2 that cross"},
      {"fold", Edited([](Json& f) {
         f["outline"] = {{0, 0}, {100, 0}, {50, 0}, {50, 80}};
       }),
       S::kDamaged, "outline has sides 0 and 1 that cross"},
      {"twice", Edited([](Json& f) { f["outline"][1] = f["outline"][0]; }), S::kDamaged,
       "outline has side 0 of zero length: two vertices in one place"},
      {"sliver", Edited([](Json& f) {
         f["outline"] = {{0, 0}, {100, 0}, {100, 1}};
       }),
       S::kDamaged, "outline encloses too small an area for its size"},
      {"outside", Edited([](Json& f) {
         f["seeds"][1] = {200, 200};
       }),
       S::kDamaged, "seeds[1] lies outside the outline"},
      {"close", Edited([](Json& f) {
         f["seeds"][1] = {41, 41};
       }),
       S::kDamaged, "seeds has seeds 0 and 1 too close together"},
      {"one seed", Edited([](Json& f) {
         f["seeds"] = {{50, 50}};
       }),
       S::kDamaged, "seeds has 1 seeds; a figure has none or 2 to 20"},
      {"21 seeds", Edited([](Json& f) {
         f["seeds"] = Json::array();
         for (int i = 0; i < 21; ++i)
           f["seeds"].push_back({15 + 4 * i, 15 + 4 * i});
       }),
       S::kDamaged, "seeds has 21 seeds; a figure has none or 2 to 20"},
  };
  for (const Refusal& refusal : refusals) {
    const FigureFileRead read = ReadFigureFile(refusal.text, "square");
    EXPECT_EQ(read.status, refusal.status) << refusal.what;
    EXPECT_EQ(FigureFileReason(read), refusal.reason) << refusal.what;
  }
}

TEST(FigureFile, AFigureIsScaledCentredAndTurnedCounterClockwiseAndReadsBackTheSame) {
  const FigureFileRead read = ReadFigureFile(Square().dump(), "square");
  ASSERT_TRUE(read.ok()) << FigureFileReason(read);
  const Figure& square = read.figure;
  EXPECT_EQ(square.name, "square");
  EXPECT_EQ(square.TitleIn("de_AT"), "Quadrat");
  EXPECT_EQ(square.TitleIn("fr"), "Square");
  EXPECT_EQ(square.outline.front(), (DPoint{300, -300}));
  EXPECT_EQ(square.outline[1], (DPoint{300, -240})) << "counter-clockwise, sides split";
  EXPECT_EQ(square.outline.size(), 40u);
  EXPECT_EQ(square.seeds[1], (DPoint{120, 120}));
  EXPECT_EQ(ReadFigureFile(WriteFigureFile(square), "square").figure, square)
      << "a scaled figure scales to itself";

  // Kept in a game, a figure is taken exactly as it stands.
  const Json kept = Json::parse(KeptFigureJson(square));
  const std::string text = KeptFigureJson(square);
  const std::optional<JsonDocument> document = JsonDocument::Parse(text);
  ASSERT_TRUE(document);
  EXPECT_EQ(ReadKeptFigure(document->Root()).figure, square);
  EXPECT_EQ(kept["id"], "square");
}

TEST(FigureFile, AGameOfAFigureNoOneKnowsCarriesItAndOpensAnywhere) {
  FigureFileRead read = ReadFigureFile(Square().dump(), "my-square");
  ASSERT_TRUE(read.ok());
  const auto square = std::make_shared<const Figure>(std::move(read.figure));
  PuzzleGame game;
  ASSERT_TRUE(game.Generate(PuzzleId(square, 7, 6), PieceSet::kSurfaceArea, 0));
  ASSERT_TRUE(game.Generate(PuzzleId(Shape::kOval, 7), PieceSet::kSurfaceArea, 0));
  ASSERT_EQ(game.Undo(PieceSet::kSurfaceArea, 0), PuzzleGame::Step::kDone);
  const std::string text = WriteGameFile(game.Save(0), game.Pieces());
  EXPECT_EQ(Json::parse(text)["figures"].size(), 1u) << "the oval is known, the square not";

  const GameFileRead opened = ReadGameFile(text);
  ASSERT_TRUE(opened.ok()) << GameFileReason(opened);
  const PuzzleId& board =
      opened.game.segments[opened.game.states[opened.game.current].segment].puzzle;
  EXPECT_EQ(*board.figure, *square);
  EXPECT_EQ(board.pieces, 6);
}

TEST(FigureFile, APuzzleWithPlacedSeedsIsThePuzzleOfAFigureThatListsThem) {
  const FigureRef heart = BuiltInFigure(Shape::kHeart);
  for (const std::int32_t number : {5, 626, 1234}) {
    auto listed = std::make_shared<Figure>(*heart);
    const ShapeOutline placed = OutlineToCut(*heart, 12, number);
    listed->seeds.assign(placed.seeds, placed.seeds + placed.seedCount);
    PuzzleGenerator generator;
    PieceSet automatic, given;
    ASSERT_TRUE(GeneratePuzzle(PuzzleId(heart, number, 12), generator, automatic));
    ASSERT_TRUE(GeneratePuzzle(PuzzleId(listed, number), generator, given));
    EXPECT_EQ(PieceFingerprint(automatic), PieceFingerprint(given)) << number;
    EXPECT_EQ(automatic.Groups().groups[0].position, given.Groups().groups[0].position);
  }
}

TEST(FigureFile, EvenSidesWalkTheOutlineAtEvenSteps) {
  const std::vector<DPoint> square{{0, 0}, {600, 0}, {600, 600}, {0, 600}};
  const std::vector<DPoint> even = EvenSides(square, 40);
  ASSERT_EQ(even.size(), 60u);
  for (std::size_t i = 0; i < even.size(); ++i) {
    const DPoint a = even[i], b = even[(i + 1) % even.size()];
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 40.0, 1e-9) << i;
    EXPECT_TRUE(a.x == 0 || a.x == 600 || a.y == 0 || a.y == 600) << i;
  }
  EXPECT_EQ(EvenSides(square, 1).size(), 200u) << "at most 200 vertices";
}

TEST(FigureBox, EveryFigureOfTheBoxReadsHasItsNamesAndCutsReliably) {
  EXPECT_GE(BoxFigures().size(), 24u);
  for (const FigureRef& figure : BoxFigures()) {
    EXPECT_TRUE(CheckFigure(*figure).ok()) << figure->name;
    for (const char* language : {"de", "es", "fr", "ru"})
      EXPECT_TRUE(figure->titles.contains(language)) << figure->name << " " << language;
    EXPECT_TRUE(CutsReliably(figure)) << figure->name;
  }
}

}  // namespace
}  // namespace wendrel
