#include "commands/DownloadCommands.h"

#include "commands/CommandFrame.h"
#include "link/TRegisterLink.h"

bool RequestTable(TRegisterLink& link, quint16 recordField, quint8 code, quint16 parameter) {
  CommandFrame f(link.RegisterAddress, kRequestLength, recordField, code);
  f.putU16(frame::kBodyAt, parameter);
  return link.SendFrame(f.sealed()) == 0;
}
