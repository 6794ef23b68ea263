#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "editors/EditorSession.h"
#include "sync/GoodsSync.h"
#include "sync/SyncMember.h"
#include "sync/SyncProgress.h"

// What the details panel shows: one value per detail of the member (empty
// when blank), and for cashiers the password and the logged-in mark.
struct SyncDetails {
  std::vector<QString> values;
  QString password;
  bool loggedIn = false;
};

// A synchronisation of one of the six small tables, without its widgets: the
// register copy, both lists with their ticks and check-all toggles, and the
// transfers between image and register. The member says what differs.
class TableSync {
 public:
  static constexpr int kAcceptedPauseMs = 50;
  static constexpr int kDeleteWaitFirstMs = 800;
  static constexpr int kDeleteWaitMs = 250;

  TableSync(const EditorSession& session, const SyncMember& member,
            SyncProgress* progress = nullptr);

  const SyncMember& member() const { return m_; }
  void setProgress(SyncProgress* progress) { progress_ = progress; }

  void BuildPcList();
  void BuildRegisterList();
  std::vector<SyncEntry>& pcEntries() { return pc_; }
  std::vector<SyncEntry>& registerEntries() { return register_; }

  const QByteArray& registerCopy() const { return copy_; }
  bool RegisterSlotUsed(int n) const;
  QByteArray RegisterRecord(int n) const;
  // A register record in the PC's layout: the bytes copy to the PC writes.
  QByteArray PcRecordOf(const QByteArray& registerRecord) const;
  QString EntryText(int number, const QByteArray& pcRecord) const;

  // "&Odśwież"; returns the records taken into the copy.
  int Download();
  void CopyToRegister(bool confirm);
  void CopyToPc();
  void DeleteOnRegister(bool confirm);
  // "Zaznacz/odznacz wszystko ": ticks or clears the whole list, alternately.
  void CheckAllPc() { CheckAll(pc_, pcToggle_); }
  void CheckAllRegister() { CheckAll(register_, registerToggle_); }

  SyncDetails Blank() const;
  SyncDetails RegisterDetails(int n) const;
  SyncDetails PcDetails(int n);

 private:
  static int Ticked(const std::vector<SyncEntry>& list);
  static void CheckAll(std::vector<SyncEntry>& list, bool& toggle);
  QString Value(const SyncMember::Detail& d, const quint8* record) const;
  void Show(const QString& text);
  void Busy(bool busy);
  QString Programmed(int n) const;

  EditorSession s_;
  const SyncMember& m_;
  SyncProgress* progress_;
  QByteArray copy_;
  std::vector<SyncEntry> pc_;
  std::vector<SyncEntry> register_;
  bool pcToggle_ = true;
  bool registerToggle_ = true;
};
