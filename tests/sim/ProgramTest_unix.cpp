#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "link/Frame.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/QtSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

// The duna-sim program itself on a pseudo-terminal, as ./duna.sh starts it.
namespace {

QByteArray ReadFrom(int fd, int count, int timeoutMs) {
  QByteArray out;
  QElapsedTimer t;
  t.start();
  while (out.size() < count && t.elapsed() < timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, int(timeoutMs - t.elapsed())) <= 0) break;
    char b[256];
    const ssize_t n = read(fd, b, size_t(qMin<qsizetype>(sizeof b, count - out.size())));
    if (n <= 0) break;
    out.append(b, int(n));
  }
  return out;
}

class SimProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFileInfo(DUNA_SIM_PROGRAM).isExecutable())
        << "build the duna-sim target first: " << DUNA_SIM_PROGRAM;
    ports = dir.filePath("ports");
    journal = dir.filePath("journal.txt");
  }
  void TearDown() override {
    if (sim.state() != QProcess::NotRunning) {
      sim.kill();
      sim.waitForFinished(5000);
    }
  }
  QString start(const QStringList& extra = {}) {
    sim.start(DUNA_SIM_PROGRAM, QStringList{"--port-dir", ports, "--journal", journal} + extra);
    if (!sim.waitForStarted(5000)) return {};
    while (!sim.canReadLine())
      if (!sim.waitForReadyRead(10000)) return {};
    return QString::fromUtf8(sim.readLine()).trimmed();
  }

  QTemporaryDir dir;
  QString ports, journal;
  QProcess sim;
};

TEST_F(SimProgram, PrintsItsReadyLineAnswersAQueryJournalsAndRemovesItsLinkOnSigterm) {
  const QString ready = start({"--com", "7", "--demo"});
  const QString link = ports + "/COM7";
  ASSERT_TRUE(ready.startsWith("COM7 /dev/")) << ready.toStdString();
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), ready.section(' ', 1));

  const int fd = ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios t{};
  tcgetattr(fd, &t);
  cfmakeraw(&t);
  tcsetattr(fd, TCSANOW, &t);
  const QByteArray query = MakeFrame(1, 10, frame::kSingleFrame, 'Q', QByteArray(1, '\0'));
  ASSERT_EQ(::write(fd, query.constData(), size_t(query.size())), query.size());
  const QByteArray answer = ReadFrom(fd, 10, 5000);
  ::close(fd);
  EXPECT_EQ(answer.toHex(' '), QByteArray("02 01 0a 00 01 80 41 00 cb 03"));

  sim.terminate();  // SIGTERM
  ASSERT_TRUE(sim.waitForFinished(5000));
  EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_FALSE(QFileInfo(link).isSymLink());
  EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());  // the ready line was the only one

  QFile j(journal);
  ASSERT_TRUE(j.open(QIODevice::ReadOnly));
  EXPECT_EQ(j.readAll(), QByteArray("RX 02 01 0A 00 01 80 51 00 DB 03\n"
                                    "TX 02 01 0A 00 01 80 41 00 CB 03\n"));
}

TEST_F(SimProgram, ProgramsSerialDeviceOpensItsPortAndDownloadsTheDemoGoods) {
  const QString ready = start({"--com", "5", "--demo", "--baud", "115200"});
  ASSERT_TRUE(ready.startsWith("COM5 "));
  const QByteArray saved = qgetenv("DUNA_PORT_DIR");
  qputenv("DUNA_PORT_DIR", ports.toLocal8Bit());
  QtSerialDevice device;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link(device, prompts, clock);
  link.PortSettings.Port = 5;
  ASSERT_EQ(link.OpenPort(true), 0) << prompts.texts().join('|').toStdString();
  link.FlushInput();
  ASSERT_EQ(link.SendFrame(MakeFrame(1, 11, 1, 'T', QByteArray(2, '\0'))), 0);
  QList<int> numbers;
  const DownloadOutcome out =
      ReadRecords(link, 91, 0, [&](const quint8* f, int) { numbers << (f[7] | f[8] << 8); });
  EXPECT_EQ(out.last, RecvLast);
  EXPECT_EQ(numbers.size(), 15);
  EXPECT_EQ(numbers.value(14), 15);
  link.ClosePort();
  saved.isNull() ? qunsetenv("DUNA_PORT_DIR") : qputenv("DUNA_PORT_DIR", saved);
  EXPECT_TRUE(prompts.shown().isEmpty()) << prompts.texts().join('|').toStdString();
}

TEST_F(SimProgram, TakesTheFirstFreeNumberAndALinkLeftByARegisterThatIsGone) {
  ASSERT_TRUE(QDir().mkpath(ports));
  QFile::link("/dev/null", ports + "/COM1");            // a live device: taken
  QFile::link("/nonexistent/pts/99", ports + "/COM2");  // dangling: reused
  EXPECT_TRUE(start().startsWith("COM2 "));
}

TEST_F(SimProgram, RefusesABadCommandLineAndHelpsInPolish) {
  sim.start(DUNA_SIM_PROGRAM, {"--com", "100"});
  ASSERT_TRUE(sim.waitForFinished(5000));
  EXPECT_EQ(sim.exitCode(), 2);
  EXPECT_TRUE(QString::fromUtf8(sim.readAllStandardError()).contains("--com"));

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LANG", "pl_PL.UTF-8");
  env.remove("LC_ALL");
  env.remove("LC_MESSAGES");
  sim.setProcessEnvironment(env);
  sim.start(DUNA_SIM_PROGRAM, {"--help"});
  ASSERT_TRUE(sim.waitForFinished(5000));
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(sim.readAllStandardOutput()).contains("Użycie: duna-sim"));
}

}  // namespace
