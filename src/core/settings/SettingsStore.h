#pragma once
// Per-user settings kept outside the data file: the chosen language file, the date of the last
// shared-results check and the web host of the online features.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// Names of the stored values.
namespace setting {
inline constexpr std::string_view LanguageFile = "language_file";
inline constexpr std::string_view Access = "access";
inline constexpr std::string_view WebHost = "web_host";
} // namespace setting

// A small named-value store. Reading never creates anything; writing creates what it needs.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value, or nothing when the value or the whole store is missing.
    virtual std::optional<std::string> Read(std::string_view name) const = 0;
    // Stores the value; false when it could not be written.
    virtual bool Write(std::string_view name, std::string_view value) = 0;

    // A value that holds a number (such as the day count of "access"); nothing when the value
    // is missing or is not a number.
    std::optional<double> ReadNumber(std::string_view name) const;
    bool WriteNumber(std::string_view name, double value);
};

// Settings held in memory only: for tests and for runs that must not touch the user's files.
class MemorySettings : public SettingsStore {
  public:
    std::optional<std::string> Read(std::string_view name) const override;
    bool Write(std::string_view name, std::string_view value) override;
    // Number of values held (a read must never add one).
    std::size_t Size() const { return values_.size(); }

  private:
    std::map<std::string, std::string, std::less<>> values_;
};

} // namespace qor
