#include "online/Discovery.h"

#include "online/Protocol.h"

namespace qor::online {

std::optional<ServiceAddress> ParseDiscovery(std::string_view content) {
    if (content.size() <= 5 || content.substr(0, 3) != "***" ||
        content.substr(content.size() - 3) != "***")
        return std::nullopt;
    std::string_view inner = content.substr(3, content.size() - 6);
    if (inner.empty() || inner.front() != '%') return std::nullopt;
    inner.remove_prefix(1);
    const auto star = inner.find('*');
    // The separator must stand after the first character and before the last one.
    if (star == std::string_view::npos || star < 1 || star + 1 >= inner.size()) return std::nullopt;
    return ServiceAddress{std::string(inner.substr(0, star)),
                          std::string(inner.substr(star + 1).substr(0, DiscoveryPathMax))};
}

std::string MakeDiscovery(const ServiceAddress& address) {
    return "***%" + address.Host + "*" + address.Path + "***";
}

} // namespace qor::online
