#pragma once

#include <QByteArray>
#include <QString>

// Windows-1250, the code page of every text in the image, in files and on the
// wire. Text lives as QString in memory and becomes bytes only at these edges.
namespace cp1250 {

// A character the code page lacks is written as this byte ('?').
inline constexpr char kReplacement = '?';

// Converts text to bytes; characters without a Windows-1250 byte become
// kReplacement and, when unmapped is given, are counted there.
QByteArray encode(const QString& text, int* unmapped = nullptr);

// Converts bytes to text. Every byte has a character (the five bytes the code
// page leaves free map to the C1 controls of the same value), so decoding and
// encoding again gives back the same bytes.
QString decode(const char* data, qsizetype size);
inline QString decode(const QByteArray& bytes) {
  return decode(bytes.constData(), bytes.size());
}

// Decodes a fixed-width field up to its first 0x00 byte.
QString decodeField(const char* data, qsizetype width);

// True when every character of text has a Windows-1250 byte.
bool canEncode(const QString& text);
// The first character of text that Windows-1250 lacks; a null QChar if none.
QChar firstUnmappable(const QString& text);

// Byte for one character, or -1 when the code page lacks it.
int byteFor(char16_t ch);

}  // namespace cp1250
