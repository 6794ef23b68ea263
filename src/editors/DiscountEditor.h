#pragma once

#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

class DiscountEditor : public RecordEditor {
 public:
  static constexpr const char* kBadNumber =
      " Błędna wartość w polu Numer. Numer musi zawierać się w przedziale 1 - 20";
  static constexpr const char* kSpacesName =
      "Nazwa rabatu/narzutu nie może składać się z samych znaków spacji!";
  static constexpr const char* kNameTaken =
      "Rabat/narzut o takiej nazwie już istnieje! Wybierz inną nazwę.";
  static constexpr const char* kBadValueChar = "Błędna wartość w polu Wartosc";
  static constexpr const char* kBadValueDecimals = "Błędna wartość w polu Wartość";
  static constexpr const char* kPercentRange =
      "    Wartość rabatu/narzutu procentowego musi zawierać się w przedziale: 0,01 % - 99,99 %    "
      "  ";
  static constexpr const char* kAmountTooSmall =
      "    Wartość rabatu/narzutu kwotowego nie może być mniejsza lub równa 0     ";
  static constexpr const char* kAmountTooLarge =
      "    Maksymalna wartość rabatu/narzutu kwotowego to 999999,98     ";
  static constexpr qint64 kMaxPercent = 9999;
  static constexpr qint64 kMaxAmount = 99999998;
  static constexpr int kValueCellWidth = 10;

  // The base currency symbol is asked each time: it may change during the run.
  DiscountEditor(const EditorSession& session, std::function<QString()> currencySymbol = {});

  QString CurrencySymbol() const;
  // The unit label beside the value for a "Typ" position.
  QString UnitLabel(int type) const { return type == 0 ? QStringLiteral("%") : CurrencySymbol(); }
  // Digits and one comma, at most two decimals, in hundredths (can exceed 32 bits).
  static qint64 ValueHundredths(const QString& text);

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;

 private:
  std::function<QString()> symbol_;
};
