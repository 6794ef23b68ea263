#pragma once

#include "link/Frame.h"

class TRegisterLink;

// What the PC asks for to read a table, and how the register answers.
struct TableDownload {
  quint8 code;          // request code (the table's upload command byte)
  quint16 parameter;    // 16-bit request parameter
  quint16 recordField;  // record-number field of the request
  int frameLength;      // longest data frame
  int shortestFrame;    // shortest data frame taken (equal unless it varies)
};

namespace downloads {
inline constexpr quint16 kSync = 1;  // record field of the synchronisation forms
// Goods frames come as 90 or 91 bytes; both are read by their own length.
inline constexpr TableDownload kGoods{'T', 0, kSync, 91, 90};
inline constexpr TableDownload kDiscounts{'R', 0, kSync, 45, 45};
inline constexpr TableDownload kCashiers{'K', 0, kSync, 333, 333};
inline constexpr TableDownload kPaymentForms{'F', 0, kSync, 40, 40};
inline constexpr TableDownload kCurrencies{'W', 0, kSync, 51, 51};
inline constexpr TableDownload kPackaging{'Z', 0, kSync, 75, 75};
inline constexpr TableDownload kGoodsGroups{'G', 0, kSync, 35, 35};
inline constexpr TableDownload kUnits{'J', 0, frame::kSingleFrame, 18, 18};
inline constexpr TableDownload kAdditionalSettings{3, 1, frame::kSingleFrame, 30, 30};
inline constexpr TableDownload kHeader{'N', 0, frame::kSingleFrame, 268, 268};
inline constexpr TableDownload kSoldGoods{'X', 0, frame::kSingleFrame, 62, 62};
inline constexpr TableDownload kAllGoodsSales{'Y', 0, frame::kSingleFrame, 62, 62};
inline constexpr TableDownload kGroupTurnover{6, 0, frame::kSingleFrame, 92, 92};
// Answered by one frame of 115 or 124 bytes, neither checked nor acknowledged.
inline constexpr TableDownload kRegisterInfo{'I', 0, frame::kSingleFrame, 124, 115};
}  // namespace downloads

inline constexpr int kRequestLength = 11;

// The 11-byte request; true when the link sent it.
bool RequestTable(TRegisterLink& link, quint16 recordField, quint8 code, quint16 parameter);
inline bool RequestTable(TRegisterLink& link, const TableDownload& table) {
  return RequestTable(link, table.recordField, table.code, table.parameter);
}
