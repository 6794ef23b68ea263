#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace sim {

// What the register makes of one command frame, before the protocol engine
// turns it into answer frames (and decides about delays, paper and faults).
struct Outcome {
  enum class Kind {
    Accepted,    // acknowledged: status 0, or 3 when the frame ends the operation
    Error,       // error frame with code
    Attention,   // 10-byte 'A' frame with status code (empty base, zero sales)
    Download,    // data frames of records, acknowledged one by one by the PC
    Info,        // the information frame, not acknowledged
    PortAnswer,  // the answer to the port query: kind '9', status = port
    Presence,    // the answer to the presence query
  };
  Kind kind = Kind::Accepted;
  int code = 0;

  // Carried out when the register answers; returns what it prints (may be empty).
  std::function<QString()> commit;
  bool confirm = false;  // the operator confirms on the register's keyboard first
  bool report = false;   // a printed report: busy while printing, then completion
  bool prints = false;   // needs paper

  quint8 command = 0;  // Download: the request code; Info: 'I'
  int frameLength = 0;
  QList<QByteArray> records;  // Download: one body per data frame; Info: the body

  static Outcome error(int c) {
    Outcome o;
    o.kind = Kind::Error;
    o.code = c;
    return o;
  }
  static Outcome attention(int status) {
    Outcome o;
    o.kind = Kind::Attention;
    o.code = status;
    return o;
  }
};

}  // namespace sim
