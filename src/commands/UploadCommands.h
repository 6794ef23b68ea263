#pragma once

#include <QDate>
#include <QString>
#include <array>

#include "link/Frame.h"

class TDatabaseImage;
class TRegisterLink;

// Commands that write one record or setting into the register, or delete one
// record there. They build and send the frame; the caller reads the answer.
// Image uploads return false, sending nothing, when the slot is empty or the
// number lies outside the table; the others return true once the frame was
// handed to the link (the answer tells how it went).

// Image uploads (body = the record's bytes in the image).
bool SendGoods(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
               quint16 recordField = frame::kSingleFrame);
bool SendDiscount(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                  quint16 recordField = frame::kSingleFrame);
bool SendCashier(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                 quint16 recordField = frame::kSingleFrame);
bool SendPaymentForm(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                     quint16 recordField = frame::kSingleFrame);
bool SendCurrency(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                  quint16 recordField = frame::kSingleFrame);
bool SendPtuRates(TRegisterLink& link, TDatabaseImage& image, bool confirm,
                  quint16 recordField = frame::kSingleFrame);
bool SendPackaging(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                   quint16 recordField = frame::kSingleFrame);
bool SendHeader(TRegisterLink& link, TDatabaseImage& image,
                quint16 recordField = frame::kSingleFrame);
bool SendGoodsGroup(TRegisterLink& link, TDatabaseImage& image, int number, bool confirm,
                    quint16 recordField = frame::kSingleFrame);
bool SendQuickKey(TRegisterLink& link, TDatabaseImage& image, int cashier, int key, bool confirm,
                  quint16 recordField = frame::kSingleFrame);
bool SendFooter(TRegisterLink& link, TDatabaseImage& image, bool confirm,
                quint16 recordField = frame::kSingleFrame);
bool SendHalo(TRegisterLink& link, TDatabaseImage& image,
              quint16 recordField = frame::kSingleFrame);

// 'E': change of the base currency. The symbol is cut to 3 characters.
bool SendBaseCurrencyChange(TRegisterLink& link, quint32 rateMantissa, quint8 decimals,
                            const QString& symbol, bool printConversion, const QDate& date,
                            quint16 recordField = frame::kSingleFrame);
// 'q': three unit names, each brought to 3 characters with spaces.
bool SendUnits(TRegisterLink& link, const std::array<QString, 3>& units,
               quint16 recordField = frame::kSingleFrame);

// Positions in the function lists of the key dialogs, and the codes the
// register knows them by; -1 for a position outside the list.
int QuickSaleFunctionCode(int listPosition);
int CashierFunctionCode(int listPosition);
inline constexpr int kQuickSaleFunctions = 8;
inline constexpr int kCashierFunctions = 23;

// 'X': quick sale function key. kind 0 amount ("Kwotowy"), 1 percentage.
// Refuses (false, nothing sent) a function position outside the list.
bool SendQuickSaleKey(TRegisterLink& link, int key, int functionPosition, int kind, int number,
                      quint16 recordField = frame::kSingleFrame);
// 'O': function key of a cashier; always to address 1. Refuses a function
// position outside the list.
bool SendCashierFunctionKey(TRegisterLink& link, int cashier, int key, int functionPosition,
                            quint16 recordField = frame::kSingleFrame);

// Command 3: the choices of the register settings form, as the bytes it sends.
struct AdditionalSettings {
  quint8 registerNumber = 0;  // list position, 0 for "1"
  quint8 paymentFormat = 0;
  quint8 mandatoryPayments = 0;
  quint8 powerOffMinutes = 0;
  quint8 drawerPulseMs = 0;
  quint8 discountPlacement = 0;
  quint8 spareCard = 0;
  qint32 maxReceiptValue = 0;
  quint8 printSpeed = 0;
  quint8 autoSale = 0;
  quint8 printPcData = 0;
  quint8 transmissionKind = 0;
  quint8 keyboardSounds = 0;
  quint8 powerSaving = 0;
  quint8 sleepTime = 0;
  quint8 operatorBacklight = 0;
  quint8 customerBacklight = 0;
  quint8 autoOpenDrawer = 0;       // byte 27
  quint8 dailyReportReminder = 0;  // byte 28
};
// Always to address 1.
bool SendAdditionalSettings(TRegisterLink& link, const AdditionalSettings& settings,
                            quint16 recordField = frame::kSingleFrame);

// Deletes: the record's number and its name as the register holds it (cut to
// the field).
bool DeleteGoods(TRegisterLink& link, int number, const QString& name, bool confirm,
                 quint16 recordField = frame::kSingleFrame);
bool DeleteDiscount(TRegisterLink& link, int number, const QString& name, bool confirm,
                    quint16 recordField = frame::kSingleFrame);
bool DeleteCashier(TRegisterLink& link, int number, const QString& name,
                   quint16 recordField = frame::kSingleFrame);
bool DeletePaymentForm(TRegisterLink& link, int number, const QString& name, bool confirm,
                       quint16 recordField = frame::kSingleFrame);
bool DeleteCurrency(TRegisterLink& link, int number, const QString& name,
                    quint16 recordField = frame::kSingleFrame);
bool DeletePackaging(TRegisterLink& link, int number, const QString& name,
                     quint16 recordField = frame::kSingleFrame);
bool DeleteGoodsGroup(TRegisterLink& link, int number, const QString& name,
                      quint16 recordField = frame::kSingleFrame);
