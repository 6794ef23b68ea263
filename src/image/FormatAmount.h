#pragma once

#include <QString>

// The one display form of amounts and prices in hundredths: at least three
// digits and a comma before the last two (5 -> "0,05", 100000 -> "1000,00").
// A negative amount gets "-" before the form of its absolute value.
QString FormatAmount(qint64 hundredths);
