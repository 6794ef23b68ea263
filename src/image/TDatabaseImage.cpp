#include "image/TDatabaseImage.h"

#include <algorithm>
#include <climits>

#include "platform/Bytes.h"
#include "platform/Cp1250.h"

TDatabaseImage::TDatabaseImage() : memory_(kSize, '\0') {}

bool TDatabaseImage::Open(const QString& path) {
  Close();
  file_.setFileName(path);
  // Unbuffered: a write is in the file when it returns, not at some later flush.
  if (!file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return false;
  path_ = path;
  const QByteArray content = file_.read(kSize);
  std::copy(content.begin(), content.end(), memory_.begin());
  return true;
}

void TDatabaseImage::Close() {
  if (file_.isOpen()) file_.close();
  path_.clear();
  memory_.fill('\0');
  position_ = 0;
  ioError_ = false;
}

const quint8* TDatabaseImage::At(int offset, int count) {
  // An offset near the end of int must not wrap the position round.
  position_ = static_cast<int>(std::clamp<qint64>(qint64(offset) + count, INT_MIN, INT_MAX));
  if (InRange(offset, count)) return reinterpret_cast<const quint8*>(memory_.constData()) + offset;
  scratch_.fill('\0', count);
  for (int i = 0; i < count; ++i) {
    const qint64 at = qint64(offset) + i;
    if (at >= 0 && at < kSize) scratch_[i] = memory_[static_cast<qsizetype>(at)];
  }
  return reinterpret_cast<const quint8*>(scratch_.constData());
}

quint8 TDatabaseImage::ReadByte(int offset) {
  return *At(offset, 1);
}

quint16 TDatabaseImage::ReadU16(int offset) {
  return bytes::getU16(At(offset, 2));
}

qint32 TDatabaseImage::ReadI32(int offset) {
  return bytes::getI32(At(offset, 4));
}

QByteArray TDatabaseImage::ReadBytes(int offset, int count) {
  if (count <= 0) return {};
  return QByteArray(reinterpret_cast<const char*>(At(offset, count)), count);
}

QString TDatabaseImage::ReadText(int offset, int width) {
  if (width <= 0) return {};
  return cp1250::decodeField(reinterpret_cast<const char*>(At(offset, width)), width);
}

bool TDatabaseImage::WriteRaw(int offset, const char* data, qsizetype count) {
  if (Failed() || !InRange(offset, count)) return false;
  if (!file_.seek(offset) || file_.write(data, count) != count) {
    ioError_ = true;
    return false;
  }
  std::copy(data, data + count, memory_.begin() + offset);
  position_ = offset + static_cast<int>(count);
  return true;
}

bool TDatabaseImage::WriteByte(int offset, quint8 value) {
  const char c = static_cast<char>(value);
  return WriteRaw(offset, &c, 1);
}

bool TDatabaseImage::WriteU16(int offset, quint16 value) {
  quint8 b[2];
  bytes::putU16(b, value);
  return WriteRaw(offset, reinterpret_cast<const char*>(b), 2);
}

bool TDatabaseImage::WriteI32(int offset, qint32 value) {
  quint8 b[4];
  bytes::putI32(b, value);
  return WriteRaw(offset, reinterpret_cast<const char*>(b), 4);
}

bool TDatabaseImage::WriteBytes(int offset, const QByteArray& data) {
  return WriteRaw(offset, data.constData(), data.size());
}

bool TDatabaseImage::WriteText(int offset, const QString& text) {
  return WriteBytes(offset, cp1250::encode(text));
}

bool TDatabaseImage::WriteTextPadded(int offset, const QString& text, char pad, int width) {
  if (width < 0) return false;
  QByteArray b = cp1250::encode(text).left(width);
  b.append(width - b.size(), pad);
  return WriteBytes(offset, b);
}

bool TDatabaseImage::ZeroFill(int offset, int count) {
  if (count < 0) return false;
  return WriteBytes(offset, QByteArray(count, '\0'));
}

bool TDatabaseImage::Replace(const QByteArray& wholeImage) {
  if (Failed() || wholeImage.size() != kSize) return false;
  const auto writeAll = [this](const QByteArray& content) {
    return file_.seek(0) && file_.write(content) == kSize && file_.resize(kSize);
  };
  if (writeAll(wholeImage)) {
    memory_ = wholeImage;
    position_ = 0;
    return true;
  }
  if (!writeAll(memory_)) ioError_ = true;
  position_ = 0;
  return false;
}

bool TDatabaseImage::WriteGoodsRecord(const GoodsRecord& record) {
  if (Failed() || !IsGoodsNumber(record.Number)) return false;
  const auto rec = EncodeGoodsRecord(record);
  return WriteRaw(image::kGoods.recordOffset(record.Number),
                  reinterpret_cast<const char*>(rec.data()), GoodsRecord::kSize);
}

GoodsRecord TDatabaseImage::ReadGoodsRecord(int number) {
  if (!IsGoodsNumber(number)) return {};
  return DecodeGoodsRecord(At(image::kGoods.recordOffset(number), GoodsRecord::kSize));
}

bool TDatabaseImage::IsGoodsSlotUsed(int number) {
  if (!IsGoodsNumber(number)) return false;
  return ReadU16(image::kGoods.recordOffset(number)) != 0;
}

QString TDatabaseImage::ReadGoodsName(int number) {
  if (!IsGoodsNumber(number)) return {};
  return ReadText(image::kGoods.recordOffset(number) + kGoodsNameField.offset,
                  kGoodsNameField.width);
}

std::optional<int> TDatabaseImage::FirstFreeGoodsNumber(int start) {
  for (int n = std::max(start + 1, GoodsRecord::kFirstNumber); n <= GoodsRecord::kLastNumber; ++n)
    if (!IsGoodsSlotUsed(n)) return n;
  return std::nullopt;
}
