#include "shell/Forms.h"

#include "editors/TProgramowanieTowarow.h"
#include "shell/ShellSession.h"
#include "shell/TMenuGlowne.h"
#include "sync/TSynchronizacjaBazyTowarowej.h"

namespace shell {

namespace {

template <class Form>
void add(TMenuGlowne& window, Form* form) {
  window.registerForm(QString::fromLatin1(form->metaObject()->className()),
                      [form] { form->exec(); });
}

}  // namespace

void CreateForms(TMenuGlowne& window, ShellSession& session) {
  const EditorSession s = session.editorSession();
  auto* goods = new TProgramowanieTowarow(s, &window);
  add(window, goods);
  add(window, new TSynchronizacjaBazyTowarowej(s, *goods, &window));
}

}  // namespace shell
