#pragma once

#include <QStringList>
#include <vector>

#include "editors/TablePrint.h"

class QPagedPaintDevice;
class TDatabaseImage;

// The printed goods list of the goods editor ("Drukuj według numerów PLU").
namespace goods_list_print {

// PLU, name, price, VAT letter, "sztywna"/"ruchoma", barcode; in PLU order.
std::vector<QStringList> Rows(TDatabaseImage& image);
const TableLayout& Layout();
// Prints the rows; returns the pages printed.
int Print(QPagedPaintDevice& device, const std::vector<QStringList>& rows);

}  // namespace goods_list_print
