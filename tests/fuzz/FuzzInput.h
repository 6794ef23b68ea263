#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// A fuzzer's input read from the front: control values first, then pieces
// with a 16-bit length in front, so a seed is readable bytes with real frames
// in it. Past the end everything reads as zero: every input is a valid one.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }
  size_t left() const { return size_ - at_; }

  quint8 byte() { return at_ < size_ ? data_[at_++] : 0; }
  quint16 u16() {
    const quint16 lo = byte();
    return static_cast<quint16>(lo | (byte() << 8));
  }
  quint32 u24() {
    const quint32 lo = u16();
    return lo | (quint32(byte()) << 16);
  }

  // Up to n bytes; fewer at the end.
  QByteArray take(size_t n) {
    if (n > left()) n = left();
    const QByteArray out(reinterpret_cast<const char*>(data_ + at_), qsizetype(n));
    at_ += n;
    return out;
  }
  // A 16-bit length, then that many bytes.
  QByteArray piece() { return take(u16()); }
  QByteArray rest() { return take(left()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};
