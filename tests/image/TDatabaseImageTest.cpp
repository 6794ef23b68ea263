#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "image/TDatabaseImage.h"

namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath("BDTemp.bdt");
    ASSERT_TRUE(image_.Open(path_));
    ASSERT_TRUE(image_.Replace(QByteArray(TDatabaseImage::kSize, '\0')));
  }
  QByteArray OnDisk() const {
    QFile f(path_);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }

  QTemporaryDir dir_;
  QString path_;
  TDatabaseImage image_;
};

}  // namespace

TEST_F(ImageTest, EveryWriteIsInTheFileAtOnceAndMemoryAgrees) {
  EXPECT_TRUE(image_.WriteByte(10, 0xAB));
  EXPECT_TRUE(image_.WriteU16(20, 0x1234));
  EXPECT_TRUE(image_.WriteI32(30, -2));
  EXPECT_TRUE(image_.WriteTextPadded(40, QString::fromUtf8("Łódź"), ' ', 6));
  EXPECT_TRUE(image_.ZeroFill(10, 1));
  const QByteArray disk = OnDisk();
  ASSERT_EQ(disk.size(), TDatabaseImage::kSize);
  EXPECT_EQ(disk, image_.Bytes());
  EXPECT_EQ(disk.mid(20, 2), QByteArray("\x34\x12", 2));
  EXPECT_EQ(disk.mid(30, 4), QByteArray("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(disk.mid(40, 6), QByteArray("\xA3\xF3"
                                        "d\x9F  ",
                                        6));
  EXPECT_EQ(image_.ReadU16(20), 0x1234);
  EXPECT_EQ(image_.ReadI32(30), -2);
}

TEST_F(ImageTest, NextOperationsGoOnFromWhereTheLastOneEnded) {
  ASSERT_TRUE(image_.WriteTextPadded(100, "ab", '\0', 5));
  EXPECT_EQ(image_.Position(), 105);
  ASSERT_TRUE(image_.WriteNextByte(7));
  ASSERT_TRUE(image_.WriteNextTextPadded("xyz", '.', 4));
  EXPECT_EQ(image_.Position(), 110);
  EXPECT_EQ(image_.ReadBytes(100, 10), QByteArray("ab\0\0\0\x07xyz.", 10));

  // A positioned read after the writes positions first.
  EXPECT_EQ(image_.ReadText(100, 5), "ab");
  EXPECT_EQ(image_.ReadNextByte(), 7);
  EXPECT_EQ(image_.ReadNextText(4), "xyz.");
  EXPECT_EQ(image_.ReadByte(101), 'b');
  EXPECT_EQ(image_.ReadNextByte(), 0);
}

TEST_F(ImageTest, TextsEndAtTheFirstZeroAndWriteTextWritesNothingMore) {
  ASSERT_TRUE(image_.WriteBytes(200, QByteArray("xxxxxxxx")));
  ASSERT_TRUE(image_.WriteText(200, "ab"));
  EXPECT_EQ(image_.ReadBytes(200, 8), QByteArray("abxxxxxx"));
  ASSERT_TRUE(image_.WriteTextPadded(200, "abcdefghij", '\0', 4));  // cut to the width
  EXPECT_EQ(image_.ReadBytes(200, 8), QByteArray("abcdxxxx"));
  ASSERT_TRUE(image_.WriteByte(202, 0));
  EXPECT_EQ(image_.ReadText(200, 8), "ab");
  EXPECT_EQ(image_.ReadText(203, 3), "dxx");  // full width, no terminator
}

TEST_F(ImageTest, AccessOutsideTheImageIsRefusedWithoutDamage) {
  const QByteArray before = OnDisk();
  EXPECT_FALSE(image_.WriteByte(TDatabaseImage::kSize, 1));
  EXPECT_FALSE(image_.WriteByte(-1, 1));
  EXPECT_FALSE(image_.ZeroFill(TDatabaseImage::kSize - 2, 3));
  EXPECT_FALSE(image_.WriteTextPadded(TDatabaseImage::kSize - 1, "ab", ' ', 2));
  EXPECT_EQ(OnDisk(), before);
  EXPECT_FALSE(image_.Failed());  // a refused access is not a broken file

  ASSERT_TRUE(image_.WriteByte(TDatabaseImage::kSize - 1, 0x55));
  EXPECT_EQ(image_.ReadByte(TDatabaseImage::kSize), 0);
  EXPECT_EQ(image_.ReadByte(-5), 0);
  EXPECT_EQ(image_.ReadBytes(TDatabaseImage::kSize - 1, 3), QByteArray("\x55\0\0", 3));
  EXPECT_EQ(image_.ReadText(TDatabaseImage::kSize - 1, 10), "U");
}

TEST_F(ImageTest, OpenLoadsWithoutTruncatingAndReplaceMakesTheFileExact) {
  ASSERT_TRUE(image_.WriteByte(5, 9));
  image_.Close();
  {
    QFile f(path_);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(1000, 'z'));  // an old, longer working copy
  }
  ASSERT_TRUE(image_.Open(path_));
  EXPECT_EQ(QFileInfo(path_).size(), TDatabaseImage::kSize + 1000);
  EXPECT_EQ(image_.ReadByte(5), 9);
  ASSERT_TRUE(image_.Replace(QByteArray(TDatabaseImage::kSize, '\x11')));
  EXPECT_EQ(OnDisk(), QByteArray(TDatabaseImage::kSize, '\x11'));
  EXPECT_FALSE(image_.Replace(QByteArray(10, '\0')));  // not an image
  EXPECT_EQ(OnDisk(), QByteArray(TDatabaseImage::kSize, '\x11'));
}

TEST_F(ImageTest, ClosedImageReadsZeroAndRefusesWrites) {
  ASSERT_TRUE(image_.WriteByte(5000, 1));
  image_.Close();
  EXPECT_FALSE(image_.IsOpen());
  EXPECT_TRUE(image_.Failed());
  EXPECT_EQ(image_.ReadByte(5000), 0);
  EXPECT_FALSE(image_.IsGoodsSlotUsed(1));
  EXPECT_FALSE(image_.WriteByte(5000, 1));
  GoodsRecord r;
  r.Number = 1;
  EXPECT_FALSE(image_.WriteGoodsRecord(r));
  EXPECT_EQ(OnDisk().at(5000), 1);
}

TEST(ImageFailure, FileThatRefusesWritesMakesTheImageFailedAndWritersStop) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  TDatabaseImage image;
  ASSERT_TRUE(image.Open("/dev/full"));
  EXPECT_FALSE(image.Failed());
  EXPECT_FALSE(image.WriteByte(0, 1));
  EXPECT_TRUE(image.Failed());
  EXPECT_EQ(image.ReadByte(0), 0);  // memory kept what the file holds
  GoodsRecord r;
  r.Number = 1;
  EXPECT_FALSE(image.WriteGoodsRecord(r));
  image.Close();
  ASSERT_TRUE(image.Open("/dev/full"));
  EXPECT_FALSE(image.Failed());  // a new open starts afresh
}

TEST(ImageFailure, OpenOfAFolderFails) {
  QTemporaryDir dir;
  TDatabaseImage image;
  EXPECT_FALSE(image.Open(dir.path()));
  EXPECT_TRUE(image.Failed());
}
