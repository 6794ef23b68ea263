#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "platform/PortNames.h"
#include "sim/PtyServer.h"

namespace sim {

namespace {
constexpr int kReadChunk = 4096;
constexpr qint64 kNsPerUs = 1000;
constexpr qint64 kUsPerSecond = 1000000;

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
  const char c = 1;
  // Only an async-signal-safe write here; the serving loop sees the pipe.
  [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &c, 1);
}

bool LinkLeadsNowhere(const QByteArray& path) {
  struct stat st {};
  return lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode) &&
         stat(path.constData(), &st) != 0;
}
}  // namespace

PtyServer::~PtyServer() {
  removeLink();
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

qint64 PtyServer::nowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

int PtyServer::stopSignals() {
  if (g_stopPipe[0] >= 0) return g_stopPipe[0];
  if (pipe(g_stopPipe) != 0) return -1;
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
  return g_stopPipe[0];
}

bool PtyServer::open(QString* error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    *error = QStringLiteral("nie mogę otworzyć pseudoterminala: %1")
                 .arg(QString::fromLocal8Bit(strerror(errno)));
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    *error = QStringLiteral("brak nazwy pseudoterminala");
    return false;
  }
  device_ = QString::fromLocal8Bit(name);
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    *error = QStringLiteral("nie mogę otworzyć %1: %2")
                 .arg(device_, QString::fromLocal8Bit(strerror(errno)));
    return false;
  }
  // Raw bytes both ways until the program sets the line up itself.
  termios t{};
  tcgetattr(slave_, &t);
  cfmakeraw(&t);
  tcsetattr(slave_, TCSANOW, &t);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

int PtyServer::link(const QString& dir, int com, QString* error) {
  if (!QDir().mkpath(dir)) {
    *error = QStringLiteral("nie mogę utworzyć folderu portów %1").arg(dir);
    return 0;
  }
  const QByteArray target = device_.toLocal8Bit();
  const int first = com ? com : ports::kFirstPort;
  const int last = com ? com : ports::kLastPort;
  for (int n = first; n <= last; ++n) {
    const QString path = QDir(dir).filePath(QStringLiteral("COM%1").arg(n));
    const QByteArray p = path.toLocal8Bit();
    if (symlink(target.constData(), p.constData()) != 0) {
      if (errno != EEXIST) {
        *error = QStringLiteral("nie mogę utworzyć %1: %2")
                     .arg(path, QString::fromLocal8Bit(strerror(errno)));
        return 0;
      }
      // A link left by a register that is gone is taken over.
      if (!LinkLeadsNowhere(p) || ::unlink(p.constData()) != 0 ||
          symlink(target.constData(), p.constData()) != 0)
        continue;
    }
    link_ = path;
    return n;
  }
  *error = com ? QStringLiteral("port COM%1 jest zajęty w %2").arg(com).arg(dir)
               : QStringLiteral("brak wolnego numeru portu w %1").arg(dir);
  return 0;
}

void PtyServer::removeLink() {
  if (link_.isEmpty()) return;
  // Only our own link: another register may have taken the name since.
  const QByteArray p = link_.toLocal8Bit();
  char buf[4096];
  const ssize_t n = readlink(p.constData(), buf, sizeof buf - 1);
  if (n > 0 && QByteArray(buf, int(n)) == device_.toLocal8Bit()) ::unlink(p.constData());
  link_.clear();
}

void PtyServer::serve(int stopFd, int inputFd, const std::function<bool(const QString&)>& onLine) {
  QByteArray unsent, lineBuffer;
  char buf[kReadChunk];
  for (;;) {
    const qint64 now = nowUs();
    engine_.advance(now);
    unsent += engine_.takeOutput(now);
    while (!unsent.isEmpty()) {
      const ssize_t w = ::write(master_, unsent.constData(), size_t(unsent.size()));
      if (w <= 0) break;  // the line is full; the rest goes when it drains
      unsent.remove(0, qsizetype(w));
    }
    const qint64 next = engine_.nextEventUs();
    pollfd fds[3] = {{master_, short(POLLIN | (unsent.isEmpty() ? 0 : POLLOUT)), 0},
                     {stopFd, POLLIN, 0},
                     {inputFd, POLLIN, 0}};
    timespec wait{};
    timespec* timeout = nullptr;
    if (next != ProtocolEngine::kNever) {
      const qint64 us = qMax<qint64>(0, next - nowUs());
      wait.tv_sec = time_t(us / kUsPerSecond);
      wait.tv_nsec = long((us % kUsPerSecond) * kNsPerUs);
      timeout = &wait;
    }
    const nfds_t count = inputFd >= 0 ? 3 : 2;
    const qint64 waitFrom = nowUs();
    if (ppoll(fds, count, timeout, nullptr) < 0 && errno != EINTR) return;
    if (fds[1].revents) return;
    if (fds[0].revents & POLLIN) {
      const ssize_t r = ::read(master_, buf, sizeof buf);
      if (r > 0) engine_.receive(buf, int(r), nowUs(), waitFrom);
    }
    if (count == 3 && fds[2].revents) {
      const ssize_t r = ::read(inputFd, buf, sizeof buf);
      if (r <= 0) {
        inputFd = -1;  // standard input closed: serve on without it
      } else {
        lineBuffer.append(buf, int(r));
        qsizetype nl;
        while ((nl = lineBuffer.indexOf('\n')) >= 0) {
          const QString line = QString::fromUtf8(lineBuffer.left(nl)).trimmed();
          lineBuffer.remove(0, nl + 1);
          if (!onLine(line)) return;
        }
      }
    }
  }
}

}  // namespace sim
