#pragma once

#include <QtGlobal>

#include "sim/RecordLayout.h"

namespace sim {

// The seven record tables that the PC uploads, downloads and deletes record by record.
enum class TableId { Goods, Discounts, Cashiers, PaymentForms, Currencies, Packaging, Groups };
inline constexpr int kTableCount = 7;

struct TableInfo {
  TableId id;
  const char* name;      // as the register prints it (UTF-8)
  quint8 command;        // upload and download request code
  quint8 deleteCommand;  // '0'..'6'
  int capacity;          // highest record number the register keeps
  int numberWidth;       // bytes of the record number (goods: 2)
  int deleteNameWidth;   // the name field of the delete frame
  bool deleteHasFlag;    // the delete frame ends with a confirmation byte
  int downloadLength;    // data frame length of a download
  const Layout& (*upload)();
  const Layout& (*record)();
  // Register error codes for this table: number out of range, duplicate name.
  int numberError;
  int duplicateError;

  int uploadLength() const { return 7 + upload().size() + 1 + 2; }
  int deleteLength() const {
    return 7 + numberWidth + deleteNameWidth + (deleteHasFlag ? 1 : 0) + 2;
  }
};

const TableInfo& TableOf(TableId id);
const TableInfo* TableByCommand(quint8 command);
const TableInfo* TableByDeleteCommand(quint8 command);
const TableInfo* AllTables();  // kTableCount entries

}  // namespace sim
