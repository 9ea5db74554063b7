#pragma once
// Settings kept in a small "name=value" text file, for programs without a platform settings
// store (the command-line program).

#include "settings/SettingsStore.h"

#include <string>

namespace qor {

// A settings file: one "name=value" line per value under a "[Qor]" heading. Other lines are
// kept as they are when a value is written. Backslash, CR and LF inside a value are written
// as \\, \r and \n.
class IniFileSettings : public SettingsStore {
  public:
    explicit IniFileSettings(std::string path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/Qor/qor.ini, else $HOME/.config/Qor/qor.ini; empty when neither
    // variable is set.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }
    // A missing or unreadable file reads as an empty store and is not created.
    std::optional<std::string> Read(std::string_view name) const override;
    // Creates the file and its folders when needed and replaces the file as a whole.
    // Names must be non-empty and hold no '=', blank, CR or LF.
    bool Write(std::string_view name, std::string_view value) override;

  private:
    std::string path_;
};

} // namespace qor
