#pragma once

#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

class GoodsGroupEditor : public RecordEditor {
 public:
  static constexpr const char* kSpacesName =
      "Nazwa grupy towarowej nie może składać się z samych znaków spacji!";
  static constexpr const char* kNameTaken =
      "Grupa towarowa o takiej nazwie już istnieje! Wybierz inną nazwę.";
  static constexpr const char* kBasicGroupDelete = " Nie można usunąć grupy towarowej nr  1";
  static constexpr const char* kNameInRegister =
      "Nazwa grupy towarowej już występuje w bazie towarowej kasy.";
  static constexpr const char* kStored = "Grupę towarową zapisano w kasie";
  static constexpr const char* kNotConfirmed =
      "Błąd! Kasa nie potwierdziła zapisu grupy towarowej!";
  static constexpr int kDuplicateNameError = 5;
  static constexpr int kReplyWaitMs = 1000;

  explicit GoodsGroupEditor(const EditorSession& session);

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;
  void Answer() override;
};
