// "ustaw.cfg" of any length and content: every field that comes out is one
// the port can be opened with, and what is stored reads back the same.
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdlib>

#include "ScratchFolder.h"
#include "image/SettingsFile.h"

namespace {

bool Usable(const TPortSettings& p) {
  const bool port = (p.Port >= 1 && p.Port <= 99) || p.Port == TPortSettings::kNoPort;
  const bool baud =
      std::find(std::begin(kBaudRates), std::end(kBaudRates), p.BaudRate) != std::end(kBaudRates);
  return port && baud && p.ByteSize >= 5 && p.ByteSize <= 8 && p.Parity <= 4 && p.StopBits <= 2 &&
         p.XonXoff <= 1 && p.RtsCts <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString folder = ScratchFolder();
  const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));

  const settings_file::StoredSettings decoded = settings_file::DecodeSettings(content);
  if (!Usable(decoded.port)) std::abort();
  const QByteArray encoded = settings_file::EncodeSettings(decoded);
  if (encoded.size() != settings_file::kFileSize) std::abort();
  if (!(settings_file::DecodeSettings(encoded) == decoded)) std::abort();

  // The same through the file: only its first bytes count, whatever its length.
  QFile file(QDir(folder).filePath(QString::fromLatin1(settings_file::kFileName)));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(content);
  file.close();
  if (!(settings_file::LoadSettings(folder) == decoded)) std::abort();
  if (!settings_file::StoreSettings(folder, decoded)) std::abort();
  if (!(settings_file::LoadSettings(folder) == decoded)) std::abort();
  return 0;
}
