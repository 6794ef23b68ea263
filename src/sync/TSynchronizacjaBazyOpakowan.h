#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy opakowań".
class TSynchronizacjaBazyOpakowan : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyOpakowan(const EditorSession& session, QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::Packaging(), parent) {}
};
