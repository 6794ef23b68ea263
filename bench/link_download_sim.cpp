// CPU cost of a 2000-record goods download through the register link against
// the simulated register in the same process (link, readers and register).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "commands/DownloadCommands.h"
#include "link/Frame.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "sim/ProtocolEngine.h"
#include "sim/RegisterModel.h"
#include "sim/SimSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

namespace {

constexpr int kRecords = 2000;

void download(benchmark::State& state, SerialDevice& device) {
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link(device, prompts, clock);
  link.PortSettings.Port = 1;
  if (link.OpenPort(false) != 0) {
    state.SkipWithError("port did not open");
    return;
  }
  qint64 records = 0;
  for (auto _ : state) {
    link.FlushInput();
    RequestTable(link, downloads::kGoods);
    quint32 sum = 0;
    const DownloadOutcome out =
        ReadRecords(link, downloads::kGoods.frameLength, downloads::kGoods.shortestFrame,
                    [&](const quint8* f, int) { sum += f[frame::kBodyAt]; });
    benchmark::DoNotOptimize(sum);
    if (out.records != kRecords || out.last != RecvLast) {
      state.SkipWithError("download did not bring every record");
      return;
    }
    records += out.records;
  }
  state.SetItemsProcessed(records);
  state.counters["per_record"] = benchmark::Counter(
      double(records), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GoodsDownloadSimulatedRegister(benchmark::State& state) {
  sim::RegisterModel model;
  for (int n = 1; n <= kRecords; ++n) {
    quint8* p = model.slot(sim::TableId::Goods, n);
    p[0] = quint8(n & 0xFF);
    p[1] = quint8(n >> 8);
    std::memcpy(p + 2, "Towar", 5);
  }
  sim::ProtocolEngine engine(model);
  VirtualClock clock;
  sim::SimSerialDevice device(engine, 1, &clock);
  download(state, device);
}
BENCHMARK(BM_GoodsDownloadSimulatedRegister)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
