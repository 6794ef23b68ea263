#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

#include "image/GoodsRecord.h"
#include "image/ImageLayout.h"

// The open database image: the working-copy file, mirrored in memory. Reads
// come from memory; every write goes to the file at once, so the file always
// holds what has been edited. Positioned operations move the position to their
// offset first; the Next operations go on from where the last one ended.
//
// An I/O error on the file makes Failed() true until the next Open, because
// memory and file may no longer agree; writers refuse while it is true. An
// access outside the image is refused (reads give zeros) and leaves Failed()
// as it was. A closed image reads as zeros, so every slot reads as free.
class TDatabaseImage {
 public:
  static constexpr int kSize = image::kImageSize;

  TDatabaseImage();

  // Opens (creating, never truncating) the file for reading and writing and
  // loads its first kSize bytes; the rest of memory reads as zeros.
  bool Open(const QString& path);
  void Close();
  bool IsOpen() const { return file_.isOpen(); }
  bool Failed() const { return !IsOpen() || ioError_; }
  QString Path() const { return path_; }

  int Position() const { return position_; }
  void Seek(int offset) { position_ = offset; }

  quint8 ReadByte(int offset);
  quint8 ReadNextByte() { return ReadByte(position_); }
  quint16 ReadU16(int offset);
  qint32 ReadI32(int offset);
  QByteArray ReadBytes(int offset, int count);
  QString ReadText(int offset, int width);
  QString ReadNextText(int width) { return ReadText(position_, width); }

  bool WriteByte(int offset, quint8 value);
  bool WriteNextByte(quint8 value) { return WriteByte(position_, value); }
  bool WriteU16(int offset, quint16 value);
  bool WriteI32(int offset, qint32 value);
  bool WriteBytes(int offset, const QByteArray& data);
  // The text's Windows-1250 bytes and nothing more.
  bool WriteText(int offset, const QString& text);
  // The text cut to width bytes, then pad until width bytes are written.
  bool WriteTextPadded(int offset, const QString& text, char pad, int width);
  bool WriteNextTextPadded(const QString& text, char pad, int width) {
    return WriteTextPadded(position_, text, pad, width);
  }
  bool ZeroFill(int offset, int count);

  // Makes the whole image (exactly kSize bytes) the file's content and cuts the
  // file to kSize. When the file cannot take it, the previous content is put
  // back if possible and false is returned.
  bool Replace(const QByteArray& wholeImage);
  const QByteArray& Bytes() const { return memory_; }

  // Goods table.
  bool WriteGoodsRecord(const GoodsRecord& record);  // refuses numbers outside 1..2000
  GoodsRecord ReadGoodsRecord(int number);
  bool IsGoodsSlotUsed(int number);
  QString ReadGoodsName(int number);
  // The lowest free number above start, or none when all from there are used.
  std::optional<int> FirstFreeGoodsNumber(int start);

 private:
  bool InRange(int offset, qsizetype count) const {
    return offset >= 0 && count >= 0 && offset <= kSize - count;
  }
  // Reads never fail; outside the image the missing bytes are zero.
  const quint8* At(int offset, int count);
  bool WriteRaw(int offset, const char* data, qsizetype count);

  QFile file_;
  QString path_;
  QByteArray memory_;
  int position_ = 0;
  bool ioError_ = false;
  QByteArray scratch_;
};
