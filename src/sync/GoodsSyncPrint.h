#pragma once

#include <QString>
#include <vector>

#include "editors/TablePrint.h"

class QPagedPaintDevice;

// The goods print of the synchronisation window: one text per row, under the
// same title, rules, page breaks and footer as the editor's goods list.
namespace goods_sync_print {

inline constexpr const char* kHeading =
    "PLU  Nazwa                 Cena      PTU  Rodzaj ceny  Kod kreskowy   ";

const TableLayout& Layout();
int Print(QPagedPaintDevice& device, const std::vector<QString>& lines);

}  // namespace goods_sync_print
