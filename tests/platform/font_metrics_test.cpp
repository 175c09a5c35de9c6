#include <gtest/gtest.h>

#include <vector>

#include "platform/font.hpp"

namespace {

using platform::CellMetrics;
using platform::EmSizeForCell;
using platform::ReadCellMetrics;

void Put16(std::vector<unsigned char>& b, std::size_t at, unsigned v) {
  b[at] = static_cast<unsigned char>(v >> 8);
  b[at + 1] = static_cast<unsigned char>(v);
}
void Put32(std::vector<unsigned char>& b, std::size_t at, unsigned v) {
  Put16(b, at, v >> 16);
  Put16(b, at + 2, v & 0xFFFF);
}

// A TrueType file holding only a 'head' and an 'OS/2' table, with Tahoma's figures.
std::vector<unsigned char> TinyFace(unsigned unitsPerEm = 2048, unsigned ascent = 2049,
                                    unsigned descent = 423) {
  const std::size_t head = 12 + 2 * 16;
  const std::size_t os2 = head + 54;
  std::vector<unsigned char> b(os2 + 78, 0);
  Put32(b, 0, 0x00010000);
  Put16(b, 4, 2);
  const char* tags[] = {"head", "OS/2"};
  const std::size_t offsets[] = {head, os2};
  const unsigned lengths[] = {54, 78};
  for (int i = 0; i < 2; ++i) {
    for (int k = 0; k < 4; ++k) b[12 + 16 * i + k] = static_cast<unsigned char>(tags[i][k]);
    Put32(b, 12 + 16 * i + 8, static_cast<unsigned>(offsets[i]));
    Put32(b, 12 + 16 * i + 12, lengths[i]);
  }
  Put16(b, head + 18, unitsPerEm);
  Put16(b, os2 + 74, ascent);
  Put16(b, os2 + 76, descent);
  return b;
}

TEST(FontMetrics, CellHeightsBecomeEmSizesByTheFacesAscentAndDescent) {
  const std::vector<unsigned char> face = TinyFace();
  CellMetrics m;
  ASSERT_TRUE(ReadCellMetrics(face.data(), face.size(), m));
  EXPECT_EQ(m.unitsPerEm, 2048);
  EXPECT_EQ(m.winAscent, 2049);
  EXPECT_EQ(m.winDescent, 423);
  // The catalogue's small and VGA cells, rounded to the nearest whole em.
  const int cells[] = {14, 15, 16, 18, 20, 27, 29, 31, 35, 39};
  const int ems[] = {12, 12, 13, 15, 17, 22, 24, 26, 29, 32};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(EmSizeForCell(m, cells[i]), ems[i]) << cells[i];
  EXPECT_EQ(EmSizeForCell(m, 1), 1);
  // A face with no overhang is sized by its cell.
  EXPECT_EQ(EmSizeForCell(CellMetrics{1000, 800, 200}, 18), 18);
  EXPECT_EQ(EmSizeForCell(CellMetrics{}, 18), 18);
  EXPECT_EQ(EmSizeForCell(m, 0), 1);
}

TEST(FontMetrics, DamagedFilesAreRefusedWithoutReadingPastTheirEnd) {
  const std::vector<unsigned char> face = TinyFace();
  const CellMetrics untouched{1, 2, 3};
  CellMetrics m = untouched;
  // Every shortened copy lacks part of a table or of the directory.
  for (std::size_t size = 0; size < face.size(); ++size) {
    std::vector<unsigned char> cut(face.begin(), face.begin() + static_cast<long>(size));
    EXPECT_FALSE(ReadCellMetrics(cut.data(), cut.size(), m)) << size;
  }
  EXPECT_FALSE(ReadCellMetrics(nullptr, 100, m));

  std::vector<unsigned char> bad = face;
  Put16(bad, 4, 0xFFFF);  // more tables than the file holds
  EXPECT_FALSE(ReadCellMetrics(bad.data(), bad.size(), m));
  bad = face;
  Put32(bad, 12 + 16 + 8, 0xFFFFFFF0u);  // 'OS/2' far beyond the end
  EXPECT_FALSE(ReadCellMetrics(bad.data(), bad.size(), m));
  bad = face;
  Put32(bad, 12 + 12, 53);  // a 'head' too short for its units per em
  EXPECT_FALSE(ReadCellMetrics(bad.data(), bad.size(), m));
  bad = face;
  bad[12 + 16] = 'X';  // no 'OS/2' at all
  EXPECT_FALSE(ReadCellMetrics(bad.data(), bad.size(), m));
  for (const auto& nonsense : {TinyFace(0), TinyFace(15), TinyFace(16385), TinyFace(2048, 0, 0)}) {
    EXPECT_FALSE(ReadCellMetrics(nonsense.data(), nonsense.size(), m));
  }
  EXPECT_EQ(m.unitsPerEm, untouched.unitsPerEm);
  EXPECT_EQ(m.winAscent, untouched.winAscent);

  // The limits themselves are fine.
  const auto small = TinyFace(16, 12, 4);
  EXPECT_TRUE(ReadCellMetrics(small.data(), small.size(), m));
  const auto large = TinyFace(16384, 0, 1);
  EXPECT_TRUE(ReadCellMetrics(large.data(), large.size(), m));
  EXPECT_EQ(m.unitsPerEm, 16384);
}

}  // namespace
