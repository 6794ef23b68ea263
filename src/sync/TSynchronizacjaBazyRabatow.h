#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy rabatów".
class TSynchronizacjaBazyRabatow : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyRabatow(const EditorSession& session, QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::Discounts(), parent) {}
};
