#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <climits>

#include "image/TDatabaseImage.h"

namespace {

// Offsets at the ends of int (a record number or length gone wrong) read as
// zeros, are refused for writing, and leave a position that does not wrap.
TEST(ImageFarOffset, ReadsAndWritesAtTheEndsOfIntStayInside) {
  QTemporaryDir dir;
  TDatabaseImage image;
  ASSERT_TRUE(image.Open(QDir(dir.path()).filePath("far.bdt")));
  ASSERT_TRUE(image.WriteByte(TDatabaseImage::kSize - 1, 0x7F));

  struct Case {
    int offset;
    int positionAfter;  // after a 4-byte read
  } cases[] = {{INT_MAX, INT_MAX}, {INT_MAX - 2, INT_MAX}, {INT_MIN, INT_MIN + 4}, {-2, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    EXPECT_EQ(image.ReadI32(c.offset), 0);
    EXPECT_EQ(image.Position(), c.positionAfter);
    EXPECT_EQ(image.ReadBytes(c.offset, 8), QByteArray(8, '\0'));
    EXPECT_FALSE(image.WriteI32(c.offset, 1));
    EXPECT_FALSE(image.Failed());
  }
  // Partly inside: the inside byte is there, the rest reads as zero.
  EXPECT_EQ(image.ReadBytes(TDatabaseImage::kSize - 1, 3), QByteArray("\x7F\0\0", 3));
}

}  // namespace
