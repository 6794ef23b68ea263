#pragma once

#include <functional>

#include "image/ConnectionState.h"

class Clock;
class Prompts;
class TDatabaseImage;
class TRegisterLink;

// What an editor or synchronisation window works on. The main window fills it
// from its session: the state is asked every time (a line error may have closed
// the port meanwhile), and every write into the image marks the base modified.
struct EditorSession {
  TDatabaseImage& image;
  TRegisterLink& link;
  Prompts& prompts;
  Clock& clock;
  std::function<ConnectionState()> state;
  std::function<void()> markModified;

  ConnectionState State() const { return state ? state() : ConnectionState::None; }
  void MarkModified() const {
    if (markModified) markModified();
  }
};
