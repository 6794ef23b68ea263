// CPU cost of a 2000-record goods download through the register link and its
// readers: against a minimal in-process register that replays prebuilt frames
// (the link's own cost), and against the simulated register in the same process.
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

// Answers the goods request with kRecords frames, one per acknowledgement.
class ReplayDevice : public SerialDevice {
 public:
  ReplayDevice() {
    for (int n = 1; n <= kRecords; ++n) {
      QByteArray body(91 - frame::kMinLength, 'a');
      body[0] = char(n & 0xFF);
      body[1] = char(n >> 8);
      const quint16 field = quint16(n == kRecords ? (n | frame::kLastFrameBit) : n);
      frames_.append(MakeFrame(1, 91, field, 'T', body));
    }
  }
  OpenResult open(int, const LineSettings&) override {
    open_ = true;
    return OpenResult::Opened;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  int read(char* dst, int max, int) override {
    const int n = int(qMin<qsizetype>(max, pending_.size()));
    std::memcpy(dst, pending_.constData(), size_t(n));
    pending_.remove(0, n);
    return n;
  }
  WriteResult write(const char* src, int n, int) override {
    if (n == 11 && src[frame::kCommandAt] == 'T') next_ = 0;
    if (next_ < frames_.size() && (n == 11 || src[frame::kBodyAt] == frame::AckNext))
      pending_ += frames_[next_++];
    return {WriteStatus::Done, n};
  }
  void discardInput() override { pending_.clear(); }
  LineStatus lineStatus() override { return LineStatus::Clear; }

 private:
  QList<QByteArray> frames_;
  QByteArray pending_;
  qsizetype next_ = 0;
  bool open_ = false;
};

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

void BM_GoodsDownloadReplay(benchmark::State& state) {
  ReplayDevice device;
  download(state, device);
}
BENCHMARK(BM_GoodsDownloadReplay)->Unit(benchmark::kMillisecond);

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
