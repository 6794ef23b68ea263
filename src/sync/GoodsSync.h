#pragma once

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QString>
#include <vector>

#include "editors/EditorSession.h"
#include "sync/RegisterGoodsRecord.h"
#include "sync/SyncProgress.h"

// One entry of either list: its PLU, its text and its tick.
struct SyncEntry {
  int plu = 0;
  QString text;
  bool ticked = false;
};

// The goods synchronisation without its widgets: the register copy, the two
// lists with their ticks, and every transfer between the image and the register.
class GoodsSync {
 public:
  static constexpr int kSendPauseMs = 1000;
  static constexpr int kSendWaitFirstMs = 1500;
  static constexpr int kSendWaitMs = 450;
  static constexpr int kAcceptedPauseMs = 50;
  static constexpr int kDeleteWaitFirstMs = 650;
  static constexpr int kDeleteWaitMs = 250;
  static constexpr int kVerifyWaitFirstMs = 1000;
  static constexpr int kVerifyWaitMs = 450;
  static constexpr int kDefaultUnsoldDays = 30;

  static constexpr const char* kErrorReportHead = "Niezaprogramowane towary:";
  static constexpr const char* kBadRange = "Błędnie wypełnione pola!";
  static constexpr const char* kVerifyDiffers =
      "Wykryto nieprawidłowości, zaprogramowano błędne towary, wykonaj weryfikację ponownie w "
      "celu potwierdzenia poprawności danych.";

  explicit GoodsSync(const EditorSession& session, SyncProgress* progress = nullptr);

  void setProgress(SyncProgress* progress) { progress_ = progress; }

  // Lists, rebuilt from the image and from the register copy (all unticked).
  void BuildPcList();
  void BuildRegisterList();
  std::vector<SyncEntry>& pcEntries() { return pc_; }
  std::vector<SyncEntry>& registerEntries() { return register_; }
  bool downloaded() const { return downloaded_; }

  // The register copy: record n (1..2000) at (n - 1) * 81.
  const QByteArray& registerCopy() const { return copy_; }
  bool IsRegisterRecordUsed(int n) const;
  RegisterGoodsRecord RegisterRecord(int n) const;

  static QString PcEntryText(int plu, const QString& name, qint32 price, char ptu);
  static QString RegisterEntryText(int plu, const QString& name, qint32 price, char ptu);
  // Colour of an occupancy bar for n entries: green through yellow to red.
  static QColor OccupancyColour(int n);
  static QString CountText(int n) { return QString::number(n) + QStringLiteral("/2000"); }

  // "Odśwież": the register's goods into the register copy; returns the records taken.
  int Download();
  // The ticked PC entries to the register as one numbered batch.
  void CopyToRegister(bool confirm);
  // The ticked register entries into the image.
  void CopyToPc();
  void DeleteOnPc();
  void DeleteOnRegister(bool confirm);
  // "Zaznacz nieużywane towary": ticks the register entries unsold for more than days.
  void TickUnsold(const QString& daysText, const QDate& today);
  // "Zaznacz wg numerów"; false after the message for bad fields.
  bool TickByNumbers(const QString& fromText, const QString& toText);
  static void TickAll(std::vector<SyncEntry>& list, bool tick);
  // "Weryfikuj kody kreskowe"; returns the records re-sent.
  int VerifyBarcodes();

  // Lines of the goods print, in PLU order or sorted by name.
  std::vector<QString> PrintLines(bool byName);

 private:
  static int Ticked(const std::vector<SyncEntry>& list);
  // The image is there to send from and to write into; says so when not.
  bool BaseReady();
  void Show(const QString& text);
  void Busy(bool busy);
  void Pump();
  void RefreshFromImage(int n);

  EditorSession s_;
  SyncProgress* progress_;
  QByteArray copy_;
  std::vector<SyncEntry> pc_;
  std::vector<SyncEntry> register_;
  bool downloaded_ = false;
};
