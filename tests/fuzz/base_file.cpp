// Opening a base file of any size and content, with or without a base open
// before, then reading it the way the editors do. The first byte picks how
// the file is made: the input's own bytes (any length), or a new base with
// patches laid over it (offset, 16-bit length, bytes), optionally made up to
// 128 bytes too short or 127 too long.
#include <QDir>
#include <QFile>
#include <cstdlib>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "image/BaseFiles.h"
#include "image/ConnectionTracker.h"
#include "image/NewImage.h"
#include "image/TDatabaseImage.h"
#include "support/RecordingPrompts.h"

namespace {

enum Mode : quint8 {
  kPatched = 1,         // a new base with patches; else the input's bytes as they are
  kBaseOpenBefore = 2,  // the start-up base is open when the file is chosen
  kSizeOff = 4,         // the patched file is cut or lengthened by a signed byte
};
constexpr int kMaxPatches = 32;
constexpr int kSizeOffZero = 128;  // the size byte that leaves the size as it is
constexpr int kOddReads = 8;

QByteArray MakeFile(FuzzInput& in, quint8 mode, std::vector<int>& touched) {
  if (!(mode & kPatched)) return in.rest();
  QByteArray file = new_image::Build(image::kFormatByte, QString::fromLatin1("PLN"));
  const int sizeOff = int(in.byte()) - kSizeOffZero;
  for (int i = 0; i < kMaxPatches && !in.empty(); ++i) {
    const int at = int(in.u24() % TDatabaseImage::kSize);
    const QByteArray bytes = in.piece();
    const qsizetype n = qMin(bytes.size(), file.size() - at);
    std::copy(bytes.begin(), bytes.begin() + n, file.begin() + at);
    touched.push_back(at);
  }
  if (mode & kSizeOff) {
    if (sizeOff < 0)
      file.chop(-sizeOff);
    else
      file.append(sizeOff, '\x55');
  }
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The working copy goes to TEMP; keep it out of the system's folders.
  qputenv("TEMP", ScratchFolder().toLocal8Bit());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const quint8 mode = in.byte();
  qint32 oddOffsets[kOddReads];
  for (qint32& o : oddOffsets) o = qint32(in.u16() | (quint32(in.u16()) << 16));
  std::vector<int> touched;
  const QByteArray content = MakeFile(in, mode, touched);

  const QString path = QDir(ScratchFolder()).filePath(QStringLiteral("wejscie.bkf"));
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
      std::abort();
  }

  TDatabaseImage image;
  ConnectionTracker connection;
  RecordingPrompts prompts;
  BaseFiles files(image, connection, prompts, ScratchFolder());
  QByteArray before;
  if (mode & kBaseOpenBefore) {
    if (!files.CreateStartupBase()) std::abort();
    before = image.Bytes();
  }

  prompts.chooseFile(path);
  const bool opened = files.OpenBaseFile();
  if (opened != (content.size() == TDatabaseImage::kSize)) std::abort();
  if (!opened) {
    // Refused with a message, and the base that was open is as it was.
    if (prompts.messages().size() != 1) std::abort();
    if ((mode & kBaseOpenBefore) && (!image.IsOpen() || image.Bytes() != before)) std::abort();
    return 0;
  }
  if (image.Bytes() != content || files.Modified() || !connection.BaseOpen()) std::abort();

  // What the editors and the status bar read from it.
  files.IsServiceBase();
  files.CurrencySymbol();
  for (int at : touched) {
    const int number = (at - image::kGoods.offset) / image::kGoods.recordSize + 1;
    if (image::kGoods.holds(number)) {
      image.IsGoodsSlotUsed(number);
      image.ReadGoodsRecord(number);
      image.ReadGoodsName(number);
    }
  }
  image.FirstFreeGoodsNumber(0);
  // Offsets that come from somewhere else: outside the image they read as zeros.
  for (qint32 o : oddOffsets) {
    image.ReadByte(o);
    image.ReadU16(o);
    image.ReadI32(o);
    const QByteArray b = image.ReadBytes(o, 64);
    if (o < 0 || o > TDatabaseImage::kSize - 64) {
      for (qsizetype i = 0; i < b.size(); ++i) {
        const qint64 at = qint64(o) + i;
        const char expected = at >= 0 && at < TDatabaseImage::kSize ? content[qsizetype(at)] : 0;
        if (b[i] != expected) std::abort();
      }
    }
    image.ReadText(o, 42);
  }
  return 0;
}
