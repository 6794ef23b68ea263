#pragma once

class ShellSession;
class TMenuGlowne;

namespace shell {

// Creates every window the lists open, once, over the main window, and
// registers it there under its class name. A window that does not exist yet
// is simply not registered, so its entry opens nothing.
void CreateForms(TMenuGlowne& window, ShellSession& session);

}  // namespace shell
