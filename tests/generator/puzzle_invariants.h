#pragma once

// What a finished puzzle must be: a complete, consistent triangulation of the outline cut
// into regions. Each check gives the first violation it finds.

#include <gtest/gtest.h>

#include "generator/puzzle_generator.h"

namespace wendrel::invariants {

::testing::AssertionResult InnerEdgesHaveTwoTrianglesAndOutlineSidesOne(const PuzzleGenerator& gen);
::testing::AssertionResult TrianglesAreCounterClockwiseAndTileTheOutline(
    const PuzzleGenerator& gen);
::testing::AssertionResult NoTriangleHoldsAnotherNodeInsideOrOnItsSides(const PuzzleGenerator& gen);
::testing::AssertionResult EdgesMeetOnlyAtSharedEnds(const PuzzleGenerator& gen);
::testing::AssertionResult TriangleRecordsAgreeWithTheirNodesAndEdges(const PuzzleGenerator& gen);
::testing::AssertionResult EdgeLinksNameTheEdgeBetweenTheirNodes(const PuzzleGenerator& gen);
::testing::AssertionResult StoredIndicesAreInRange(const PuzzleGenerator& gen);
::testing::AssertionResult EveryTriangleBelongsToExactlyOneRegionThatListsIt(
    const PuzzleGenerator& gen);
::testing::AssertionResult AdjacencyMarksExactlyTheRegionsOnTheTwoSidesOfSomeEdge(
    const PuzzleGenerator& gen);

// Every check above that a successful run must pass, the first failure first.
::testing::AssertionResult IsFinishedPuzzle(const PuzzleGenerator& gen);

}  // namespace wendrel::invariants
