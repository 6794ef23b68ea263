#include "sim/ControlConsole.h"

#include <QStringList>
#include <cmath>

#include "platform/Cp1250.h"
#include "sim/ReportPrinter.h"

namespace sim {

namespace {
bool Is(const QString& word, const char* pl, const char* en) {
  return word == QLatin1String(pl) || word == QLatin1String(en);
}
}  // namespace

QString ControlConsole::helpText() {
  return QStringLiteral(
      "Polecenia:\n"
      "  pomoc | help                        ten tekst\n"
      "  sprzedaj | sell PLU ILOŚĆ [KASJER]  sprzedaż towaru (ilość np. 2 albo 0,5; kasjer 1)\n"
      "  papier | paper                      wyjmuje albo wkłada papier\n"
      "  stan | state                        stan kasy\n"
      "  blad | error KOD                    następne polecenie dostaje błąd KOD\n"
      "  crc                                 zła suma kontrolna następnej odpowiedzi\n"
      "  krotka | short                      następna odpowiedź ucięta\n"
      "  cisza | silent                      brak odpowiedzi na następne polecenie\n"
      "  niegotowa | notready [N]            N następnych poleceń: kasa niegotowa\n"
      "  koniec | quit                       kończy pracę kasy\n");
}

QString ControlConsole::execute(const QString& line, qint64 nowUs) {
  const QStringList w = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (w.isEmpty()) return {};
  const QString cmd = w[0].toLower();
  engine_.advance(nowUs);  // what the PC sent before this line comes first
  Faults& f = engine_.faults();
  if (Is(cmd, "pomoc", "help")) return helpText();
  if (Is(cmd, "stan", "state")) return state();
  if (Is(cmd, "koniec", "quit")) {
    quit_ = true;
    return QStringLiteral("Koniec pracy kasy.");
  }
  if (Is(cmd, "papier", "paper")) {
    engine_.setPaperOut(!f.paperOut, nowUs);
    return f.paperOut ? QStringLiteral("Brak papieru.") : QStringLiteral("Papier włożony.");
  }
  if (cmd == QLatin1String("crc")) {
    f.badChecksum.arm();
    return QStringLiteral("Następna odpowiedź ze złą sumą kontrolną.");
  }
  if (Is(cmd, "krotka", "short")) {
    f.shortAnswer.arm();
    return QStringLiteral("Następna odpowiedź ucięta.");
  }
  if (Is(cmd, "cisza", "silent")) {
    f.silence.arm();
    return QStringLiteral("Następne polecenie bez odpowiedzi.");
  }
  if (Is(cmd, "niegotowa", "notready")) {
    const int n = w.size() > 1 ? w[1].toInt() : 1;
    f.notReadyFrames = qMax(1, n);
    return QStringLiteral("Kasa niegotowa dla %1 poleceń.").arg(f.notReadyFrames);
  }
  if (Is(cmd, "blad", "error") || cmd == QStringLiteral("błąd")) {
    bool ok = false;
    const int code = w.value(1).toInt(&ok);
    if (!ok || code < 0 || code > 255) return QStringLiteral("Podaj kod błędu 0..255.");
    f.error.arm(1, code);
    return QStringLiteral("Następne polecenie dostanie błąd %1.").arg(code);
  }
  if (Is(cmd, "sprzedaj", "sell")) {
    bool okPlu = false, okQty = false, okCashier = true;
    const int plu = w.value(1).toInt(&okPlu);
    const double qty =
        QString(w.value(2)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&okQty);
    const int cashier = w.size() > 3 ? w[3].toInt(&okCashier) : 1;
    if (!okPlu || !okQty || !okCashier || qty <= 0)
      return QStringLiteral("Użycie: sprzedaj PLU ILOŚĆ [KASJER]");
    const qint64 tenThousandths = std::llround(qty * RegisterModel::kQuantityUnit);
    const int code = engine_.model().sell(plu, tenThousandths, cashier);
    if (code == 66) return QStringLiteral("Towar %1 nie istnieje.").arg(plu);
    if (code == 67)
      return QStringLiteral("Towar %1 sprzedaje się tylko w całych sztukach.").arg(plu);
    if (code == 86) return QStringLiteral("Kasjer %1 niezaprogramowany.").arg(cashier);
    const quint8* g = engine_.model().record(TableId::Goods, plu);
    const Layout& gl = layouts::GoodsRegister();
    return QStringLiteral("Sprzedano %1 x %2, razem sprzedaż %3.")
        .arg(print::Quantity(tenThousandths), cp1250::decode(GetText(gl, g, FieldId::Name)),
             print::Amount(GetField(gl, g, FieldId::SoldValue)));
  }
  return QStringLiteral("Nieznane polecenie \"%1\" (wpisz pomoc).").arg(cmd);
}

QString ControlConsole::state() const {
  const RegisterModel& m = engine_.model();
  const Layout& gl = layouts::GoodsRegister();
  qint64 sales = 0;
  for (int n = 1; n <= TableOf(TableId::Goods).capacity; ++n)
    if (const quint8* g = m.record(TableId::Goods, n)) sales += GetField(gl, g, FieldId::SoldValue);
  const Faults& f = engine_.faults();
  QStringList lines;
  lines << QStringLiteral("Zegar kasy: %1")
               .arg(m.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
        << QStringLiteral("Towary: %1, kasjerzy: %2, grupy: %3, opakowania: %4")
               .arg(m.count(TableId::Goods))
               .arg(m.count(TableId::Cashiers))
               .arg(m.count(TableId::Groups))
               .arg(m.count(TableId::Packaging))
        << QStringLiteral("Rabaty: %1, formy płatności: %2, waluty: %3")
               .arg(m.count(TableId::Discounts))
               .arg(m.count(TableId::PaymentForms))
               .arg(m.count(TableId::Currencies))
        << QStringLiteral("Sprzedaż razem: %1 %2")
               .arg(print::Amount(sales), QString::fromLatin1(m.baseCurrency))
        << QStringLiteral("Papier: %1")
               .arg(f.paperOut ? QStringLiteral("brak") : QStringLiteral("jest"))
        << QStringLiteral("NIP: %1").arg(QString::fromLatin1(m.nip));
  return lines.join(QLatin1Char('\n'));
}

}  // namespace sim
