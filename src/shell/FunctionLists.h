#pragma once

#include <QString>
#include <QtGlobal>

// The three function lists of the main window and which connection states let
// each entry open its window. States are the connection-state values 0..3
// (no base, OFFLINE, ONLINE, ONLINE with a base file).
enum class FunctionTab { Edycja = 0, Raporty = 1, Komunikacja = 2 };

enum class EntryVerdict {
  Open,     // open the entry's window
  Message,  // refuse with the base-editing message
  Nothing,  // refuse silently
};

struct FunctionEntry {
  const char* text;      // UTF-8, as listed
  const char* form;      // class name of the window it opens
  quint8 allowedStates;  // bit n set = allowed in state n
  bool refreshAfter;     // the status panel is redrawn after the window closes
};

namespace functions {

inline constexpr int kStateCount = 4;
inline constexpr quint8 kNotNone = 0b1110;
inline constexpr quint8 kAny = 0b1111;
inline constexpr quint8 kOnline = 0b1100;
inline constexpr quint8 kOnlineWithFile = 0b1000;

inline constexpr const char* kNoBaseMessage =
    "Stwórz lub wczytaj z pliku bazę danych którą chcesz edytować, albo połącz się z kasą";

int entryCount(FunctionTab tab);
const FunctionEntry& entry(FunctionTab tab, int index);
QString tabTitle(FunctionTab tab);

// What a request for entry index of tab does in the given state; an index
// outside the list does nothing.
EntryVerdict verdict(FunctionTab tab, int index, int state);

}  // namespace functions
