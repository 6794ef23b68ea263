#pragma once

#include <QByteArray>
#include <QtGlobal>

// The frame envelope shared by every request and answer on the line:
// STX, address, length L (16 bit), record number (16 bit), command, body,
// checksum at L-2, ETX at L-1.
namespace frame {

inline constexpr quint8 kStx = 0x02;
inline constexpr quint8 kEtx = 0x03;
inline constexpr int kHeaderSize = 7;  // STX .. command
inline constexpr int kMinLength = 9;   // empty body
inline constexpr int kReceiveBufferSize = 1024;
inline constexpr quint16 kLastFrameBit = 0x8000;
inline constexpr quint16 kSingleFrame = 0x8001;  // first and last frame at once

inline constexpr quint8 kAckKind = 0x06;        // acknowledge / PC's acknowledgement
inline constexpr quint8 kAttentionKind = 0x41;  // 'A'
inline constexpr int kStatusFrameLength = 10;
inline constexpr int kErrorFrameLength = 11;

// Body byte of the PC's acknowledgement frame during a download.
enum AckCode : quint8 { AckNext = 0, AckRepeat = 1, AckLast = 3, AckAbort = 4 };

// Offsets of the envelope.
inline constexpr int kAddressAt = 1;
inline constexpr int kLengthAt = 2;
inline constexpr int kRecordAt = 4;
inline constexpr int kCommandAt = 6;
inline constexpr int kBodyAt = 7;

}  // namespace frame

// Writes the envelope of a length-byte frame into buf (which holds at least
// length bytes): header, a zero body and ETX. The caller fills the body and
// then stores FrameChecksum(buf) at length-2.
void BuildFrame(quint8* buf, quint8 address, quint16 length, quint16 recordNumber, quint8 command);

// Checksum of a frame over the length the frame itself declares: the XOR of
// bytes 1 .. L-3. The caller guarantees that L bytes are there.
quint8 FrameChecksum(const quint8* frame);

// Checksum of received bytes, never reading past received: false when the
// declared length is below 9 or above what arrived (a failed check).
bool ReceivedChecksum(const quint8* frame, int received, quint8* checksum);

// Convenience for callers that build frames in a QByteArray: envelope built,
// body written by fill, checksum stored.
QByteArray MakeFrame(quint8 address, quint16 length, quint16 recordNumber, quint8 command,
                     const QByteArray& body = {});
// Stores the checksum of the frame in buf at L-2.
void SealFrame(quint8* buf);

quint16 FrameLength(const quint8* frame);
quint16 FrameRecordNumber(const quint8* frame);

// XOR checksum of bytes 1 .. length-3, the envelope of a length-byte frame
// whatever its own length field says; nothing outside length bytes is read.
quint8 ChecksumOver(const quint8* frame, int length);
