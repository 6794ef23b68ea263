#pragma once

#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

class PaymentFormEditor : public RecordEditor {
 public:
  static constexpr const char* kBadNumber =
      " Błędna wartość w polu Numer. Numer musi zawierać się w przedziale 1 - 10";
  static constexpr const char* kSpacesName =
      "Nazwa waluty nie może składać się z samych znaków spacji!";
  static constexpr const char* kNameTaken =
      "Forma platności o takiej nazwie już istnieje! Wybierz inną nazwę.";
  static constexpr int kLast = 10;

  explicit PaymentFormEditor(const EditorSession& session);

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;
};
