#include <QFile>
#include <QTemporaryDir>

#include "SimFixture.h"
#include "commands/DownloadCommands.h"
#include "commands/UploadCommands.h"
#include "image/GoodsRecord.h"
#include "image/NewImage.h"
#include "image/TDatabaseImage.h"

// The program's own command functions, reading records from a base image,
// against the simulated register: what is uploaded comes back in a download.
class CommandRoundTrip : public SimTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("BDTemp.bdt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(new_image::Build(image::kFormatByte, new_image::kDefaultCurrency));
    f.close();
    ASSERT_TRUE(image.Open(path));
  }

  QList<QByteArray> DownloadTable(const TableDownload& t) {
    link.FlushInput();
    EXPECT_TRUE(RequestTable(link, t));
    QList<QByteArray> bodies;
    ReadRecords(link, t.frameLength, t.shortestFrame, [&](const quint8* f, int n) {
      bodies << QByteArray(reinterpret_cast<const char*>(f) + frame::kBodyAt, n - 9);
    });
    return bodies;
  }

  static bool AnyHolds(const QList<QByteArray>& bodies, const QString& text) {
    const QByteArray b = cp1250::encode(text);
    for (const auto& body : bodies)
      if (body.contains(b)) return true;
    return false;
  }

  QTemporaryDir dir;
  TDatabaseImage image;
};

TEST_F(CommandRoundTrip, GoodsUploadedFromTheImageComeBackByteForByte) {
  GoodsRecord g;
  g.Number = 7;
  g.Name = QString::fromUtf8("Chleb żytni łódzki");
  g.PtuLetter = 'B';
  g.Price = 1234;
  g.Barcode = "5901234123457";
  g.Group = 1;
  g.WholePieces = 1;
  ASSERT_TRUE(image.WriteGoodsRecord(g));

  ASSERT_TRUE(SendGoods(link, image, 7, false));
  const ReplyResult r = ReadReply(link);
  EXPECT_TRUE(r == ReplyOk || r == ReplyDone) << r;

  const QList<QByteArray> goods = DownloadTable(downloads::kGoods);
  ASSERT_FALSE(goods.isEmpty());
  const QByteArray stored =
      image.ReadBytes(image::kGoods.offset + 6 * image::kGoods.recordSize, 49);
  bool found = false;
  for (const auto& body : goods)
    if (body.left(49) == stored) found = true;
  EXPECT_TRUE(found) << "number, name, letter and price as the image holds them";
}

TEST_F(CommandRoundTrip, DefaultCashierAndGroupOfANewBaseReachTheRegister) {
  ASSERT_TRUE(SendCashier(link, image, 1, false));
  EXPECT_EQ(ReadReply(link), ReplyDone);
  ASSERT_TRUE(SendGoodsGroup(link, image, 1, false));
  EXPECT_EQ(ReadReply(link), ReplyDone);
  EXPECT_TRUE(AnyHolds(DownloadTable(downloads::kCashiers), new_image::kManagerName));
  EXPECT_TRUE(AnyHolds(DownloadTable(downloads::kGoodsGroups), new_image::kFirstGroupName));
}

TEST_F(CommandRoundTrip, AnEmptySlotIsNotSent) {
  EXPECT_FALSE(SendGoods(link, image, 9, false));
  EXPECT_FALSE(SendCashier(link, image, 2, false));
  EXPECT_TRUE(prompts.shown().isEmpty());
}
