#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "editors/EditorSession.h"
#include "image/GoodsRecord.h"

// The editing fields of the goods editor, as the controls hold them.
struct GoodsForm {
  QString number = QStringLiteral("0");
  QString name;
  QString price = QStringLiteral("0,00");
  QString barcode;
  int ptu = 0;     // list index, 'A' + index
  int group = 0;   // list index (group - 1); -1 = no selection (group 0)
  int tandem = 0;  // list index = packaging number
  int halo = 0;    // list index = HALO index
  int unit = 0;    // list index = unit number
  bool fixedPrice = false;
  bool wholePieces = true;
};

// One row of the goods list: the PLU and the eleven shown columns.
struct GoodsRow {
  static constexpr int kColumns = 11;
  int number = 0;
  std::array<QString, kColumns> cells;
};

// What the goods editor does, without its widgets: the list, the add checks
// and their messages, delete, search and sending a record to the register.
class GoodsEditor {
 public:
  static constexpr int kReplyWaitMs = 800;

  static const std::array<const char*, GoodsRow::kColumns>& Headings();

  // Messages, exactly as the user sees them.
  static constexpr const char* kNumberHint = "Wprowadź numer!";
  static constexpr const char* kNameHint = "Wprowadź nazwę!";
  static constexpr const char* kPriceHint = "Wprowadź cenę!";
  static constexpr const char* kBadNumber =
      "     Błędna wartość : Numer towaru w kasie \n Pole musi zawierać liczbę z przedziału "
      "1-2000.     ";
  static constexpr const char* kSpacesName =
      "Nazwa towaru nie może składać się z samych znaków spacji!";
  static constexpr const char* kBadPrice = "     Błędna wartość w polu Cena     ";
  static constexpr const char* kPriceRange =
      "Błąd! Cena musi zawierać się w przedziale 0,00 - 999999,99";
  static constexpr const char* kFixedZero =
      "Cena sztywna musi mieć wartość większą od 0,00. Wprowadz inną wartość, lub odznacz pole "
      "\"Cena sztywna\"";
  static constexpr const char* kBadBarcode = "Kod kreskowy może zawierać tylko cyfry!";
  static constexpr const char* kFileClosed = "     Plik zamknięty.     ";
  static constexpr const char* kNotAdded = "     Błąd! Nie dodano towaru     ";
  static constexpr const char* kNoBaseNotStored = "Brak otwartej bazy danych. Towaru nie zapisano.";
  static constexpr const char* kNoBaseToSend =
      "Brak otwartej bazy danych. Towaru nie można wysłać do kasy.";
  static constexpr const char* kNotConfirmed = "Błąd! Kasa nie potwierdziła zapisu towaru!";
  static constexpr const char* kSent = "Towar zapisano w kasie";

  struct AddResult {
    enum class Status {
      MissingFields,  // hints shown, nothing else
      Refused,        // a check failed; its message was shown
      Stored,         // written into the image
      NotStored,      // the image could not take it; the message was shown
    };
    Status status = Status::Refused;
    bool needNumber = false;
    bool needName = false;
    bool needPrice = false;
    bool focusName = false;
    GoodsRecord record;
    // The next free number after the entered one (only after Stored).
    std::optional<int> nextNumber;
    bool sendFailed = false;
  };

  explicit GoodsEditor(const EditorSession& session) : s_(session) {}

  std::vector<GoodsRow> Rows();
  // All rows whose name holds text (upper case on both sides); all rows for "".
  std::vector<GoodsRow> Search(const QString& text);
  GoodsRow RowOf(const GoodsRecord& r);
  static int FreeCount(int rows) { return GoodsRecord::kLastNumber - rows; }

  // "Dodaj do bazy PC"; autoSend sends the stored record at once (only a
  // failure is reported then).
  AddResult Add(const GoodsForm& form, bool autoSend = false, bool confirm = false);
  // "Wyślij do kasy" for PLU number; true when the register confirmed.
  bool Send(int number, bool confirm, bool reportSuccess = true);
  // "Usuń z bazy PC": zeros over the record, and the goods leaves every quick
  // key. The modified flag is left alone.
  bool Delete(int number);

  // The editing fields for a record, as a double click on its row fills them.
  GoodsForm FormOf(const GoodsRecord& r);
  std::optional<int> FirstFree(int after);

  const EditorSession& session() const { return s_; }

 private:
  bool Refuse(const char* text, AddResult& out);
  std::optional<int> DuplicateOf(const QString& name, int number);

  EditorSession s_;
};
