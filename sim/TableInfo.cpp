#include "sim/TableInfo.h"

namespace sim {

namespace {
using namespace layouts;
// clang-format off
const TableInfo kTables[kTableCount] = {
  // id                   name            cmd  del  cap nw name flag dl   upload           record             num dup
  {TableId::Goods,        "TOWAR",        'T', '0', 2000, 2, 42, true,  91, GoodsUpload,     GoodsRegister,     6,  5},
  {TableId::Discounts,    "RABAT",        'R', '1', 20,   1, 21, true,  45, DiscountUpload,  DiscountRegister,  14, 0},
  {TableId::Cashiers,     "KASJER",       'K', '2', 20,   1, 16, false, 333, CashierUpload,  CashierRegister,   18, 19},
  {TableId::PaymentForms, "FORMA PŁATN.", 'F', '3', 10,   1, 22, true,  40, PaymentUpload,   PaymentRegister,   28, 29},
  {TableId::Currencies,   "WALUTA",       'W', '4', 10,   1, 23, false, 51, CurrencyUpload,  CurrencyRegister,  31, 32},
  {TableId::Packaging,    "OPAKOWANIE",   'Z', '5', 20,   1, 43, false, 75, PackagingUpload, PackagingRegister, 36, 37},
  {TableId::Groups,       "GRUPA",        'G', '6', 20,   1, 21, false, 35, GroupUpload,     GroupRegister,     9,  40},
};
// clang-format on
}  // namespace

const TableInfo& TableOf(TableId id) {
  return kTables[int(id)];
}

const TableInfo* TableByCommand(quint8 command) {
  for (const TableInfo& s : kTables)
    if (s.command == command) return &s;
  return nullptr;
}

const TableInfo* TableByDeleteCommand(quint8 command) {
  for (const TableInfo& s : kTables)
    if (s.deleteCommand == command) return &s;
  return nullptr;
}

const TableInfo* AllTables() {
  return kTables;
}

}  // namespace sim
