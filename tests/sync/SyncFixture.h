#pragma once

#include <QList>
#include <algorithm>
#include <functional>
#include <memory>

#include "editors/EditorFixture.h"
#include "link/Frame.h"
#include "platform/Bytes.h"
#include "sync/GoodsSync.h"

// Records what a synchronisation shows and lets a test press "Anuluj" at the
// n-th moment the transfer lets events run.
class RecordingProgress : public SyncProgress {
 public:
  explicit RecordingProgress(TRegisterLink& link) : link_(link) {}
  void setBusy(bool b) override { busy.append(b); }
  void showPanel(Panel p, int total) override { panels.append({p, total}); }
  void setCount(int done, int) override { counts.append(done); }
  void setErrors(int e) override { errors = e; }
  void setPrinting(bool p) override {
    if (p) ++printing;
  }
  void hidePanel() override { ++hidden; }
  void processEvents() override {
    if (++pumps == cancelAt) link_.UserAbort = true;
  }

  QList<bool> busy;
  QList<std::pair<Panel, int>> panels;
  QList<int> counts;
  int errors = 0;
  int printing = 0;
  int hidden = 0;
  int pumps = 0;
  int cancelAt = -1;

 private:
  TRegisterLink& link_;
};

class SyncFixture : public EditorFixture {
 protected:
  // A goods record the register holds, never sold.
  quint8* RegisterGoods(int n, const QByteArray& name, qint64 price = 100,
                        const QByteArray& barcode = "0000000000000") {
    namespace L = sim::layouts;
    using F = sim::FieldId;
    quint8* r = model.slot(sim::TableId::Goods, n);
    const sim::Layout& l = L::GoodsRegister();
    sim::SetField(l, r, F::Number, n);
    sim::SetText(l, r, F::Name, name);
    sim::SetField(l, r, F::Ptu, 'A');
    sim::SetField(l, r, F::Price, price);
    sim::SetText(l, r, F::Barcode, barcode, ' ');
    sim::SetField(l, r, F::Group, 1);
    sim::SetField(l, r, F::WholePieces, 1);
    sim::SetField(l, r, F::LastHour, sim::RegisterModel::kNeverSoldHour);
    return r;
  }
  void SetLastSale(int n, const QDate& d) {
    namespace L = sim::layouts;
    using F = sim::FieldId;
    quint8* r = model.slot(sim::TableId::Goods, n);
    const sim::Layout& l = L::GoodsRegister();
    sim::SetField(l, r, F::LastYear, d.year());
    sim::SetField(l, r, F::LastMonth, d.month());
    sim::SetField(l, r, F::LastDay, d.day());
    sim::SetField(l, r, F::LastHour, 12);
    sim::SetField(l, r, F::LastMinute, 30);
  }
  void TickPc(std::initializer_list<int> plus) {
    for (auto& e : sync.pcEntries())
      e.ticked = std::find(plus.begin(), plus.end(), e.plu) != plus.end();
  }
  void TickRegister(std::initializer_list<int> plus) {
    for (auto& e : sync.registerEntries())
      e.ticked = std::find(plus.begin(), plus.end(), e.plu) != plus.end();
  }
  // Record-number fields of the frames of one command the register received.
  QList<quint16> RecordFields(char command) const {
    QList<quint16> out;
    for (const QByteArray& f : ReceivedWithCommand(command))
      out << bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + frame::kRecordAt);
    return out;
  }
  // Status bytes of the PC's acknowledgements (10-byte frames of kind 0x06).
  QList<int> AckStatuses() const {
    QList<int> out;
    for (const QByteArray& f : received)
      if (f.size() == 10 && quint8(f[6]) == frame::kAckKind) out << int(quint8(f[7]));
    return out;
  }

  RecordingProgress progress{link};
  GoodsSync sync{session, &progress};
};
