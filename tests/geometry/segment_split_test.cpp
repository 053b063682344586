#include "geometry/segment_split.h"

#include <gtest/gtest.h>

namespace peltarix {
namespace {

constexpr double kTolerance = 0.1;
const PointList kSquare = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};  // clockwise

std::vector<PieceClass> Classes(const std::vector<Piece>& pieces) {
  std::vector<PieceClass> classes;
  for (const Piece& piece : pieces) classes.push_back(piece.piece_class);
  return classes;
}

std::vector<Segment> Segments(const std::vector<Piece>& pieces) {
  std::vector<Segment> segments;
  for (const Piece& piece : pieces) segments.push_back(piece.segment);
  return segments;
}

TEST(SplitSegmentByPolygon, SegmentCrossingNoEdgeIsOnePieceAsGiven) {
  const std::vector<Piece> pieces =
      SplitSegmentByPolygon(kSquare, {{30, 5}, {20, 5}}, kTolerance, Orientation::kClockwise);
  EXPECT_EQ(Segments(pieces), (std::vector<Segment>{{{30, 5}, {20, 5}}}));
  EXPECT_EQ(Classes(pieces), (std::vector<PieceClass>{PieceClass::kOutside}));
}

TEST(SplitSegmentByPolygon, CrossingASquareGivesOutsideInsideOutsideInTheSegmentsDirection) {
  for (const auto& [segment, expected] : {
           std::pair{
               Segment{{-5, 5}, {15, 5}},
               std::vector<Segment>{{{-5, 5}, {0, 5}}, {{0, 5}, {10, 5}}, {{10, 5}, {15, 5}}}},
           std::pair{
               Segment{{15, 5}, {-5, 5}},
               std::vector<Segment>{{{15, 5}, {10, 5}}, {{10, 5}, {0, 5}}, {{0, 5}, {-5, 5}}}},
           std::pair{
               Segment{{5, -5}, {5, 15}},
               std::vector<Segment>{{{5, -5}, {5, 0}}, {{5, 0}, {5, 10}}, {{5, 10}, {5, 15}}}},
           std::pair{
               Segment{{5, 15}, {5, -5}},
               std::vector<Segment>{{{5, 15}, {5, 10}}, {{5, 10}, {5, 0}}, {{5, 0}, {5, -5}}}},
       }) {
    const std::vector<Piece> pieces =
        SplitSegmentByPolygon(kSquare, segment, kTolerance, Orientation::kClockwise);
    EXPECT_EQ(Segments(pieces), expected);
    EXPECT_EQ(Classes(pieces), (std::vector<PieceClass>{PieceClass::kOutside, PieceClass::kInside,
                                                        PieceClass::kOutside}));
  }
}

TEST(SplitSegmentByPolygon, CounterClockwisePolygonSwapsInsideAndOutside) {
  const PointList other_way(kSquare.rbegin(), kSquare.rend());
  const std::vector<Piece> pieces =
      SplitSegmentByPolygon(other_way, {{-5, 5}, {15, 5}}, kTolerance, Orientation::kNotClockwise);
  EXPECT_EQ(Classes(pieces), (std::vector<PieceClass>{PieceClass::kInside, PieceClass::kOutside,
                                                      PieceClass::kInside}));
}

TEST(SplitSegmentByPolygon, CutPointsAtTheEndsGiveNoZeroLengthPieces) {
  // The segment runs along the top edge from corner to corner and beyond:
  // the corners' cut points coincide with the segment's start and with each
  // other.
  const std::vector<Piece> pieces =
      SplitSegmentByPolygon(kSquare, {{0.05, 10}, {20, 10}}, kTolerance, Orientation::kClockwise);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(Classes(pieces),
            (std::vector<PieceClass>{PieceClass::kBoundary, PieceClass::kOutside}));
  EXPECT_NEAR(pieces[0].segment.end.x, 10.0, 1e-9);
  EXPECT_NEAR(pieces[1].segment.start.x, 10.0, 1e-9);
  EXPECT_EQ(pieces[1].segment.end, (Point{20, 10}));
}

TEST(SplitSegmentByPolygon, SegmentShorterThanToleranceGivesNoPiece) {
  EXPECT_TRUE(
      SplitSegmentByPolygon(kSquare, {{0, 5}, {0.05, 5}}, kTolerance, Orientation::kClockwise)
          .empty());
}

TEST(SplitSegmentByPolygon, SegmentMeetingManyEdgesKeepsEveryPiece) {
  // A comb of 80 teeth: the segment crosses 160 edges, more than a fixed cut
  // list of 100 points could hold.
  PointList comb = {{0, 0}};
  for (int tooth = 0; tooth < 80; ++tooth) {
    comb.push_back({tooth * 10.0, 20});
    comb.push_back({tooth * 10.0 + 5, 20});
    comb.push_back({tooth * 10.0 + 5, 1});
    comb.push_back({tooth * 10.0 + 10, 1});
  }
  comb.push_back({800, 0});
  comb.push_back({0, 0});
  const std::vector<Piece> pieces =
      SplitSegmentByPolygon(comb, {{-10, 10}, {810, 10}}, kTolerance, Orientation::kClockwise);
  ASSERT_EQ(pieces.size(), 161u);
  EXPECT_EQ(pieces.front().piece_class, PieceClass::kOutside);
  EXPECT_EQ(pieces[1].piece_class, PieceClass::kInside);
  EXPECT_EQ(pieces[2].piece_class, PieceClass::kOutside);
  EXPECT_EQ(pieces.back().segment.end, (Point{810, 10}));
}

}  // namespace
}  // namespace peltarix
