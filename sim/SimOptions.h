#pragma once

#include <QString>
#include <QStringList>

#include "sim/Faults.h"
#include "sim/ProtocolEngine.h"

namespace sim {

// The command line of duna-sim.
struct SimOptions {
  QString portDir;  // empty: the folder the program looks in
  int com = 0;      // 0: the first free number
  bool demo = false;
  QString paperFile;
  QString journalFile;
  EngineOptions engine;
  Faults faults;
  bool help = false;
  QString error;  // set when the command line is wrong
};

SimOptions ParseOptions(const QStringList& args);
// The help text; Polish unless the locale asks for English.
QString HelpText(bool english);
bool PreferEnglish();

// The port folder the program reads when DUNA_PORT_DIR is not set.
QString DefaultPortDirectory();

}  // namespace sim
