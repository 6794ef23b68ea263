#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "link/Frame.h"
#include "link/Replies.h"
#include "link/TRegisterLink.h"
#include "platform/QtSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

namespace {

// The register end of a pseudo-terminal whose device is linked as COM<n>.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
      device_ = QString::fromLocal8Bit(ptsname(master_));
  }
  ~PseudoTerminal() {
    if (master_ >= 0) ::close(master_);
  }
  bool ok() const { return !device_.isEmpty(); }
  const QString& device() const { return device_; }

  void send(const QByteArray& b) const {
    ASSERT_EQ(::write(master_, b.constData(), size_t(b.size())), b.size());
  }
  // Bytes from the PC, waiting for up to count of them as they come.
  QByteArray receive(int count) const {
    QByteArray out;
    pollfd p{master_, POLLIN, 0};
    while (out.size() < count && ::poll(&p, 1, 5000) > 0) {
      char buf[256];
      const ssize_t n = ::read(master_, buf, sizeof buf);
      if (n <= 0) break;
      out.append(buf, qsizetype(n));
    }
    return out;
  }

 private:
  int master_ = -1;
  QString device_;
};

TEST(PseudoTerminal, FrameAndAnswerThroughAComLink) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray previous = qgetenv("DUNA_PORT_DIR");
  qputenv("DUNA_PORT_DIR", dir.path().toLocal8Bit());
  ASSERT_TRUE(QFile::link(pty.device(), dir.filePath("COM42")));

  QtSerialDevice serial;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link(serial, prompts, clock);
  link.PortSettings.Port = 42;
  ASSERT_EQ(link.OpenPort(true), 0) << prompts.texts().join('|').toStdString();
  EXPECT_EQ(serial.devicePath(), dir.filePath("COM42"));
  EXPECT_EQ(link.FlushInput(), 0);

  const QByteArray request = MakeFrame(1, 11, 1, 'T');
  EXPECT_EQ(link.SendFrame(request), 0);
  EXPECT_EQ(link.timeouts(), (TRegisterLink::Timeouts{10, 1000, 20, 10}));
  EXPECT_EQ(pty.receive(int(request.size())).toHex(' '), "02 01 0b 00 01 00 54 00 00 5f 03");

  // An error answer arrives; its 11th byte must not spoil the next answer.
  pty.send(MakeFrame(1, 11, frame::kSingleFrame, 0x41, QByteArray("\0\x13", 2)));
  pty.send(MakeFrame(1, 10, frame::kSingleFrame, 0x06, QByteArray(1, '\0')));
  EXPECT_EQ(ReadReply(link), ReplyError);
  EXPECT_EQ(link.ReceiveBuffer[kErrorCodeAt], 0x13);
  EXPECT_EQ(ReadReply(link), ReplyOk);
  EXPECT_TRUE(prompts.shown().isEmpty());

  link.ClosePort();
  EXPECT_FALSE(link.isOpen());
  if (previous.isNull())
    qunsetenv("DUNA_PORT_DIR");
  else
    qputenv("DUNA_PORT_DIR", previous);
}

TEST(PseudoTerminal, MissingLinkTargetFailsWithThePortsMessage) {
  QTemporaryDir dir;
  qputenv("DUNA_PORT_DIR", dir.path().toLocal8Bit());
  ASSERT_TRUE(QFile::link(dir.filePath("gone"), dir.filePath("COM5")));
  QtSerialDevice serial;
  RecordingPrompts prompts;
  VirtualClock clock;
  TRegisterLink link(serial, prompts, clock);
  link.PortSettings.Port = 5;
  EXPECT_EQ(link.OpenPort(true), 1);
  EXPECT_EQ(prompts.messages(), QStringList{"Nie mogę otworzyć portu COM5."});
  EXPECT_EQ(link.PortSettings.Port, TPortSettings::kNoPort);
  qunsetenv("DUNA_PORT_DIR");
}

TEST(PseudoTerminal, StalledBytesGoOutOnceAndAreDroppedForAnotherFrame) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  QTemporaryDir dir;
  qputenv("DUNA_PORT_DIR", dir.path().toLocal8Bit());
  ASSERT_TRUE(QFile::link(pty.device(), dir.filePath("COM8")));
  QtSerialDevice serial;
  ASSERT_EQ(serial.open(8, LineSettings{}), OpenResult::Opened);

  const QByteArray first = MakeFrame(1, 40, 1, 'R', "first");
  const QByteArray second = MakeFrame(1, 20, 1, 'R', "second");
  // No time to write: everything stays queued.
  WriteResult w = serial.write(first.constData(), int(first.size()), 0);
  EXPECT_EQ(w.status, WriteStatus::Partial);
  EXPECT_EQ(w.written, 0);
  // The retry from where it stopped sends the frame once.
  w = serial.write(first.constData() + w.written, int(first.size()) - w.written, 1000);
  EXPECT_EQ(w.status, WriteStatus::Done);
  EXPECT_EQ(pty.receive(int(first.size())), first);

  // Abandoned bytes do not lead the next frame.
  EXPECT_EQ(serial.write(first.constData(), int(first.size()), 0).status, WriteStatus::Partial);
  EXPECT_EQ(serial.write(second.constData(), int(second.size()), 1000).status, WriteStatus::Done);
  EXPECT_EQ(pty.receive(int(second.size())), second);
  EXPECT_EQ(serial.lineStatus(), LineStatus::Clear);
  serial.close();
  qunsetenv("DUNA_PORT_DIR");
}

}  // namespace
