#pragma once
// Reading a request body on the service: the program's unencoded bodies (with their trailing
// zero byte) and properly percent-encoded ones alike.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::online {

// The fields of one body, in the order they came.
class FormFields {
  public:
    // Splits at "&" and the first "=" of each field; "%XX" is decoded, a "%" not followed by
    // two hex digits stays as it is, "+" stays "+" (the program never encodes). A trailing
    // zero byte and anything after a zero byte are ignored.
    static FormFields Parse(std::string_view body);

    // The first value of a field, or nothing when the field is absent.
    std::optional<std::string_view> Get(std::string_view name) const;
    // The value, or empty when absent.
    std::string_view Value(std::string_view name) const { return Get(name).value_or(""); }
    const std::vector<std::pair<std::string, std::string>>& All() const { return fields_; }

  private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

// A value percent-encoded for a body: letters, digits and "-._~*" stay, the rest is "%XX".
std::string PercentEncode(std::string_view value);

} // namespace qor::online
