// A 2000-goods download from the simulated register on a pseudo-terminal with
// the line paced at 115200 baud: the time it takes against the wire time of
// its bytes (10 bits a byte, both directions).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <chrono>
#include <cstring>
#include <thread>

#include "link/Frame.h"
#include "sim/ProtocolEngine.h"
#include "sim/PtyServer.h"
#include "sim/RegisterModel.h"

namespace {

constexpr int kGoods = 2000;
constexpr int kGoodsFrame = 91;
constexpr int kRequest = 11;
constexpr int kAck = 10;
constexpr int kBaud = 115200;
constexpr int kBitsPerByte = 10;

bool ReadAll(int fd, char* dst, int n) {
  int got = 0;
  while (got < n) {
    const ssize_t r = read(fd, dst + got, size_t(n - got));
    if (r <= 0) return false;
    got += int(r);
  }
  return true;
}

void BM_PacedGoodsDownloadOnPty(benchmark::State& state) {
  sim::RegisterModel model;
  for (int n = 1; n <= kGoods; ++n) {
    quint8* p = model.slot(sim::TableId::Goods, n);
    p[0] = quint8(n & 0xFF);
    p[1] = quint8(n >> 8);
    std::memcpy(p + 2, "Towar", 5);
  }
  sim::EngineOptions options;
  options.baud = kBaud;
  sim::ProtocolEngine engine(model, options);
  sim::PtyServer server(engine);
  QString error;
  if (!server.open(&error)) {
    state.SkipWithError(qPrintable(error));
    return;
  }
  int stop[2];
  if (pipe(stop) != 0) return;
  std::thread serving([&] { server.serve(stop[0], -1, [](const QString&) { return true; }); });

  const int fd = open(server.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  // One read per data frame, as a serial driver hands over a whole frame.
  t.c_cc[VMIN] = kGoodsFrame;
  t.c_cc[VTIME] = 20;
  tcsetattr(fd, TCSANOW, &t);
  const QByteArray request = MakeFrame(1, kRequest, 1, 'T', QByteArray(2, '\0'));
  const QByteArray next =
      MakeFrame(1, kAck, 1, frame::kAckKind, QByteArray(1, char(frame::AckNext)));
  const QByteArray last =
      MakeFrame(1, kAck, 1, frame::kAckKind, QByteArray(1, char(frame::AckLast)));
  const double wireSeconds =
      double(kRequest + kGoods * (kGoodsFrame + kAck)) * kBitsPerByte / kBaud;

  double measured = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    [[maybe_unused]] ssize_t w = write(fd, request.constData(), size_t(request.size()));
    char f[kGoodsFrame];
    int frames = 0;
    while (ReadAll(fd, f, kGoodsFrame)) {
      ++frames;
      const bool isLast = (quint8(f[5]) & 0x80) != 0;
      const QByteArray& ack = isLast ? last : next;
      w = write(fd, ack.constData(), size_t(ack.size()));
      if (isLast) break;
    }
    measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (frames != kGoods) state.SkipWithError("download did not bring every goods");
    state.SetIterationTime(measured);
  }
  state.counters["wire_s"] = wireSeconds;
  state.counters["took_s"] = measured;
  state.counters["ratio"] = measured / wireSeconds;

  [[maybe_unused]] ssize_t w = write(stop[1], "x", 1);
  serving.join();
  close(fd);
  close(stop[0]);
  close(stop[1]);
}
BENCHMARK(BM_PacedGoodsDownloadOnPty)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
