#include "sim/ReportPrinter.h"

#include <QStringList>

#include "platform/Cp1250.h"

namespace sim::print {

using enum FieldId;

namespace {

constexpr int kPaperWidth = 42;

QString Rule() {
  return QString(kPaperWidth, QLatin1Char('-'));
}

QString Text(const Layout& l, const quint8* r, FieldId f) {
  return cp1250::decode(GetText(l, r, f));
}

// Left text and right-aligned value on one 42-column line.
QString Line(const QString& left, const QString& right = {}) {
  const int gap = qMax(1, kPaperWidth - int(left.size()) - int(right.size()));
  return left + QString(gap, QLatin1Char(' ')) + right;
}

QString Title(const QString& title, const RegisterModel& m) {
  QStringList out;
  for (int i = 0; i < 6; ++i) {
    QByteArray line = m.header.mid(42 * i, 42);
    line.replace('\x01', "");
    const int end = int(line.indexOf('\0'));
    if (end >= 0) line.truncate(end);
    if (!line.isEmpty()) out << cp1250::decode(line);
  }
  out << Rule() << m.now().toString(QStringLiteral("yyyy-MM-dd hh:mm")) << title.toUpper()
      << Rule();
  return out.join(QLatin1Char('\n'));
}

QString Finish(QStringList& lines, bool zeroing) {
  lines << Rule();
  if (zeroing) lines << QStringLiteral("RAPORT ZERUJĄCY - totalizery wyzerowane");
  lines << QStringLiteral("*** NIEFISKALNY ***") << QString();
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool InRange(const Layout& gl, const quint8* g, int n, Range r) {
  return n >= r.first && n <= r.last && (r.group == 0 || GetField(gl, g, Group) == r.group);
}

}  // namespace

QString Amount(qint64 v) {
  const bool negative = v < 0;
  QString s = QString::number(negative ? -v : v).rightJustified(3, QLatin1Char('0'));
  s.insert(s.size() - 2, QLatin1Char(','));
  return negative ? QLatin1Char('-') + s : s;
}

QString Quantity(qint64 v) {
  QString s = QString::number(v).rightJustified(5, QLatin1Char('0'));
  s.insert(s.size() - 4, QLatin1Char(','));
  return s;
}

QString Sales(const RegisterModel& m, Range r, bool zeroRecords, bool zeroing) {
  const Layout& gl = layouts::GoodsRegister();
  QStringList lines{Title(QStringLiteral("Raport sprzedaży"), m)};
  qint64 total = 0;
  for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n) {
    const quint8* g = m.record(TableId::Goods, n);
    if (!g || !InRange(gl, g, n, r)) continue;
    const qint64 qty = GetField(gl, g, SoldQuantity);
    const qint64 value = GetField(gl, g, SoldValue);
    if (!zeroRecords && qty == 0 && value == 0) continue;
    lines << QStringLiteral("%1 %2").arg(n).arg(Text(gl, g, Name))
          << Line(QStringLiteral("  %1 x").arg(Quantity(qty)), Amount(value));
    total += value;
  }
  lines << Rule() << Line(QStringLiteral("RAZEM"), Amount(total));
  return Finish(lines, zeroing);
}

QString GoodsBase(const RegisterModel& m, Range r, bool zeroRecords, bool withPtu) {
  const Layout& gl = layouts::GoodsRegister();
  QStringList lines{Title(
      withPtu ? QStringLiteral("Raport bazy z PTU") : QStringLiteral("Pełny raport bazy PLU"), m)};
  for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n) {
    const quint8* g = m.record(TableId::Goods, n);
    if (!g || !InRange(gl, g, n, r)) continue;
    if (!zeroRecords && GetField(gl, g, SoldQuantity) == 0) continue;
    QString right = Amount(GetField(gl, g, Price));
    if (withPtu) right += QLatin1Char(' ') + QChar(char(GetField(gl, g, Ptu)));
    lines << Line(QStringLiteral("%1 %2").arg(n).arg(Text(gl, g, Name)), right);
    if (!withPtu)
      lines << QStringLiteral("  kod %1 gr %2 op %3")
                   .arg(Text(gl, g, Barcode).trimmed())
                   .arg(GetField(gl, g, Group))
                   .arg(GetField(gl, g, Tandem));
  }
  return Finish(lines, false);
}

QString InactiveGoods(const RegisterModel& m) {
  const Layout& gl = layouts::GoodsRegister();
  QStringList lines{Title(QStringLiteral("Raport towarów nieaktywnych"), m)};
  for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n) {
    const quint8* g = m.record(TableId::Goods, n);
    if (g && GetField(gl, g, LastHour) == RegisterModel::kNeverSoldHour)
      lines << QStringLiteral("%1 %2").arg(n).arg(Text(gl, g, Name));
  }
  return Finish(lines, false);
}

QString Cashier(const RegisterModel& m, int n, bool zeroing, bool full) {
  const Layout& cl = layouts::CashierRegister();
  QStringList lines{Title(QStringLiteral("Raport kasjera"), m)};
  const quint8* c = m.record(TableId::Cashiers, n);
  lines << Line(QStringLiteral("Kasjer %1").arg(n), c ? Text(cl, c, Name) : QString());
  if (c) {
    lines << Line(QStringLiteral("Utarg gotówkowy"), Amount(GetField(cl, c, CashTakings)))
          << Line(QStringLiteral("Utarg całkowity"), Amount(GetField(cl, c, TotalTakings)))
          << Line(QStringLiteral("Paragony"), QString::number(GetField(cl, c, Receipts)));
    if (full)
      lines << Line(QStringLiteral("Anulowane"),
                    QString::number(GetField(cl, c, CancelledReceipts)))
            << Line(QStringLiteral("Storno"), Amount(GetField(cl, c, StornoAmount)))
            << Line(QStringLiteral("Wpłaty"), Amount(GetField(cl, c, PaidIn)))
            << Line(QStringLiteral("Wypłaty"), Amount(GetField(cl, c, PaidOut)));
  }
  return Finish(lines, zeroing);
}

QString Shift(const RegisterModel& m, bool zeroRecords, bool zeroing) {
  const Layout& cl = layouts::CashierRegister();
  QStringList lines{Title(QStringLiteral("Raport zmianowy sprzedaży"), m)};
  for (int n = 1; n <= TableOf(TableId::Cashiers).capacity; ++n) {
    const quint8* c = m.record(TableId::Cashiers, n);
    if (!c) continue;
    const qint64 total = GetField(cl, c, TotalTakings);
    if (!zeroRecords && total == 0) continue;
    lines << Line(QStringLiteral("%1 %2").arg(n).arg(Text(cl, c, Name)), Amount(total));
  }
  return Finish(lines, zeroing);
}

QString TableTurnover(const RegisterModel& m, TableId table, bool zeroRecords, bool zeroing) {
  const TableInfo& s = TableOf(table);
  const Layout& l = s.record();
  static const QHash<int, QString> titles{
      {int(TableId::Discounts), QStringLiteral("Raport rabatów")},
      {int(TableId::Packaging), QStringLiteral("Raport opakowań")},
      {int(TableId::PaymentForms), QStringLiteral("Raport form płatności")},
      {int(TableId::Groups), QStringLiteral("Raport grup towarowych")}};
  QStringList lines{Title(titles.value(int(table)), m)};
  const FieldId amount = table == TableId::Groups      ? Takings
                         : table == TableId::Packaging ? TakenValue
                                                       : Turnover;
  for (int n = 1; n <= s.capacity; ++n) {
    const quint8* r = m.record(table, n);
    if (!r) continue;
    const qint64 v = GetField(l, r, amount);
    if (!zeroRecords && v == 0) continue;
    lines << Line(QStringLiteral("%1 %2").arg(n).arg(Text(l, r, Name)), Amount(v));
  }
  return Finish(lines, zeroing);
}

QString FixedTexts(const RegisterModel& m) {
  QStringList lines{Title(QStringLiteral("Raport napisów stałych"), m)};
  lines << QStringLiteral("STOPKA:");
  for (int i = 0; i < 3; ++i) {
    QByteArray line = m.footer.mid(42 * i, 42);
    const int end = int(line.indexOf('\0'));
    if (end >= 0) line.truncate(end);
    if (!line.isEmpty()) lines << cp1250::decode(line);
  }
  return Finish(lines, false);
}

QString PtuRates(const RegisterModel& m) {
  QStringList lines{Title(QStringLiteral("Raport stawek PTU"), m)};
  for (int i = 0; i < RegisterModel::kPtuRates; ++i) {
    const char letter = char('A' + i);
    const quint16 rate = m.ptuRate(letter);
    const QString v = rate == RegisterModel::kRateInactive ? QStringLiteral("nieaktywna")
                      : rate == RegisterModel::kRateExempt ? QStringLiteral("zwolniona")
                                                           : Amount(rate) + QLatin1Char('%');
    lines << Line(QStringLiteral("PTU %1").arg(QChar(letter)), v);
  }
  lines << Line(QStringLiteral("Zmian stawek"), QString::number(m.ptuChanges));
  return Finish(lines, false);
}

QString RegisterState(const RegisterModel& m) {
  QStringList lines{Title(QStringLiteral("Raport stanu kasy"), m)};
  lines << Line(QStringLiteral("NIP"), QString::fromLatin1(m.nip))
        << Line(QStringLiteral("Numer unikatowy"), QString::fromLatin1(m.uniqueNumber))
        << Line(QStringLiteral("Waluta ewidencyjna"), QString::fromLatin1(m.baseCurrency))
        << Line(QStringLiteral("Towary"), QString::number(m.count(TableId::Goods)))
        << Line(QStringLiteral("Kasjerzy"), QString::number(m.count(TableId::Cashiers)))
        << Line(QStringLiteral("Paragony od raportu dob."), QString::number(m.receiptsSinceDaily));
  return Finish(lines, false);
}

QString QuickKeys(const RegisterModel& m) {
  QStringList lines{Title(QStringLiteral("Raport klawiszy szybkich"), m)};
  for (int c = 0; c < RegisterModel::kCashiersWithKeys; ++c)
    for (int k = 0; k < RegisterModel::kKeys; ++k) {
      const char* r =
          m.quickKeys.constData() + (c * RegisterModel::kKeys + k) * RegisterModel::kQuickKeyBody;
      const int entries = quint8(r[0]);
      if (entries == 0) continue;
      QStringList plus;
      for (int e = 0; e < entries && e < 5; ++e) {
        const auto* p = reinterpret_cast<const quint8*>(r + 1 + 6 * e);
        plus << QString::number(p[0] | (p[1] << 8));
      }
      lines << QStringLiteral("Kasjer %1 F%2: %3")
                   .arg(c + 1)
                   .arg(k + 1)
                   .arg(plus.join(QLatin1Char(',')));
    }
  return Finish(lines, false);
}

QString Periodic(const RegisterModel& m, const QString& range, bool full) {
  QStringList lines{Title(
      full ? QStringLiteral("Raport okresowy pełny") : QStringLiteral("Raport okresowy skrócony"),
      m)};
  lines << range
        << Line(QStringLiteral("Raporty dobowe do"), QString::number(m.lastDailyReportNumber));
  return Finish(lines, false);
}

QString GroupTurnover(const RegisterModel& m, int fromKey, int toKey, bool full, bool zeroRecords) {
  QStringList lines{Title(QStringLiteral("Raport obrotu grup towarowych"), m)};
  for (auto it = m.groupTurnover.constBegin(); it != m.groupTurnover.constEnd(); ++it) {
    if (it.key() < fromKey || it.key() > toKey) continue;
    lines << QStringLiteral("Miesiąc %1-%2").arg(it.key() % 12 + 1).arg(it.key() / 12);
    qint64 total = 0;
    for (int g = 0; g < RegisterModel::kGroups; ++g) {
      total += it.value()[size_t(g)];
      if (!full || (!zeroRecords && it.value()[size_t(g)] == 0)) continue;
      lines << Line(QStringLiteral("  grupa %1").arg(g + 1), Amount(it.value()[size_t(g)]));
    }
    lines << Line(QStringLiteral("  razem"), Amount(total));
  }
  return Finish(lines, false);
}

QString Confirmation(const QString& what) {
  return QStringLiteral("ODEBRANO Z PC: %1\n").arg(what);
}

}  // namespace sim::print
