#pragma once

#include <QtGlobal>

// Line settings in the register's own codes (parity 0 none, 1 odd, 2 even,
// 3 mark, 4 space; stop bits 0 one, 1 one and a half, 2 two).
struct LineSettings {
  quint32 baudRate = 115200;
  quint8 dataBits = 8;
  quint8 parity = 0;
  quint8 stopBits = 0;
  bool xonXoff = false;
  bool rtsCts = false;
  bool operator==(const LineSettings&) const = default;
};

enum class OpenResult { Opened, Failed, SettingsRefused };
enum class LineStatus { Clear, Error, Held };
enum class WriteStatus { Done, Partial, AccessDenied, Failed };

struct WriteResult {
  WriteStatus status = WriteStatus::Failed;
  int written = 0;
};

// One serial line. Every call returns within its total timeout; nothing here
// shows a message or sleeps beyond what it is asked.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  // port is the register's port number 1..99 (COM n).
  virtual OpenResult open(int port, const LineSettings& settings) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  // Reads up to max bytes, returning as soon as max bytes arrived or the total
  // timeout ran out; returns the number read (0 on silence), -1 on a failure.
  virtual int read(char* dst, int max, int timeoutMs) = 0;
  // Writes n bytes within the total timeout; Partial tells how many went out.
  virtual WriteResult write(const char* src, int n, int timeoutMs) = 0;
  virtual void discardInput() = 0;
  // Reads and clears the line's error state; Held while flow control stops output.
  virtual LineStatus lineStatus() = 0;
};
