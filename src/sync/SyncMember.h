#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "commands/DownloadCommands.h"
#include "image/ImageLayout.h"

class TDatabaseImage;
class TRegisterLink;

// What one of the six table synchronisations does differently from the
// others, as data: the tables, the commands, the batch pacing, the bytes
// copied to the PC, the list columns and the details shown.
struct SyncMember {
  using Upload = bool (*)(TRegisterLink&, TDatabaseImage&, int number, bool confirm,
                          quint16 recordField);
  using Delete = bool (*)(TRegisterLink&, int number, const QString& name, bool confirm,
                          quint16 recordField);
  // Entry columns after the name, from a record in the PC's layout.
  using Tail = QString (*)(const QByteArray& pcRecord);

  // How S, the batch's sequence number, grows.
  enum class Sequence {
    PerTickedRecord,  // S counts the frames sent
    PerListEntry,     // S is the entry's position in the PC list
  };
  // What follows the last record of an upload batch.
  enum class BatchEnd { MessagePauseDownload, PauseMessageDownload, PauseDownloadMessage };
  enum class DeleteErrors {
    Silent,     // a refused delete goes on without a word
    Shown,      // the register's error is shown, then it goes on
    Packaging,  // first answer read as a report answer, which shows errors itself
  };
  enum class PcClick {
    Ignored,  // a single click on a PC entry does nothing
    Blanks,   // blanks the details and clears the register list's selection
    Cashier,  // shows the PC record's password and rights
  };
  struct ByteCopy {
    int from;  // register record offset
    int to;    // PC record offset
    int count;
  };
  struct Detail {
    enum class Kind { Amount, Count, Right, LogTime, WorkTime, SaleTime };
    const char* caption;
    int offset;
    int width;
    Kind kind;
  };

  const char* caption;
  image::ImageTable pc;
  int pcListed;
  int pcNameWidth;
  int recordSize;  // of the register's record
  int capacity;    // records the register copy holds
  TableDownload download;
  Upload upload;
  Delete remove;
  Sequence sequence;
  int waitFirstMs;
  int waitMs;
  BatchEnd end;
  int endPauseMs;
  const char* words;  // after N in the batch messages
  std::vector<ByteCopy> toPc;
  DeleteErrors deleteErrors;
  PcClick pcClick;
  int entryNameWidth;
  Tail tail;
  std::vector<Detail> details;

  // Window texts.
  const char* pcHeading;
  const char* registerHeading;
  const char* columnHeadings;  // shown over each list; empty for none
  const char* copyToRegister;
  const char* copyToPc;
  const char* deleteCaption;
  const char* confirmCaption;
  bool confirmHidden;
};

namespace sync_members {
const SyncMember& Cashiers();
const SyncMember& Discounts();
const SyncMember& PaymentForms();
const SyncMember& Currencies();
const SyncMember& GoodsGroups();
const SyncMember& Packaging();
}  // namespace sync_members
