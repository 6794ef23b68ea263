#include "commands/UploadCommands.h"
#include "editors/CurrencyRate.h"
#include "editors/TableRecords.h"
#include "image/FormatAmount.h"
#include "platform/Cp1250.h"
#include "sync/SyncMember.h"

namespace sync_members {
namespace {

using K = SyncMember::Detail::Kind;
using S = SyncMember::Sequence;
using E = SyncMember::BatchEnd;
using D = SyncMember::DeleteErrors;
using C = SyncMember::PcClick;

constexpr int kValueWidth = 10;
constexpr int kCashierRightsAt = 224;
constexpr int kAmountWidth = 4;
constexpr int kFirstWaitMs = 1000;

QString NoTail(const QByteArray&) {
  return {};
}
QString DiscountTail(const QByteArray& r) {
  const auto d = DecodeTableRecord(kDiscountLayout, r);
  return (d.Kind ? QStringLiteral("[N]") : QStringLiteral("[R]")) +
         FormatAmount(d.Value).rightJustified(kValueWidth) + QLatin1Char(' ') +
         (d.Type ? QStringLiteral("kwotowy") : QStringLiteral("%"));
}
QString PaymentTail(const QByteArray& r) {
  return QLatin1Char(' ') + PaymentTypeText(DecodeTableRecord(kPaymentFormLayout, r).Type);
}
QString CurrencyTail(const QByteArray& r) {
  const auto c = DecodeTableRecord(kCurrencyLayout, r);
  return QLatin1Char(' ') + CurrencyRate{c.Mantissa, c.Decimals}.Text() + QLatin1Char(' ') +
         cp1250::decode(r.mid(27, CurrencyRecord::kSymbolWidth))
             .leftJustified(CurrencyRecord::kSymbolWidth);
}
QString PackagingTail(const QByteArray& r) {
  const auto p = DecodeTableRecord(kPackagingLayout, r);
  return QLatin1Char(' ') + FormatAmount(p.Price).rightJustified(kValueWidth) +
         (p.Changeable ? QStringLiteral(" sztywna") : QStringLiteral(" ruchoma"));
}

// The PC-side commands, in one shape.
bool DeleteCashierAny(TRegisterLink& l, int n, const QString& name, bool, quint16 s) {
  return DeleteCashier(l, n, name, s);
}
bool DeleteCurrencyAny(TRegisterLink& l, int n, const QString& name, bool, quint16 s) {
  return DeleteCurrency(l, n, name, s);
}
bool DeletePackagingAny(TRegisterLink& l, int n, const QString& name, bool, quint16 s) {
  return DeletePackaging(l, n, name, s);
}
bool DeleteGroupAny(TRegisterLink& l, int n, const QString& name, bool, quint16 s) {
  return DeleteGoodsGroup(l, n, name, s);
}

}  // namespace

const SyncMember& Cashiers() {
  static const SyncMember m{
      "Podgląd bazy kasjerów",
      image::kCashiers,
      10,
      CashierRecord::kNameWidth,
      324,
      20,
      downloads::kCashiers,
      &SendCashier,
      &DeleteCashierAny,
      S::PerTickedRecord,
      2300,
      1700,
      E::MessagePauseDownload,
      400,
      " kasjerów.",
      {{0, 0, 26}, {kCashierRightsAt, 26, CashierRecord::kRights}},
      D::Shown,
      C::Cashier,
      21,
      &NoTail,
      {
          {"Utarg gotówkowy", 26, kAmountWidth, K::Amount},
          {"Utarg całkowity", 30, kAmountWidth, K::Amount},
          {"Liczba wydanych paragonów", 34, 2, K::Count},
          {"Liczba anulowanych paragonów", 36, 2, K::Count},
          {"Kwota anulowanych paragonów", 38, kAmountWidth, K::Amount},
          {"Liczba storno", 42, 2, K::Count},
          {"Kwota storno", 44, kAmountWidth, K::Amount},
          {"Wpłaty do kasy", 48, kAmountWidth, K::Amount},
          {"Wypłaty z kasy", 52, kAmountWidth, K::Amount},
          {"Zwroty opakowań zwrotnych", 56, kAmountWidth, K::Amount},
          {"Wydania opakowań zwrotnych", 60, kAmountWidth, K::Amount},
          {"Możliwość wykonywania raportów niezerujących", kCashierRightsAt, 1, K::Right},
          {"Możliwość wykonywania raportów zerujących", kCashierRightsAt + 1, 1, K::Right},
          {"Możliwość ręcznego udzielania rabatów", kCashierRightsAt + 2, 1, K::Right},
          {"Możliwość udzielania rabatów z bazy", kCashierRightsAt + 3, 1, K::Right},
          {"Możliwość anulowania paragonu", kCashierRightsAt + 4, 1, K::Right},
          {"Możliwość wykonywania operacji storno", kCashierRightsAt + 5, 1, K::Right},
          {"Możliwość wykonywania wpłat i wypłat z kasy", kCashierRightsAt + 6, 1, K::Right},
          {"Ostatnie logowanie:", 231, 6, K::LogTime},
          {"Ostatnie wylogowanie:", 237, 6, K::LogTime},
          {"Całkowity czas pracy:", 243, 3, K::WorkTime},
      },
      "Baza kasjerów PC",
      "Baza kasjerów Orvi Duna",
      "",
      "Skopiuj zaznaczone\nrekordy do kasy",
      "Skopiuj zaznaczone\nrekordy do PC",
      "Usuń",
      "Potwierdzaj wprowadzanie kasjerów z klawiatury kasy",
      true};
  return m;
}

const SyncMember& Discounts() {
  static const SyncMember m{"Podgląd bazy rabatów",
                            image::kDiscounts,
                            20,
                            DiscountRecord::kNameWidth,
                            36,
                            20,
                            downloads::kDiscounts,
                            &SendDiscount,
                            &DeleteDiscount,
                            S::PerTickedRecord,
                            kFirstWaitMs,
                            390,
                            E::MessagePauseDownload,
                            400,
                            " rabatów.",
                            {{0, 0, DiscountRecord::kSize}},
                            D::Silent,
                            C::Blanks,
                            21,
                            &DiscountTail,
                            {{"Obrót rabatu/narzutu:", 28, kAmountWidth, K::Amount},
                             {"Ilość użyć rabatu/narzutu:", 32, 4, K::Count}},
                            "Baza",
                            "Kasa",
                            "Numer   Nazwa   Wartość   Rodzaj",
                            "Skopiuj zaznaczone\nrekordy do kasy",
                            "Skopiuj Zaznaczone\nrekordy do PC",
                            "Usuń zaznaczone\nrekordy z kasy",
                            "Potwierdzaj wprowadzanie rabatów z klawiatury kasy",
                            false};
  return m;
}

const SyncMember& PaymentForms() {
  static const SyncMember m{"Podgląd bazy form płatności",
                            image::kPaymentForms,
                            10,
                            PaymentFormRecord::kNameWidth,
                            31,
                            10,
                            downloads::kPaymentForms,
                            &SendPaymentForm,
                            &DeletePaymentForm,
                            S::PerListEntry,
                            kFirstWaitMs,
                            390,
                            E::PauseMessageDownload,
                            450,
                            " form płatnosci.",
                            {{0, 0, 22}, {26, 22, 1}},
                            D::Silent,
                            C::Blanks,
                            21,
                            &PaymentTail,
                            {{"Obrót formy płatności:", 22, kAmountWidth, K::Amount},
                             {"Ilość użyć formy płatności", 27, 4, K::Count}},
                            "Baza",
                            "Kasa",
                            "Numer   Nazwa   Rodzaj",
                            "Skopiuj zaznaczone\nrekordy do kasy",
                            "Skopiuj zaznaczone\nrekordy do PC",
                            "Usuń",
                            "Potwiedzaj wprowadzanie form płatności z klawiatury kasy",
                            false};
  return m;
}

const SyncMember& Currencies() {
  static const SyncMember m{
      "Podgląd bazy walut obcych",
      image::kCurrencies,
      10,
      CurrencyRecord::kNameWidth,
      42,
      10,
      downloads::kCurrencies,
      &SendCurrency,
      &DeleteCurrencyAny,
      S::PerListEntry,
      kFirstWaitMs,
      390,
      E::MessagePauseDownload,
      430,
      " walut.",
      {{0, 0, 22}, {26, 22, 8}},
      D::Silent,
      C::Ignored,
      21,
      &CurrencyTail,
      {{"Obrót:", 22, kAmountWidth, K::Amount}, {"Ilość użyć:", 34, 4, K::Count}},
      "Baza PC",
      "Kasa",
      "Numer   Nazwa   Kurs   Symbol",
      "Skopiuj zaznaczone\nrekordy do kasy",
      "Skopiuj zaznaczone\nrekordy do PC",
      "Usuń",
      "Potwierdzaj wprowadzanie walut z klawiatury kasy",
      false};
  return m;
}

const SyncMember& GoodsGroups() {
  static const SyncMember m{"Podgląd bazy grup towarowych",
                            image::kGoodsGroups,
                            20,
                            GoodsGroupRecord::kNameWidth,
                            26,
                            20,
                            downloads::kGoodsGroups,
                            &SendGoodsGroup,
                            &DeleteGroupAny,
                            S::PerListEntry,
                            kFirstWaitMs,
                            450,
                            E::PauseDownloadMessage,
                            430,
                            " grup towarowych.",
                            {{0, 0, GoodsGroupRecord::kSize}},
                            D::Shown,
                            C::Blanks,
                            21,
                            &NoTail,
                            {{"Utarg wybranej grupy towarowej:", 22, kAmountWidth, K::Amount}},
                            "Baza",
                            "Kasa",
                            "Numer   Nazwa",
                            "Skopiuj wszystkie\nrekordy do kasy",
                            "Skopiuj wszystkie\nrekordy do PC",
                            "Usuń",
                            "Potwierdzaj wprowadzanie grup towarowych z klawiatury kasy",
                            false};
  return m;
}

const SyncMember& Packaging() {
  static const SyncMember m{"Podgląd bazy opakowań",
                            image::kPackaging,
                            20,
                            PackagingRecord::kNameWidth,
                            66,
                            20,
                            downloads::kPackaging,
                            &SendPackaging,
                            &DeletePackagingAny,
                            S::PerListEntry,
                            kFirstWaitMs,
                            450,
                            E::PauseDownloadMessage,
                            1300,
                            " opakowań.",
                            {{0, 0, 47}, {65, 47, 1}},
                            D::Packaging,
                            C::Ignored,
                            22,
                            &PackagingTail,
                            {{"Wartość przyjęć:", 47, kAmountWidth, K::Amount},
                             {"Wartość zwrotów:", 51, kAmountWidth, K::Amount},
                             {"Data ostatniej sprzedaży:", 55, 6, K::SaleTime},
                             {"Liczba przyjęć opakowań zwrotnych:", 61, 2, K::Count},
                             {"Liczba zwrotów opakowań zwrotnych:", 63, 2, K::Count}},
                            "Baza",
                            "Kasa",
                            "Numer   Nazwa   Cena",
                            "Skopiuj wszystkie\nrekordy do kasy",
                            "Skopiuj wszystkie\nrekordy do PC",
                            "Usuń",
                            "Potwierdzaj wprowadzanie opakowań z klawiatury kasy",
                            false};
  return m;
}

}  // namespace sync_members
