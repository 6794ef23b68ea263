#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy kasjerów".
class TSynchronizacjaBazyKasjerow : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyKasjerow(const EditorSession& session, QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::Cashiers(), parent) {}
};
