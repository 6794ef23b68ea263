#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy grup towarowych".
class TSynchronizacjaBazyGrupTowarowych : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyGrupTowarowych(const EditorSession& session,
                                             QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::GoodsGroups(), parent) {}
};
