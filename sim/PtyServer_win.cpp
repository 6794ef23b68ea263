#include "sim/PtyServer.h"

namespace sim {

// Windows has no pseudo-terminals; a pair of virtual COM ports (with the
// in-process device for tests) takes their place there.
PtyServer::~PtyServer() = default;

qint64 PtyServer::nowUs() {
  return 0;
}

int PtyServer::stopSignals() {
  return -1;
}

bool PtyServer::open(QString* error) {
  *error = QStringLiteral("pseudoterminal jest dostępny tylko w systemach uniksowych");
  return false;
}

int PtyServer::link(const QString&, int, QString* error) {
  *error = QStringLiteral("pseudoterminal jest dostępny tylko w systemach uniksowych");
  return 0;
}

void PtyServer::removeLink() {}

void PtyServer::serve(int, int, const std::function<bool(const QString&)>&) {}

}  // namespace sim
