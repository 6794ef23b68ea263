#include <QList>
#include <algorithm>

#include "editors/CashierEditor.h"
#include "editors/CurrencyEditor.h"
#include "editors/DiscountEditor.h"
#include "editors/GoodsGroupEditor.h"
#include "editors/PackagingEditor.h"
#include "editors/PaymentFormEditor.h"
#include "sim/RecordLayout.h"
#include "sync/SyncFixture.h"
#include "sync/TableSync.h"

// The six table synchronisations against the simulated register, in process,
// each behaviour run over every member.
namespace {

using F = sim::FieldId;

// One member with what the test needs to know about it.
struct Member {
  const char* title;
  const SyncMember& (*member)();
  sim::TableId table;
  const sim::Layout& (*layout)();
  char upload;
  char remove;
  // Stores PC record n through the member's own editor.
  void (*putPc)(const EditorSession&, int n, const QString& name);
  int detail;              // index of a count or amount detail
  F detailField;           // the register field behind it
  const char* detailText;  // what 1234 in that field shows
};

template <class E>
void Store(const EditorSession& s, RecordForm f) {
  E e{s};
  ASSERT_EQ(e.Add(f).status, RecordEditor::AddResult::Status::Stored);
}

RecordForm NamedForm(int n, const QString& name) {
  RecordForm f;
  f.number = QString::number(n);
  f.name = name;
  return f;
}

const Member kMembers[] = {
    {"cashiers", &sync_members::Cashiers, sim::TableId::Cashiers, &sim::layouts::CashierRegister,
     'K', '2',
     [](const EditorSession& s, int n, const QString& name) {
       Store<CashierEditor>(s, NamedForm(n, name));
     },
     1, F::TotalTakings, "12,34"},
    {"discounts", &sync_members::Discounts, sim::TableId::Discounts,
     &sim::layouts::DiscountRegister, 'R', '1',
     [](const EditorSession& s, int n, const QString& name) {
       RecordForm f = NamedForm(n, name);
       f.value = QStringLiteral("5");
       Store<DiscountEditor>(s, f);
     },
     1, F::Uses, "1234"},
    {"payment forms", &sync_members::PaymentForms, sim::TableId::PaymentForms,
     &sim::layouts::PaymentRegister, 'F', '3',
     [](const EditorSession& s, int n, const QString& name) {
       Store<PaymentFormEditor>(s, NamedForm(n, name));
     },
     1, F::Uses, "1234"},
    {"currencies", &sync_members::Currencies, sim::TableId::Currencies,
     &sim::layouts::CurrencyRegister, 'W', '4',
     [](const EditorSession& s, int n, const QString& name) {
       RecordForm f = NamedForm(n, name);
       f.value = QStringLiteral("4,1567");
       f.symbol = QStringLiteral("S%1X").arg(n);
       Store<CurrencyEditor>(s, f);
     },
     1, F::Uses, "1234"},
    {"goods groups", &sync_members::GoodsGroups, sim::TableId::Groups, &sim::layouts::GroupRegister,
     'G', '6',
     [](const EditorSession& s, int n, const QString& name) {
       Store<GoodsGroupEditor>(s, NamedForm(n, name));
     },
     0, F::Takings, "12,34"},
    {"packaging", &sync_members::Packaging, sim::TableId::Packaging,
     &sim::layouts::PackagingRegister, 'Z', '5',
     [](const EditorSession& s, int n, const QString& name) {
       RecordForm f = NamedForm(n, name);
       f.value = QStringLiteral("0,50");
       Store<PackagingEditor>(s, f);
     },
     3, F::TakenCount, "1234"},
};

class TableSyncTest : public SyncFixture {
 protected:
  void PutRegister(const Member& m, int n, const QByteArray& name) {
    quint8* r = model.slot(m.table, n);
    ASSERT_NE(r, nullptr);
    std::memset(r, 0, size_t(m.layout().size()));
    sim::SetField(m.layout(), r, F::Number, n);
    sim::SetText(m.layout(), r, F::Name, name);
    if (m.table == sim::TableId::Packaging) sim::SetField(m.layout(), r, F::LastHour, 24);
  }
  static void Tick(std::vector<SyncEntry>& list, std::initializer_list<int> numbers) {
    for (auto& e : list)
      e.ticked = std::find(numbers.begin(), numbers.end(), e.plu) != numbers.end();
  }
  QList<int> SleepsOf(std::initializer_list<int> values) const {
    QList<int> out;
    for (int s : clock.sleeps())
      if (std::find(values.begin(), values.end(), s) != values.end()) out << s;
    return out;
  }
  void Reset() {
    received.clear();
    prompts.clear();
    modifiedMarks = 0;
  }
};

TEST_F(TableSyncTest, UploadBatchNumbersItsFramesAndPacesTheWaits) {
  // PC entries 2, 3 and 5 (cashiers and groups also hold 1); 2 and 5 ticked.
  struct Expect {
    QList<quint16> fields;
  };
  const Expect expect[] = {
      {{1, 0x8002}},  // cashiers: S counts the frames
      {{1, 0x8002}},  // discounts
      {{1, 0x8003}},  // payment forms: S is the entry's position
      {{1, 0x8003}},  // currencies
      {{2, 0x8004}},  // goods groups: group 1 is the first entry
      {{1, 0x8003}},  // packaging
  };
  for (size_t i = 0; i < std::size(kMembers); ++i) {
    const Member& m = kMembers[i];
    SCOPED_TRACE(m.title);
    for (int n : {2, 3, 5}) m.putPc(session, n, QStringLiteral("Rekord %1").arg(n));
    Reset();
    TableSync ts{session, m.member(), &progress};
    ts.BuildPcList();
    Tick(ts.pcEntries(), {2, 5});
    engine.faults().notReadyFrames = 2;
    const int sleepsBefore = int(clock.sleeps().size());
    ts.CopyToRegister(false);
    QList<quint16> fields;
    for (const QByteArray& f : ReceivedWithCommand(m.upload))
      if (f.size() != 11)
        fields << bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + 4);
    EXPECT_EQ(fields, expect[i].fields);
    const SyncMember& sm = m.member();
    const QList<int> sleeps = clock.sleeps().mid(sleepsBefore);
    QList<int> waits;
    for (int s : sleeps)
      if (s == sm.waitFirstMs || s == sm.waitMs) waits << s;
    const bool firstIsOne = (expect[i].fields[0] & 0xFF) == 1;
    EXPECT_EQ(waits, (QList<int>{firstIsOne ? sm.waitFirstMs : sm.waitMs, sm.waitMs}));
    EXPECT_TRUE(sleeps.contains(sm.endPauseMs));
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral(" Zaprogramowano 2") + QString::fromUtf8(sm.words)});
    // The batch ends with a download: the register list shows what was stored.
    ASSERT_EQ(ts.registerEntries().size(),
              size_t(m.table == sim::TableId::Groups || m.table == sim::TableId::Cashiers ? 3 : 2));
    EXPECT_NE(model.record(m.table, 5), nullptr);
  }
}

TEST_F(TableSyncTest, ARefusedRecordIsNotCountedAndTheBatchGoesOn) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    for (int n : {2, 3, 4}) m.putPc(session, n, QStringLiteral("Pozycja %1").arg(n));
    Reset();
    TableSync ts{session, m.member(), &progress};
    ts.BuildPcList();
    Tick(ts.pcEntries(), {2, 3, 4});
    engine.faults().error.arm(2, 7);
    ts.CopyToRegister(false);
    int sent = 0;
    for (const QByteArray& f : ReceivedWithCommand(m.upload)) sent += f.size() != 11;
    EXPECT_EQ(sent, 3);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral(" Zaprogramowano 2") +
                                              QString::fromUtf8(m.member().words)});
    EXPECT_EQ(model.record(m.table, 3), nullptr);
  }
}

TEST_F(TableSyncTest, AnUnconfirmedAnswerStopsTheBatchWithTheCount) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    for (int n : {2, 3}) m.putPc(session, n, QStringLiteral("Cisza %1").arg(n));
    Reset();
    TableSync ts{session, m.member(), &progress};
    ts.BuildPcList();
    Tick(ts.pcEntries(), {2, 3});
    engine.faults().silence.arm(2);
    ts.CopyToRegister(false);
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("Wystąpił błąd transmisji. Zaprogramowano 1") +
                          QString::fromUtf8(m.member().words)});
    EXPECT_EQ(progress.busy.last(), false);
  }
}

TEST_F(TableSyncTest, DeleteBatchNumbersFramesPacesWaitsAndEmptiesTheList) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    PutRegister(m, 2, "Drugi");
    PutRegister(m, 5, "Piaty");
    PutRegister(m, 6, "Szosty");
    Reset();
    TableSync ts{session, m.member(), &progress};
    ASSERT_EQ(ts.Download(),
              m.table == sim::TableId::Cashiers || m.table == sim::TableId::Groups ? 4 : 3);
    Tick(ts.registerEntries(), {2, 5});
    engine.faults().notReadyFrames = 2;
    const int sleepsBefore = int(clock.sleeps().size());
    received.clear();
    ts.DeleteOnRegister(false);
    QList<quint16> fields;
    for (const QByteArray& f : ReceivedWithCommand(m.remove))
      fields << bytes::getU16(reinterpret_cast<const quint8*>(f.constData()) + 4);
    EXPECT_EQ(fields, (QList<quint16>{1, 0x8002}));
    QList<int> waits;
    for (int s : clock.sleeps().mid(sleepsBefore))
      if (s == TableSync::kDeleteWaitFirstMs || s == TableSync::kDeleteWaitMs) waits << s;
    if (m.table != sim::TableId::Packaging) {  // packaging waits inside ReadReportReply
      EXPECT_EQ(waits, (QList<int>{800, 250}));
    }
    EXPECT_EQ(model.record(m.table, 2), nullptr);
    EXPECT_EQ(model.record(m.table, 5), nullptr);
    EXPECT_FALSE(ts.RegisterSlotUsed(2));
    EXPECT_FALSE(ts.RegisterSlotUsed(5));
    EXPECT_TRUE(ts.RegisterSlotUsed(6));
    EXPECT_TRUE(prompts.messages().isEmpty());
  }
}

TEST_F(TableSyncTest, CopyToThePcWritesExactlyOneSlotAndMarksTheBase) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    PutRegister(m, 3, "Z kasy");
    Reset();
    TableSync ts{session, m.member(), &progress};
    ts.Download();
    Tick(ts.registerEntries(), {3});
    const QByteArray before = image.Bytes();
    ts.CopyToPc();
    const auto& pc = m.member().pc;
    const QByteArray slot = image.ReadBytes(pc.recordOffset(3), pc.recordSize);
    EXPECT_EQ(slot, ts.PcRecordOf(ts.RegisterRecord(3)));
    EXPECT_EQ(quint8(slot[0]), 3);
    EXPECT_EQ(slot.mid(1, 6), QByteArray("Z kasy"));
    QByteArray after = image.Bytes();
    after.replace(pc.recordOffset(3), pc.recordSize, before.mid(pc.recordOffset(3), pc.recordSize));
    EXPECT_TRUE(after == before);
    EXPECT_EQ(modifiedMarks, 1);
    EXPECT_TRUE(received.isEmpty() ||
                ReceivedWithCommand(m.upload).size() <= 1);  // the request only
  }
}

TEST_F(TableSyncTest, CheckAllAlternatesPerList) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    m.putPc(session, 4, QStringLiteral("Cztery"));
    PutRegister(m, 4, "Cztery");
    TableSync ts{session, m.member(), &progress};
    ts.BuildPcList();
    ts.Download();
    auto all = [](const std::vector<SyncEntry>& l, bool t) {
      return std::all_of(l.begin(), l.end(), [t](const SyncEntry& e) { return e.ticked == t; });
    };
    ts.CheckAllPc();
    EXPECT_TRUE(all(ts.pcEntries(), true));
    EXPECT_TRUE(all(ts.registerEntries(), false));
    ts.CheckAllRegister();
    EXPECT_TRUE(all(ts.registerEntries(), true));
    ts.CheckAllPc();
    EXPECT_TRUE(all(ts.pcEntries(), false));
    ts.CheckAllPc();
    EXPECT_TRUE(all(ts.pcEntries(), true));
  }
}

TEST_F(TableSyncTest, DetailsOfTheSelectedRegisterRecord) {
  for (const Member& m : kMembers) {
    SCOPED_TRACE(m.title);
    PutRegister(m, 1, "Jeden");
    PutRegister(m, 2, "Dwa");
    sim::SetField(m.layout(), model.slot(m.table, 2), m.detailField, 1234);
    TableSync ts{session, m.member(), &progress};
    ts.Download();
    EXPECT_EQ(ts.RegisterDetails(2).values[size_t(m.detail)], QString::fromLatin1(m.detailText));
    EXPECT_NE(ts.RegisterDetails(1).values[size_t(m.detail)], QString::fromLatin1(m.detailText));
    EXPECT_TRUE(ts.Blank().values[size_t(m.detail)].isEmpty());
  }
}

TEST_F(TableSyncTest, ListEntriesCarryTheMembersColumns) {
  Store<DiscountEditor>(session, [] {
    RecordForm f = NamedForm(3, QStringLiteral("Stały"));
    f.value = QStringLiteral("12,5");
    f.kind = 1;
    return f;
  }());
  TableSync discounts{session, sync_members::Discounts()};
  discounts.BuildPcList();
  EXPECT_EQ(discounts.pcEntries()[0].text,
            QStringLiteral("3.  Stały                [N]     12,50 %"));

  const Member& cur = kMembers[3];
  quint8* r = model.slot(cur.table, 2);
  PutRegister(cur, 2, "Euro");
  sim::SetField(cur.layout(), r, F::RateMantissa, 38275);
  sim::SetField(cur.layout(), r, F::RateDecimals, 4);
  sim::SetText(cur.layout(), r, F::Symbol, "EU", ' ');
  TableSync currencies{session, sync_members::Currencies()};
  currencies.Download();
  EXPECT_EQ(currencies.registerEntries()[0].text,
            QStringLiteral("2.  Euro                  3,8275 EU "));

  const Member& pack = kMembers[5];
  PutRegister(pack, 7, "Butelka");
  sim::SetField(pack.layout(), model.slot(pack.table, 7), F::Price, 50);
  TableSync packaging{session, sync_members::Packaging()};
  packaging.Download();
  EXPECT_EQ(packaging.registerEntries()[0].text, QStringLiteral("7.  ") +
                                                     QStringLiteral("Butelka").leftJustified(22) +
                                                     QStringLiteral("       0,50 ruchoma"));
  EXPECT_EQ(packaging.RegisterDetails(7).values[2], QStringLiteral("Brak"));
  quint8* p = model.slot(pack.table, 7);
  sim::SetField(pack.layout(), p, F::LastYear, 2014);
  sim::SetField(pack.layout(), p, F::LastMonth, 3);
  sim::SetField(pack.layout(), p, F::LastDay, 7);
  sim::SetField(pack.layout(), p, F::LastHour, 12);
  sim::SetField(pack.layout(), p, F::LastMinute, 5);
  packaging.Download();
  EXPECT_EQ(packaging.RegisterDetails(7).values[2], QStringLiteral("12:05 7-3-2014"));
}

TEST_F(TableSyncTest, CashierDetailsShowFiguresRightsTimesAndTheLoggedInMark) {
  const Member& m = kMembers[0];
  PutRegister(m, 2, "Anna");
  quint8* r = model.slot(m.table, 2);
  const sim::Layout& l = m.layout();
  sim::SetField(l, r, F::Receipts, 17);
  sim::SetField(l, r, F::Right4, 1);
  sim::SetText(l, r, F::Password, "42");
  for (auto [f, v] : {std::pair{F::LoginYear, 2014},
                      {F::LoginMonth, 3},
                      {F::LoginDay, 7},
                      {F::LoginHour, 9},
                      {F::LoginMinute, 5},
                      {F::WorkHours, 120},
                      {F::WorkMinutes, 7},
                      {F::LoggedIn, 1}})
    sim::SetField(l, r, f, v);
  TableSync ts{session, m.member()};
  ts.Download();
  const SyncDetails d = ts.RegisterDetails(2);
  EXPECT_EQ(d.values[2], QStringLiteral("17"));
  EXPECT_EQ(d.values[11], QStringLiteral("NIE"));
  EXPECT_EQ(d.values[14], QStringLiteral("TAK"));
  EXPECT_EQ(d.values[18], QStringLiteral("2014-3-7  09:05"));
  EXPECT_EQ(d.values[20], QStringLiteral("120 godzin 7 minut"));
  EXPECT_EQ(d.password, QStringLiteral("42"));
  EXPECT_TRUE(d.loggedIn);
  // A PC record shows its own password and rights, and no figures.
  const SyncDetails pc = ts.PcDetails(1);
  EXPECT_EQ(pc.values[11], QStringLiteral("TAK"));  // a new base's manager has every right
  EXPECT_TRUE(pc.values[2].isEmpty());
  EXPECT_FALSE(pc.loggedIn);
}

TEST_F(TableSyncTest, RecordsOutsideTheCopyAreAcknowledgedAndIgnored) {
  const Member& m = kMembers[2];  // payment forms: a copy of 10
  PutRegister(m, 3, "Karta");
  PutRegister(m, 4, "Czek");
  model.slot(m.table, 4)[0] = 15;  // the register numbers it beyond the copy
  TableSync ts{session, m.member()};
  EXPECT_EQ(ts.Download(), 1);
  ASSERT_EQ(ts.registerEntries().size(), 1u);
  EXPECT_EQ(ts.registerEntries()[0].plu, 3);
}

TEST_F(TableSyncTest, AFailedFirstFrameLeavesTheRegisterListEmpty) {
  const Member& m = kMembers[0];
  PutRegister(m, 2, "Anna");
  TableSync ts{session, m.member()};
  ts.Download();
  ASSERT_FALSE(ts.registerEntries().empty());
  engine.faults().badChecksum.arm(1);
  ts.Download();
  EXPECT_TRUE(ts.registerEntries().empty());
}

}  // namespace

namespace {

TEST_F(TableSyncTest, DeleteFramesCarryWhatTheirFieldsHold) {
  // The cashier delete has room for 16 name bytes; the group delete has no
  // confirmation byte.
  PutRegister(kMembers[0], 2, "Aleksandra Kowalewska");
  PutRegister(kMembers[4], 3, "Napoje gazowane");
  TableSync cashiers{session, sync_members::Cashiers()};
  TableSync groups{session, sync_members::GoodsGroups()};
  cashiers.Download();
  groups.Download();
  Tick(cashiers.registerEntries(), {2});
  Tick(groups.registerEntries(), {3});
  received.clear();
  cashiers.DeleteOnRegister(false);
  groups.DeleteOnRegister(true);
  const auto k = ReceivedWithCommand('2');
  ASSERT_EQ(k.size(), 1);
  EXPECT_EQ(k[0].size(), 26);
  EXPECT_EQ(k[0].mid(8, 16), QByteArray("Aleksandra Kowal"));
  const auto g = ReceivedWithCommand('6');
  ASSERT_EQ(g.size(), 1);
  EXPECT_EQ(g[0].size(), 31);
  EXPECT_EQ(g[0].mid(8, 21), QByteArray("Napoje gazowane").leftJustified(21, '\0'));
  EXPECT_EQ(model.record(sim::TableId::Cashiers, 2), nullptr);
  EXPECT_EQ(model.record(sim::TableId::Groups, 3), nullptr);
}

}  // namespace
