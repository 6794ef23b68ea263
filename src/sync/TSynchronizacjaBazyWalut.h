#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy walut obcych".
class TSynchronizacjaBazyWalut : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyWalut(const EditorSession& session, QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::Currencies(), parent) {}
};
