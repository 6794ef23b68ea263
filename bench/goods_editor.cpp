// The goods editor with a full base: showing it (list and default lists built
// from the image) and one add with all its checks (the duplicate-name walk over
// 2000 names included), as the user waits for them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "editors/EditorSession.h"
#include "editors/GoodsEditor.h"
#include "editors/TProgramowanieTowarow.h"
#include "image/NewImage.h"
#include "image/TDatabaseImage.h"
#include "link/TRegisterLink.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/SerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

namespace {

class NoLine : public SerialDevice {
 public:
  OpenResult open(int, const LineSettings&) override { return OpenResult::Failed; }
  void close() override {}
  bool isOpen() const override { return false; }
  int read(char*, int, int) override { return 0; }
  WriteResult write(const char*, int, int) override { return {WriteStatus::Failed, 0}; }
  void discardInput() override {}
  LineStatus lineStatus() override { return LineStatus::Clear; }
};

struct FullBase {
  FullBase() {
    image.Open(dir.filePath(QStringLiteral("BDTemp.bdt")));
    image.Replace(new_image::Build(1, QStringLiteral("PLN")));
    for (int n = 1; n <= GoodsRecord::kLastNumber; ++n) {
      GoodsRecord r;
      r.Number = quint16(n);
      r.Name = QStringLiteral("Towar numer %1 z pełną nazwą").arg(n);
      r.Price = 100 + n;
      r.Group = 1;
      r.WholePieces = 1;
      image.WriteGoodsRecord(r);
    }
  }
  QTemporaryDir dir;
  TDatabaseImage image;
  RecordingPrompts prompts;
  VirtualClock clock;
  NoLine line;
  TRegisterLink link{line, prompts, clock};
  EditorSession session{image, link, prompts, clock, [] { return ConnectionState::Offline; }, {}};
};

void BM_ShowEditorWithFullBase(benchmark::State& state) {
  FullBase base;
  TProgramowanieTowarow window(base.session);
  for (auto _ : state) {
    window.FormShow();
    if (window.rowCount() != GoodsRecord::kLastNumber) state.SkipWithError("list not full");
  }
}
BENCHMARK(BM_ShowEditorWithFullBase)->Unit(benchmark::kMillisecond);

void BM_AddToFullBase(benchmark::State& state) {
  FullBase base;
  GoodsEditor editor(base.session);
  GoodsForm form;
  form.number = QStringLiteral("1000");
  form.price = QStringLiteral("12,50");
  int i = 0;
  for (auto _ : state) {
    form.name = QStringLiteral("Nowa nazwa %1").arg(++i);
    if (editor.Add(form).status != GoodsEditor::AddResult::Status::Stored)
      state.SkipWithError("not stored");
  }
}
BENCHMARK(BM_AddToFullBase)->Unit(benchmark::kMillisecond);

// The add as the window runs it: the check, the write and the refilled list.
void BM_AddInWindowWithFullBase(benchmark::State& state) {
  FullBase base;
  TProgramowanieTowarow window(base.session);
  window.FormShow();
  int i = 0;
  for (auto _ : state) {
    GoodsForm form = window.form();
    form.number = QStringLiteral("1000");
    form.name = QStringLiteral("Nowa nazwa %1").arg(++i);
    form.price = QStringLiteral("12,50");
    if (!window.storeFromEdit(form)) state.SkipWithError("not stored");
  }
}
BENCHMARK(BM_AddInWindowWithFullBase)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
