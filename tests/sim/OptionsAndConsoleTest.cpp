#include <gtest/gtest.h>

#include "sim/ControlConsole.h"
#include "sim/SimOptions.h"

namespace {

QStringList Args(const char* line) {
  return QString::fromLatin1(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(SimOptions, CommandLineAsDunaShUsesItAndTheFaultOptions) {
  const sim::SimOptions o = sim::ParseOptions(Args(
      "--demo --port-dir /tmp/p --com 1 --journal j.txt --paper p.txt --baud 115200 "
      "--info short --error 19@3 --bad-checksum=2 --silent --paper-out --busy-ms 700 --ack-zero"));
  EXPECT_TRUE(o.error.isEmpty()) << o.error.toStdString();
  EXPECT_TRUE(o.demo);
  EXPECT_EQ(o.portDir, "/tmp/p");
  EXPECT_EQ(o.com, 1);
  EXPECT_EQ(o.journalFile, "j.txt");
  EXPECT_EQ(o.paperFile, "p.txt");
  EXPECT_EQ(o.engine.baud, 115200);
  EXPECT_FALSE(o.engine.longInfo);
  EXPECT_FALSE(o.engine.completionStatus);
  EXPECT_TRUE(o.faults.paperOut);
  EXPECT_EQ(o.faults.busyMs, 700);
  EXPECT_TRUE(o.faults.error.armed);
  EXPECT_EQ(o.faults.error.value, 19);
  EXPECT_EQ(o.faults.error.remaining, 3);
  EXPECT_EQ(o.faults.badChecksum.remaining, 2);
  EXPECT_EQ(o.faults.silence.remaining, 1);
}

TEST(SimOptions, WrongValuesAreReported) {
  for (const char* bad : {"--com 0", "--com 100", "--com", "--baud x", "--info medium",
                          "--error 300", "--error 5@0", "--short=0", "--whatever"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(sim::ParseOptions(Args(bad)).error.isEmpty());
  }
}

TEST(SimOptions, DefaultPortFolderFollowsTheEnvironment) {
  const QByteArray own = qgetenv("DUNA_PORT_DIR"), runtime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("DUNA_PORT_DIR", "/tmp/own-ports");
  EXPECT_EQ(sim::ParseOptions({}).portDir, "/tmp/own-ports");
  qunsetenv("DUNA_PORT_DIR");
  qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
  EXPECT_EQ(sim::ParseOptions({}).portDir, "/run/user/1000/duna-ports");
  own.isNull() ? qunsetenv("DUNA_PORT_DIR") : qputenv("DUNA_PORT_DIR", own);
  runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtime);
}

TEST(ControlConsole, SellsTogglesPaperAndArmsFaults) {
  sim::RegisterModel model;
  model.fillDemo();
  sim::ProtocolEngine engine(model);
  sim::ControlConsole console(engine);
  const sim::Layout& gl = sim::layouts::GoodsRegister();
  const qint64 before =
      sim::GetField(gl, model.record(sim::TableId::Goods, 4), sim::FieldId::SoldValue);
  EXPECT_TRUE(
      console.execute("sprzedaj 4 0,5", 0).startsWith(QString::fromUtf8("Sprzedano 0,5000 x Ser")));
  EXPECT_EQ(sim::GetField(gl, model.record(sim::TableId::Goods, 4), sim::FieldId::SoldValue),
            before + 1500);  // half of 29,99, rounded
  EXPECT_TRUE(console.execute("sell 3 0.5", 0).contains(QString::fromUtf8("całych sztukach")));
  EXPECT_TRUE(console.execute("sprzedaj 999 1", 0).contains("nie istnieje"));
  EXPECT_EQ(console.execute("papier", 0), QString::fromUtf8("Brak papieru."));
  EXPECT_TRUE(engine.faults().paperOut);
  EXPECT_EQ(console.execute("paper", 0), QString::fromUtf8("Papier włożony."));
  console.execute("blad 19", 0);
  EXPECT_TRUE(engine.faults().error.armed);
  EXPECT_TRUE(console.execute("stan", 0).contains("Towary: 15"));
  EXPECT_TRUE(console.execute("pomoc", 0).contains("sprzedaj"));
  EXPECT_TRUE(console.execute("xyz", 0).contains("Nieznane polecenie"));
  EXPECT_FALSE(console.quitRequested());
  console.execute("koniec", 0);
  EXPECT_TRUE(console.quitRequested());
}

}  // namespace
