#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editors/EditorSession.h"
#include "image/GoodsRecord.h"
#include "image/NewImage.h"
#include "image/TDatabaseImage.h"
#include "link/TRegisterLink.h"
#include "sim/ProtocolEngine.h"
#include "sim/RecordLayout.h"
#include "sim/RegisterModel.h"
#include "sim/SimSerialDevice.h"
#include "support/RecordingPrompts.h"
#include "support/VirtualClock.h"

// A new base in a temporary working copy and the simulated register on port 1,
// in the same process; pauses go to the virtual clock. The register holds
// goods group 1, so records of a new base pass its checks.
class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture() {
    EXPECT_TRUE(dir.isValid());
    EXPECT_TRUE(image.Open(dir.filePath(QStringLiteral("BDTemp.bdt"))));
    EXPECT_TRUE(image.Replace(new_image::Build(1, QStringLiteral("PLN"))));
    quint8* g = model.slot(sim::TableId::Groups, 1);
    sim::SetField(sim::layouts::GroupRegister(), g, sim::FieldId::Number, 1);
    sim::SetText(sim::layouts::GroupRegister(), g, sim::FieldId::Name, "Grupa podstawowa");
    engine.onJournal = [this](bool fromPc, const QByteArray& bytes) {
      if (fromPc) received.append(bytes);
    };
    link.PortSettings.Port = 1;
    EXPECT_EQ(link.OpenPort(false), 0);
  }

  GoodsRecord Goods(int n, const QString& name, qint32 price = 100) {
    GoodsRecord r;
    r.Number = quint16(n);
    r.Name = name;
    r.PtuLetter = 'A';
    r.Price = price;
    r.Group = 1;
    r.WholePieces = 1;
    return r;
  }
  void Put(int n, const QString& name, qint32 price = 100) {
    ASSERT_TRUE(image.WriteGoodsRecord(Goods(n, name, price)));
  }
  // Lets the register take in what the PC sent last (an acknowledgement that
  // nothing reads an answer to), so the journal holds it.
  void Settle() {
    char sink[16];
    device.read(sink, 0, 10);
  }
  // Frames of one command the register received, requests included.
  QList<QByteArray> ReceivedWithCommand(char command) const {
    QList<QByteArray> out;
    for (const QByteArray& f : received)
      if (f.size() >= 11 && f[6] == command) out.append(f);
    return out;
  }

  QTemporaryDir dir;
  TDatabaseImage image;
  RecordingPrompts prompts;
  VirtualClock clock;
  sim::RegisterModel model;
  sim::ProtocolEngine engine{model};
  sim::SimSerialDevice device{engine, 1, &clock};
  TRegisterLink link{device, prompts, clock};
  ConnectionState state = ConnectionState::OnlineWithFile;
  int modifiedMarks = 0;
  EditorSession session{
      image, link, prompts, clock, [this] { return state; }, [this] { ++modifiedMarks; }};
  QList<QByteArray> received;
};
