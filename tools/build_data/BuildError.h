#pragma once
// The one failure of the data builder: the source says something it cannot map faithfully.

#include <stdexcept>
#include <string>

namespace qor::tools {

// Raised with a message naming the source row or name that could not be mapped.
class BuildError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace qor::tools
