#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <vector>

#include "editors/EditorSession.h"
#include "editors/RecordForm.h"
#include "image/ImageLayout.h"

// One grid row of a record editor: the slot's number and its shown cells.
struct EditorRow {
  int number = 0;
  QStringList cells;
};

// What a member of the record editors has in common with the others, as data.
struct EditorTraits {
  image::ImageTable table;
  int listed = 20;    // slots walked when the grid loads
  int freeFirst = 1;  // the pre-filled number comes from freeFirst..freeLast
  int freeLast = 20;
  int deletableLast = 20;   // delete takes 1..deletableLast
  int protectedNumber = 0;  // a record delete refuses, with protectedMessage
  const char* protectedMessage = nullptr;
  bool writesOnlyWithBase = false;   // adding does nothing without a base
  bool loadsInEveryState = false;    // the grid reloads on every showing
  bool deleteMarksModified = false;  // delete changes more than its own slot
};

// The record editor shared by the cashiers, discounts, payment forms,
// currencies, packaging and goods groups editors: loading the grid, adding
// with required fields and checks, deleting and sending one slot. A member
// states its cells, its checks, its record bytes and how it sends.
class RecordEditor {
 public:
  enum class Focus { None, Name, Symbol };
  struct AddResult {
    enum class Status {
      MissingFields,  // markers shown, nothing else
      Refused,        // a check failed; its message was shown
      Stored,         // written; the grid reloads, the fields clear
      NotStored,      // the image refused the write; the message was shown
      Ignored,        // no base in this state: nothing happens
    };
    Status status = Status::Ignored;
    unsigned markers = 0;  // RecordMarker bits to show; the others are hidden
    Focus focus = Focus::None;
    std::optional<QString> valueText;  // the value field as the checks rewrote it
    bool reload = false;
  };

  static constexpr const char* kFileClosed = "     Plik zamknięty.     ";

  RecordEditor(const EditorSession& session, const EditorTraits& traits);
  virtual ~RecordEditor() = default;

  const EditorTraits& traits() const { return t_; }
  const EditorSession& session() const { return s_; }
  // Whether showing the form reloads the grid in the present state.
  bool LoadsOnShow() const;
  std::vector<EditorRow> Rows();
  std::optional<int> FirstFree();
  AddResult Add(const RecordForm& form);
  // The delete button for the selected row's number; true when a slot was cleared.
  bool Delete(int number);
  // "Wyślij do kasy": the slot's bytes from the image, with the confirmation byte.
  void Send(int number, bool confirm);

  QByteArray Slot(int number);
  bool SlotUsed(int number);

  // Shared checks.
  static std::optional<int> Integer(const QString& text);
  // The text padded with spaces to width is nothing but spaces.
  static bool AllSpaces(const QString& text, int width);
  // The name equals (trailing spaces aside) the name of a slot 1..slotCount.
  bool NameTaken(const QString& name, int slotCount, int nameAt = 1, int width = 21);
  // Number of the selected row: the cell's integer, when it is one.
  static std::optional<int> RowNumber(const QString& cell) { return Integer(cell); }

 protected:
  virtual QStringList Cells(const QByteArray& slot) = 0;
  virtual unsigned Missing(const RecordForm& form) const = 0;
  // The first failing check's message, or nothing when all pass.
  virtual std::optional<QString> Check(const RecordForm& form, AddResult& out) = 0;
  virtual int NumberOf(const RecordForm& form) const { return Integer(form.number).value_or(0); }
  virtual QByteArray Encode(const RecordForm& form, int number) = 0;
  virtual bool Upload(int number, bool confirm) = 0;
  // Reads the answer to an upload: the register's error is shown, the rest
  // stays silent (the link shows its own failures).
  virtual void Answer();
  virtual void BeforeDelete(int /*number*/) {}

  void Show(const QString& text);

  EditorSession s_;
  EditorTraits t_;
};
