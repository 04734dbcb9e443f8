#include "io/piece_fingerprint.h"

#include <bit>
#include <cstdint>

namespace wendrel {

namespace {

class Fnv1a {
 public:
  // Byte by byte from the lowest, so that the hash is the same on every byte order.
  void Add(std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
      m_hash = (m_hash ^ ((value >> (8 * i)) & 0xffu)) * 0x100000001b3u;
    }
  }
  void Add(DPoint p) {
    Add(std::bit_cast<std::uint64_t>(p.x));
    Add(std::bit_cast<std::uint64_t>(p.y));
  }
  std::uint64_t Hash() const { return m_hash; }

 private:
  std::uint64_t m_hash = 0xcbf29ce484222325u;
};

}  // namespace

std::string PieceFingerprint(const PieceSet& pieces) {
  Fnv1a fnv;
  fnv.Add(static_cast<std::uint64_t>(pieces.PieceCount()));
  for (int p = 0; p < pieces.PieceCount(); ++p) {
    const Piece& piece = pieces.PieceAt(p);
    fnv.Add(static_cast<std::uint64_t>(piece.count));
    for (int i = 0; i < piece.count; ++i) {
      const int t = piece.TriangleAt(i);
      const Triangle& home = pieces.Home(t);
      fnv.Add(static_cast<std::uint64_t>(t));
      // Not the centroid: x87 arithmetic computes it to other bits from the same corners.
      for (const DPoint corner : {home.a, home.b, home.c})
        fnv.Add(corner);
    }
  }
  for (int p = 0; p < pieces.PieceCount(); ++p) {
    for (int q = p + 1; q < pieces.PieceCount(); ++q)
      fnv.Add(pieces.PiecesAdjacent(p, q) ? 1u : 0u);
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  const std::uint64_t hash = fnv.Hash();
  for (int i = 0; i < 16; ++i)
    text[15 - i] = kDigits[(hash >> (4 * i)) & 0xfu];
  return text;
}

}  // namespace wendrel
