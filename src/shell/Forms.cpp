#include "shell/Forms.h"

#include "editors/TProgramowanieFormPlatnosci.h"
#include "editors/TProgramowanieGrupTowarowych.h"
#include "editors/TProgramowanieKasjerow.h"
#include "editors/TProgramowanieOpakowan.h"
#include "editors/TProgramowanieRabatow.h"
#include "editors/TProgramowanieTowarow.h"
#include "editors/TProgramowanieWalutObcych.h"
#include "shell/ShellSession.h"
#include "shell/TMenuGlowne.h"
#include "sync/TSynchronizacjaBazyFormPlatnosci.h"
#include "sync/TSynchronizacjaBazyGrupTowarowych.h"
#include "sync/TSynchronizacjaBazyKasjerow.h"
#include "sync/TSynchronizacjaBazyOpakowan.h"
#include "sync/TSynchronizacjaBazyRabatow.h"
#include "sync/TSynchronizacjaBazyTowarowej.h"
#include "sync/TSynchronizacjaBazyWalut.h"

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

  add(window, new TProgramowanieKasjerow(s, &window));
  add(window, new TProgramowanieRabatow(
                  s, [&session] { return session.currency(); }, &window));
  add(window, new TProgramowanieFormPlatnosci(s, &window));
  add(window, new TProgramowanieWalutObcych(s, &window));
  add(window, new TProgramowanieOpakowan(s, &window));
  add(window, new TProgramowanieGrupTowarowych(s, &window));

  add(window, new TSynchronizacjaBazyKasjerow(s, &window));
  add(window, new TSynchronizacjaBazyRabatow(s, &window));
  add(window, new TSynchronizacjaBazyFormPlatnosci(s, &window));
  add(window, new TSynchronizacjaBazyWalut(s, &window));
  add(window, new TSynchronizacjaBazyGrupTowarowych(s, &window));
  add(window, new TSynchronizacjaBazyOpakowan(s, &window));
}

}  // namespace shell
