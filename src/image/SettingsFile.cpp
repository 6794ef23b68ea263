#include "image/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "image/RecordCodec.h"

namespace settings_file {
namespace {

struct SettingsField {
  RecordField<TPortSettings> field;
  bool (*valid)(quint32);
};

bool ValidPort(quint32 v) {
  return (v >= 1 && v <= 99) || v == TPortSettings::kNoPort;
}
bool ValidBaud(quint32 v) {
  return std::find(std::begin(kBaudRates), std::end(kBaudRates), v) != std::end(kBaudRates);
}
bool ValidByteSize(quint32 v) {
  return v >= 5 && v <= 8;
}
bool ValidParity(quint32 v) {
  return v <= 4;
}
bool ValidStopBits(quint32 v) {
  return v <= 2;
}
bool ValidFlag(quint32 v) {
  return v <= 1;
}

// Byte 0 is not used and written as 0.
const SettingsField kLayout[] = {
    {{"Port", 1, 1, FieldEncoding::U8, &TPortSettings::Port}, ValidPort},
    {{"BaudRate", 2, 4, FieldEncoding::U32, &TPortSettings::BaudRate}, ValidBaud},
    {{"ByteSize", 6, 1, FieldEncoding::U8, &TPortSettings::ByteSize}, ValidByteSize},
    {{"Parity", 7, 1, FieldEncoding::U8, &TPortSettings::Parity}, ValidParity},
    {{"StopBits", 8, 1, FieldEncoding::U8, &TPortSettings::StopBits}, ValidStopBits},
    {{"XonXoff", 9, 1, FieldEncoding::U8, &TPortSettings::XonXoff}, ValidFlag},
    {{"RtsCts", 10, 1, FieldEncoding::U8, &TPortSettings::RtsCts}, ValidFlag},
};

QString PathIn(const QString& folder) {
  return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

}  // namespace

StoredSettings DecodeSettings(const QByteArray& content) {
  StoredSettings s;
  const auto* data = reinterpret_cast<const quint8*>(content.constData());
  for (const SettingsField& f : kLayout) {
    if (f.field.end() > content.size()) continue;
    if (!f.valid(record_codec::DecodeNumber(f.field.encoding, data + f.field.offset))) continue;
    DecodeField(f.field, data, s.port);
  }
  for (int i = 0; i < kReservedWidth && kReservedAt + i < content.size(); ++i)
    s.reserved[static_cast<size_t>(i)] = data[kReservedAt + i];
  return s;
}

StoredSettings LoadSettings(const QString& folder) {
  QFile file(PathIn(folder));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeSettings(file.read(kFileSize));
}

QByteArray EncodeSettings(const StoredSettings& settings) {
  QByteArray out(kFileSize, '\0');
  auto* data = reinterpret_cast<quint8*>(out.data());
  for (const SettingsField& f : kLayout) EncodeField(f.field, settings.port, data);
  for (int i = 0; i < kReservedWidth; ++i)
    data[kReservedAt + i] = settings.reserved[static_cast<size_t>(i)];
  return out;
}

bool StoreSettings(const QString& folder, const StoredSettings& settings) {
  QSaveFile file(PathIn(folder));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(EncodeSettings(settings)) != kFileSize) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace settings_file
