#include "image/ConnectionTracker.h"

ConnectionState ConnectionTracker::State() const {
  if (baseOpen_) return portOpen_ ? ConnectionState::OnlineWithFile : ConnectionState::Offline;
  return portOpen_ ? ConnectionState::Online : ConnectionState::None;
}
