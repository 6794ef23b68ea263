#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "image/SettingsFile.h"

using settings_file::StoredSettings;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(content);
}

// A file with no field at its default.
const QByteArray kFull("\x00\x05\x00\x4B\x00\x00\x07\x02\x01\x01\x01\xA1\xB2\xC3", 14);

StoredSettings FullSettings() {
  StoredSettings s;
  s.port.Port = 5;
  s.port.BaudRate = 19200;
  s.port.ByteSize = 7;
  s.port.Parity = 2;
  s.port.StopBits = 1;
  s.port.XonXoff = 1;
  s.port.RtsCts = 1;
  s.reserved = {0xA1, 0xB2, 0xC3};
  return s;
}

}  // namespace

TEST(SettingsFile, MissingFileGivesTheDefaults) {
  QTemporaryDir dir;
  const StoredSettings s = settings_file::LoadSettings(dir.path());
  EXPECT_EQ(s.port.Port, 255);
  EXPECT_FALSE(s.port.hasPort());
  EXPECT_EQ(s.port.BaudRate, 115200u);
  EXPECT_EQ(s.port.ByteSize, 8);
  EXPECT_EQ(s.port.Parity, 0);
  EXPECT_EQ(s.port.StopBits, 0);
  EXPECT_EQ(s.port.XonXoff, 0);
  EXPECT_EQ(s.port.RtsCts, 0);
  EXPECT_EQ(s.reserved, (std::array<quint8, 3>{0, 0, 0}));
}

TEST(SettingsFile, RoundTripKeepsTheReservedBytesAndLeavesByteZeroZero) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("ustaw.cfg"), kFull);
  const StoredSettings s = settings_file::LoadSettings(dir.path());
  EXPECT_EQ(s, FullSettings());
  ASSERT_TRUE(settings_file::StoreSettings(dir.path(), s));
  QFile f(dir.filePath("ustaw.cfg"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), kFull);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ustaw.cfg"});
}

TEST(SettingsFile, ShortFileGivesWholeFieldsItHoldsAndDefaultsForTheRest) {
  const StoredSettings full = FullSettings();
  const StoredSettings defaults;
  for (int size = 0; size <= 14; ++size) {
    const StoredSettings s = settings_file::DecodeSettings(kFull.left(size));
    EXPECT_EQ(s.port.Port, size >= 2 ? full.port.Port : defaults.port.Port) << size;
    EXPECT_EQ(s.port.BaudRate, size >= 6 ? full.port.BaudRate : defaults.port.BaudRate) << size;
    EXPECT_EQ(s.port.ByteSize, size >= 7 ? 7 : 8) << size;
    EXPECT_EQ(s.port.RtsCts, size >= 11 ? 1 : 0) << size;
    EXPECT_EQ(s.reserved[2], size >= 14 ? 0xC3 : 0) << size;
    EXPECT_EQ(s.reserved[0], size >= 12 ? 0xA1 : 0) << size;
  }
  // Longer files: the first 14 bytes count.
  EXPECT_EQ(settings_file::DecodeSettings(kFull + QByteArray(100, '\x09')), full);
}

TEST(SettingsFile, FieldsOutsideTheirRangeTakeTheirDefaults) {
  using Set = std::function<void(TPortSettings&)>;
  const auto one = [](int v) { return QByteArray(1, static_cast<char>(v)); };
  const struct {
    int offset;
    QByteArray bytes;
    Set expect;  // what the field becomes, the rest staying as in the full file
  } cases[] = {
      {1, one(0), [](TPortSettings& p) { p.Port = 255; }},
      {1, one(1), [](TPortSettings& p) { p.Port = 1; }},
      {1, one(99), [](TPortSettings& p) { p.Port = 99; }},
      {1, one(100), [](TPortSettings& p) { p.Port = 255; }},
      {1, one(254), [](TPortSettings& p) { p.Port = 255; }},
      {1, one(255), [](TPortSettings& p) { p.Port = 255; }},
      {2, QByteArray("\x80\x25\x00\x00", 4), [](TPortSettings& p) { p.BaudRate = 9600; }},
      {2, QByteArray("\x81\x25\x00\x00", 4), [](TPortSettings& p) { p.BaudRate = 115200; }},
      {2, QByteArray("\x00\xE8\x03\x00", 4), [](TPortSettings& p) { p.BaudRate = 256000; }},
      {2, QByteArray("\x00\x00\x00\x00", 4), [](TPortSettings& p) { p.BaudRate = 115200; }},
      {6, one(4), [](TPortSettings& p) { p.ByteSize = 8; }},
      {6, one(5), [](TPortSettings& p) { p.ByteSize = 5; }},
      {6, one(9), [](TPortSettings& p) { p.ByteSize = 8; }},
      {7, one(4), [](TPortSettings& p) { p.Parity = 4; }},
      {7, one(5), [](TPortSettings& p) { p.Parity = 0; }},
      {8, one(2), [](TPortSettings& p) { p.StopBits = 2; }},
      {8, one(3), [](TPortSettings& p) { p.StopBits = 0; }},
      {9, one(2), [](TPortSettings& p) { p.XonXoff = 0; }},
      {10, one(255), [](TPortSettings& p) { p.RtsCts = 0; }},
  };
  for (const auto& c : cases) {
    QByteArray content = kFull;
    content.replace(c.offset, c.bytes.size(), c.bytes);
    StoredSettings expected = FullSettings();
    c.expect(expected.port);
    EXPECT_EQ(settings_file::DecodeSettings(content), expected)
        << "offset " << c.offset << " bytes " << c.bytes.toHex().constData();
  }
}

TEST(SettingsFile, StoredInTheGivenFolderWhateverIsCurrent) {
  QTemporaryDir startup, elsewhere;
  const QString before = QDir::currentPath();
  QDir::setCurrent(elsewhere.path());  // as a file dialog may leave it
  ASSERT_TRUE(settings_file::StoreSettings(startup.path(), FullSettings()));
  QDir::setCurrent(before);
  EXPECT_TRUE(QFile::exists(QDir(startup.path()).filePath("ustaw.cfg")));
  EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath("ustaw.cfg")));
  EXPECT_EQ(settings_file::LoadSettings(startup.path()), FullSettings());
}

TEST(SettingsFile, UnwritableFolderIsReportedAsFalseOnly) {
  QTemporaryDir dir;
  EXPECT_FALSE(settings_file::StoreSettings(dir.filePath("missing/folder"), FullSettings()));
  WriteFile(dir.filePath("x"), "");
  QDir(dir.path()).mkdir("ustaw.cfg");  // a folder where the file should be
  EXPECT_EQ(settings_file::LoadSettings(dir.path()), StoredSettings{});
}
