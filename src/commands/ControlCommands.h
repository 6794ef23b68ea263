#pragma once

#include <QDateTime>
#include <QString>
#include <array>

#include "link/Frame.h"

class TRegisterLink;

// Control and service commands. Each builds, checksums and sends its frame and
// returns whether the link sent it.

// 'Q': is a register there?
bool SendPresenceQuery(TRegisterLink& link, quint16 recordField = frame::kSingleFrame);
// Opens the current port quietly, asks 'Q' and reads the plain 10-byte answer:
// true when a register answered. The port stays open only when keepOpen is set
// and a register answered.
bool ProbeRegister(TRegisterLink& link, bool keepOpen);

// '9': which of its ports hears the PC; always to address 1.
bool SendPortQuery(TRegisterLink& link, quint16 recordField = frame::kSingleFrame);
inline constexpr int kNoRegisterPort = 100;
// Tries ports 1..99 with '9' until a register names its port (0, 1 or 2); the
// port that answered stays open. kNoRegisterPort when none answered.
int FindRegisterPort(TRegisterLink& link);

// '8': port settings of the new-package port test; always to address 1.
using RegisterPortSetting = std::array<quint8, 5>;
inline constexpr RegisterPortSetting kPortTestB{0, 3, 6, 0, 6};
inline constexpr RegisterPortSetting kPortTestA{0, 0, 6, 3, 6};
inline constexpr RegisterPortSetting kPortTestUsb{1, 3, 6, 3, 6};
bool SendPortSetting(TRegisterLink& link, const RegisterPortSetting& setting,
                     quint16 recordField = frame::kSingleFrame);

// 'C': the register's clock.
bool SendClock(TRegisterLink& link, const QDateTime& when,
               quint16 recordField = frame::kSingleFrame);

// 'I': the tax number. Longer than 16 characters: "Zbyt długi NIP!" and false.
inline constexpr int kNipWidth = 16;
bool SendNip(TRegisterLink& link, const QString& nip, quint16 recordField = frame::kSingleFrame);

// 'c': before the new-package dialog programs its test goods; address 1.
bool SendTestGoodsStart(TRegisterLink& link, quint16 recordField = frame::kSingleFrame);
// 0xCB: clears the sales totals; address 1.
bool SendClearSalesTotals(TRegisterLink& link, quint16 recordField = frame::kSingleFrame);

// 5: goods-group turnover report over a range of months.
struct MonthRange {
  int firstMonth;
  int firstYear;
  int lastMonth;
  int lastYear;
};
bool SendGroupTurnoverReport(TRegisterLink& link, const MonthRange& range, bool fullReport,
                             bool printZeroRecords, quint16 recordField = frame::kSingleFrame);
