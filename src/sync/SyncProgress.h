#pragma once

// What a synchronisation shows while it transfers: the panel of the running
// transfer, its counters, and the buttons locked meanwhile. The window shows
// it; tests record it. processEvents runs once per list entry or record, so
// that "Anuluj" can set the link's UserAbort.
class SyncProgress {
 public:
  enum class Panel { Import, Send, Delete };
  virtual ~SyncProgress() = default;
  virtual void setBusy(bool busy) = 0;
  virtual void showPanel(Panel panel, int total) = 0;
  virtual void setCount(int done, int total) = 0;
  virtual void setErrors(int errors) = 0;  // 0 hides "Błędy:"
  virtual void setPrinting(bool printing) = 0;
  virtual void hidePanel() = 0;
  virtual void processEvents() = 0;
};
