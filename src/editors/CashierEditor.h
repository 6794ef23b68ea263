#pragma once

#include <array>

#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

// What the rights display shows for a selected row.
struct CashierDetails {
  bool known = false;  // false: the row held no number; the rights stay as they were
  QString password;    // the text behind "Hasło:"; "Brak" for none
  std::array<bool, CashierRecord::kRights> rights{};
};

class CashierEditor : public RecordEditor {
 public:
  static constexpr const char* kSpacesName =
      "Nazwa kasjera nie może składać się z samych znaków spacji!";
  static constexpr const char* kBadNumber =
      "Wartość pola 'Numer kasjera' powinna zawierać się w przedziale 1-10";
  static constexpr const char* kBadPassword = "Błędne hasło!";
  static constexpr const char* kManagerDelete = "Nie można usunąć kasjera nr 1";
  static constexpr const char* kNoPassword = "Brak";
  static constexpr int kLastNumber = 10;

  explicit CashierEditor(const EditorSession& session);

  CashierDetails Details(const QString& numberCell);
  // The password field is disabled while the number field holds exactly "1".
  static bool PasswordEnabled(const QString& numberText) {
    return numberText != QStringLiteral("1");
  }

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;
};
