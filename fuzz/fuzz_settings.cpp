// The settings file: read, write, read again. Whatever bytes the file holds,
// reading never fails in a way other than "unreadable"; a record that was
// read, once written, reads back; and writing what was read back gives the
// same bytes again (after one round every field has its written form).
#include <cstddef>
#include <cstdint>

#include <QByteArray>

#include "fuzz/fuzz_support.h"
#include "ui/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::optional<tamrisk::SettingsRecord> first = tamrisk::ParseSettings(bytes);
  if (!first) return 0;
  const QByteArray written = tamrisk::SerializeSettings(*first);
  const std::optional<tamrisk::SettingsRecord> second = tamrisk::ParseSettings(written);
  tamrisk::fuzz::Check(second.has_value(), "a written record reads back",
                       written.toStdString());
  const QByteArray again = tamrisk::SerializeSettings(*second);
  const std::optional<tamrisk::SettingsRecord> third = tamrisk::ParseSettings(again);
  tamrisk::fuzz::Check(third.has_value() && tamrisk::SerializeSettings(*third) == again,
                       "writing what was read back is stable", again.toStdString());
  return 0;
}
