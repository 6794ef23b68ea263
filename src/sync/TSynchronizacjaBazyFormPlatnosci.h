#pragma once

#include "sync/TableSyncWindow.h"

// "Podgląd bazy form płatności".
class TSynchronizacjaBazyFormPlatnosci : public TableSyncWindow {
  Q_OBJECT
 public:
  explicit TSynchronizacjaBazyFormPlatnosci(const EditorSession& session, QWidget* parent = nullptr)
      : TableSyncWindow(session, sync_members::PaymentForms(), parent) {}
};
