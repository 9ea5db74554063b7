#pragma once
// The discovery file that names the service: "***%" host "*" path "***".

#include <optional>
#include <string>
#include <string_view>

namespace qor::online {

// The service address a discovery file names.
struct ServiceAddress {
    std::string Host; // host name, may carry ":port"
    std::string Path; // script path
};

// The address in the content of a discovery file (the bytes of its one read); nothing when
// the content does not have the expected shape.
std::optional<ServiceAddress> ParseDiscovery(std::string_view content);
// The discovery file the service publishes for an address.
std::string MakeDiscovery(const ServiceAddress& address);

} // namespace qor::online
