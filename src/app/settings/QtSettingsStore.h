#pragma once
// The per-user settings (language file, online options) in Qt's settings store: the desktop's
// configuration folder ("Qor/Qor.conf"), or a given file.

#include "settings/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace qor::app {

class QtSettingsStore : public SettingsStore {
  public:
    // The user's store for organisation and application "Qor".
    QtSettingsStore();
    // A store in an INI file of its own (tests, portable runs).
    explicit QtSettingsStore(const QString& iniPath);

    std::optional<std::string> Read(std::string_view name) const override;
    bool Write(std::string_view name, std::string_view value) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace qor::app
