#pragma once

#include "editors/RecordEditor.h"
#include "editors/TableRecords.h"

class PackagingEditor : public RecordEditor {
 public:
  static constexpr const char* kBadPrice = "     Błędna wartość w polu Cena     ";
  static constexpr const char* kZeroPrice = "     Cena musi mieć wartość niezerową     ";
  static constexpr const char* kPriceRange =
      "Błąd! Cena musi zawierać się w przedziale 0,00 - 999999,99";
  static constexpr qint64 kMaxPrice = 99999999;

  explicit PackagingEditor(const EditorSession& session);

 protected:
  QStringList Cells(const QByteArray& slot) override;
  unsigned Missing(const RecordForm& form) const override;
  std::optional<QString> Check(const RecordForm& form, AddResult& out) override;
  QByteArray Encode(const RecordForm& form, int number) override;
  bool Upload(int number, bool confirm) override;
  // The goods sold in tandem with it lose the link first.
  void BeforeDelete(int number) override;

 private:
  static QString PriceText(const QString& typed);
};
