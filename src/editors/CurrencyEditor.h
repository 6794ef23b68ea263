#pragma once

#include "editors/CurrencyRate.h"
#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

class CurrencyEditor : public RecordEditor {
 public:
  static constexpr const char* kBadNumber =
      " Błędna wartość w polu Numer. Numer musi zawierać się w przedziale 1 - 10";
  static constexpr const char* kSpacesName =
      "Nazwa waluty nie może składać się z samych znaków spacji!";
  static constexpr const char* kBadRateField = "Błędnie wypełnione pole KURS!";
  static constexpr const char* kRateTooLarge = "Zbyt duża wartosc w polu KURS!";
  static constexpr const char* kNameTaken =
      "Waluta o takiej nazwie już istnieje! Wybierz inną nazwę.";
  static constexpr const char* kSpacesSymbol =
      "Symbol nie może składać się z samych znaków spacji!";
  static constexpr const char* kSymbolTaken =
      "Waluta o takim symbolu już istnieje! Wybierz inny symbol.";
  static constexpr int kLast = 10;
  static constexpr double kMaxRate = 999999.99;

  explicit CurrencyEditor(const EditorSession& session);

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;

 private:
  CurrencyRate rate_;  // of the last form that passed the checks
};
