#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "sim/CommandProcessor.h"
#include "sim/Faults.h"
#include "sim/RegisterModel.h"

namespace sim {

struct EngineOptions {
  quint8 address = 1;
  int baud = 0;  // 0: bytes take no time on the line
  int bitsPerByte = 10;
  qint64 printMs = 800;          // how long a report "prints"
  qint64 confirmMs = 1000;       // the operator confirming a record on the keyboard
  qint64 notReadyMs = 300;       // until a "not ready" register answers after all
  qint64 busyRepeatMs = 500;     // a busy register says so again this often
  qint64 frameGapMs = 100;       // silence that ends an incomplete frame
  qint64 batchIdleMs = 10000;    // a batch left this long is over
  qint64 downloadIdleMs = 5000;  // a download left without acknowledgement is dropped
  bool completionStatus = true;  // false: status 0 everywhere, as some registers answer
  bool longInfo = true;
};

// The register's end of the line: consumes the PC's bytes, finds and checks
// frames, carries out commands on the model and queues answer bytes, each
// with the time it is on the line. Time is in microseconds on any clock the
// caller chooses (real for the pseudo-terminal, virtual in tests).
class ProtocolEngine {
 public:
  static constexpr qint64 kNever = std::numeric_limits<qint64>::max();
  static constexpr int kMaxFrame = 1024;

  ProtocolEngine(RegisterModel& model, EngineOptions options = {});

  // Bytes from the PC, seen at nowUs. When the caller only knows that they came
  // after sinceUs (it was waiting from then on), their time on the line is
  // counted from there: the wait overlapped their transfer.
  void receive(const char* data, int n, qint64 nowUs, qint64 sinceUs = -1);
  // Runs everything due by now: frames whose last byte has arrived, delayed answers.
  void advance(qint64 nowUs);
  // Answer bytes that are on the line by now.
  QByteArray takeOutput(qint64 nowUs);
  // Drops answer bytes that arrived by now (the PC discarding its input).
  void discardOutput(qint64 nowUs);
  // The earliest moment something happens: a byte arrives, a timer fires.
  qint64 nextEventUs() const;

  Faults& faults() { return faults_; }
  EngineOptions& options() { return options_; }
  RegisterModel& model() { return model_; }
  void setPaperOut(bool out, qint64 nowUs);

  // What the register prints, and one call per frame in either direction.
  std::function<void(const QString&)> onPaper;
  std::function<void(bool received, const QByteArray& bytes)> onJournal;

 private:
  struct Timer {
    qint64 dueUs;
    quint64 id;
    bool cancelOnFrame;
    std::function<void(qint64)> run;
  };
  struct Download {
    quint8 command = 0;
    int frameLength = 0;
    QList<QByteArray> records;
    int index = 0;
  };
  struct Held {  // a command waiting for paper
    Outcome outcome;
    quint16 recordNumber;
  };

  qint64 lineTimeUs(int byteCount) const;
  void busyUntil(qint64 t, qint64 endUs, std::function<void(qint64)> then);
  void processInput(qint64 nowUs);
  void endPartialFrame(qint64 t);
  void handleFrame(const QByteArray& f, qint64 t);
  void handleAck(quint8 code, qint64 t);
  bool checkSequence(quint8 command, quint16 recordNumber, qint64 t);
  void respond(Outcome o, quint16 recordNumber, qint64 t);
  void finish(Outcome& o, quint16 recordNumber, qint64 t);
  quint8 finalStatus(quint16 recordNumber, const Outcome& o) const;
  void sendDataFrame(qint64 t);
  void sendStatus(quint8 kind, quint8 status, qint64 t);
  void sendError(int code, qint64 t);
  void send(QByteArray frame, qint64 t);
  void schedule(qint64 dueUs, bool cancelOnFrame, std::function<void(qint64)> run);
  void cancelPending();
  void printText(const QString& text);

  RegisterModel& model_;
  EngineOptions options_;
  CommandProcessor processor_;
  Faults faults_;

  std::deque<std::pair<qint64, char>> input_;  // arrival time, byte
  qint64 inputLineFreeUs_ = 0;
  QByteArray rx_;
  qint64 lastRxUs_ = 0;
  bool discarding_ = false;  // inside a frame whose length cannot be trusted

  std::deque<std::pair<qint64, char>> output_;  // time on the line, byte
  qint64 outputLineFreeUs_ = 0;

  std::vector<Timer> timers_;
  quint64 nextTimerId_ = 1;
  std::optional<Download> download_;
  std::optional<Held> held_;
  quint8 batchCommand_ = 0;
  int batchLast_ = 0;
  qint64 batchLastUs_ = 0;
  bool batchOpen_ = false;
};

}  // namespace sim
