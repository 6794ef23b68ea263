#pragma once

#include <QByteArray>
#include <QList>
#include <deque>
#include <functional>

#include "platform/SerialDevice.h"

// Test side of the serial seam. Input is a queue of chunks: a read takes up to
// the requested count from the front chunk only, so a chunk shorter than asked
// is a short answer, and the rest of a longer chunk waits for the next read.
// An empty queue, or a silence marker, reads as 0 bytes. Writes follow a script
// of outcomes (all taken by default) and everything that went out is recorded.
class ScriptedSerialDevice : public SerialDevice {
 public:
  struct ReadCall {
    int max;
    int timeoutMs;
    int got;
  };
  struct WriteCall {
    QByteArray offered;  // bytes handed to write
    int timeoutMs;
    WriteResult result;
  };
  struct OpenCall {
    int port;
    LineSettings settings;
  };

  // Input.
  void queueRead(const QByteArray& chunk) { input_.push_back({chunk, false}); }
  void queueSilence() { input_.push_back({{}, true}); }
  // Every read returns as many noise bytes as asked (a line that never quiets).
  void setEndlessInput(bool on) { endless_ = on; }
  int pendingChunks() const { return int(input_.size()); }

  // Outcomes of the next writes, in order; once used up every write is Done.
  void queueWriteAll() { writes_.push_back({WriteStatus::Done, -1}); }
  void queueWritePartial(int count) { writes_.push_back({WriteStatus::Partial, count}); }
  void queueWriteDenied() { writes_.push_back({WriteStatus::AccessDenied, 0}); }
  void queueWriteFailed() { writes_.push_back({WriteStatus::Failed, 0}); }

  // Line status answers, in order; Clear once used up.
  void queueLineStatus(LineStatus s) { statuses_.push_back(s); }
  // Results of the next opens, in order; Opened once used up.
  void queueOpen(OpenResult r) { opens_.push_back(r); }

  // Runs after every write with the bytes that went out (to answer a frame).
  void setOnWrite(std::function<void(const QByteArray&)> hook) { onWrite_ = std::move(hook); }

  // What happened.
  const QByteArray& wire() const { return wire_; }  // all bytes written, in order
  const QList<WriteCall>& writeCalls() const { return writeCalls_; }
  const QList<ReadCall>& readCalls() const { return readCalls_; }
  const QList<OpenCall>& openCalls() const { return openCalls_; }
  int closeCount() const { return closes_; }
  int discardCount() const { return discards_; }
  int lineStatusCount() const { return lineStatusCalls_; }
  void clearRecords();

  OpenResult open(int port, const LineSettings& settings) override;
  void close() override;
  bool isOpen() const override { return open_; }
  int read(char* dst, int max, int timeoutMs) override;
  WriteResult write(const char* src, int n, int timeoutMs) override;
  void discardInput() override;
  LineStatus lineStatus() override;

  // Starts open, as after a successful open of port 1, without recording it.
  void setOpen(bool open) { open_ = open; }

 private:
  struct Chunk {
    QByteArray bytes;
    bool silence;
  };
  struct WriteStep {
    WriteStatus status;
    int count;
  };

  std::deque<Chunk> input_;
  std::deque<WriteStep> writes_;
  std::deque<LineStatus> statuses_;
  std::deque<OpenResult> opens_;
  std::function<void(const QByteArray&)> onWrite_;
  bool endless_ = false;
  bool open_ = false;

  QByteArray wire_;
  QList<WriteCall> writeCalls_;
  QList<ReadCall> readCalls_;
  QList<OpenCall> openCalls_;
  int closes_ = 0;
  int discards_ = 0;
  int lineStatusCalls_ = 0;
};
