// duna-sim: the simulated register on a pseudo-terminal.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "sim/ControlConsole.h"
#include "sim/JournalLine.h"
#include "sim/PtyServer.h"
#include "sim/SimOptions.h"

namespace {

void Say(const QString& text) {
  const QByteArray b = text.toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
  if (!b.endsWith('\n')) std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  sim::SimOptions options = sim::ParseOptions(args);
  if (options.help) {
    const QByteArray help = sim::HelpText(sim::PreferEnglish()).toUtf8();
    std::fwrite(help.constData(), 1, size_t(help.size()), stdout);
    return 0;
  }
  if (!options.error.isEmpty()) {
    Say(QStringLiteral("duna-sim: %1 (zobacz --help)").arg(options.error));
    return 2;
  }

  sim::RegisterModel model;
  if (options.demo) model.fillDemo();
  sim::ProtocolEngine engine(model, options.engine);
  engine.faults() = options.faults;

  QFile journal(options.journalFile), paper(options.paperFile);
  for (QFile* f : {&journal, &paper}) {
    if (f->fileName().isEmpty()) continue;
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append)) {
      Say(QStringLiteral("duna-sim: nie mogę otworzyć pliku %1").arg(f->fileName()));
      return 1;
    }
  }
  if (journal.isOpen())
    engine.onJournal = [&journal](bool received, const QByteArray& bytes) {
      journal.write(sim::JournalLine(received, bytes));
      journal.flush();
    };
  if (paper.isOpen())
    engine.onPaper = [&paper](const QString& text) {
      paper.write(text.toUtf8());
      paper.flush();
    };

  const int stopFd = sim::PtyServer::stopSignals();
  sim::PtyServer server(engine);
  QString error;
  if (!server.open(&error)) {
    Say(QStringLiteral("duna-sim: %1").arg(error));
    return 1;
  }
  const int com = server.link(options.portDir, options.com, &error);
  if (com == 0) {
    Say(QStringLiteral("duna-sim: %1").arg(error));
    return 1;
  }
  std::printf("COM%d %s\n", com, qPrintable(server.devicePath()));
  std::fflush(stdout);

  sim::ControlConsole console(engine);
  server.serve(stopFd, sim::PtyServer::kStandardInput, [&](const QString& line) {
    const QString reply = console.execute(line, sim::PtyServer::nowUs());
    if (!reply.isEmpty()) Say(reply);
    return !console.quitRequested();
  });
  server.removeLink();
  return 0;
}
