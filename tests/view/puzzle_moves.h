#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

#include "assembly/piece_set.h"

// Geometry of the model that tests need in order to play: where to click, and how far
// to drag so that two groups fit.

// Logical points inside group g, in its triangles' order, where a click finds g and
// every point within radius shows g's pieces too; only points in area.
std::vector<QPoint> GrabPoints(const wendrel::PieceSet& pieces, int g, const QRect& area,
                               int radius = 2);

// The model displacement of group moved that puts it in its solved place relative to
// group fixed; both must have the same turn and mirror.
wendrel::DPoint SolvedDisplacement(const wendrel::PieceSet& pieces, int moved, int fixed);

// The index of the group holding piece p.
int GroupOf(const wendrel::PieceSet& pieces, int piece);

// The triangles of group g, member by member.
std::vector<int> TrianglesOf(const wendrel::PieceSet& pieces, int g);

// Whether some piece of group a shares a side with some piece of group b when solved.
bool GroupsAdjacent(const wendrel::PieceSet& pieces, int a, int b);

// The centre of a placed triangle.
wendrel::DPoint PlacedCentre(const wendrel::Triangle& t);

// The logical point of a model point, rounded to the nearest unit.
QPoint NearestLogical(wendrel::DPoint p);
