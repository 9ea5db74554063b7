#include "online/ReplyFraming.h"

#include "online/Protocol.h"

#include <cstring>

namespace qor::online {

void ReplyAssembler::Reset() {
    startSeen_ = endSeen_ = false;
    payload_.clear();
    serverMessage_.clear();
}

void ReplyAssembler::Feed(const char* block, std::size_t count) {
    if (endSeen_ || block == nullptr) return;
    const void* zero = std::memchr(block, 0, count);
    std::string_view text(block, zero ? static_cast<const char*>(zero) - block : count);
    if (!startSeen_) {
        const auto start = text.find(Marker);
        if (start == std::string_view::npos) return;
        startSeen_ = true;
        std::string_view rest = text.substr(start + Marker.size()).substr(0, keep_);
        if (const auto end = rest.find(Marker); end != std::string_view::npos) {
            endSeen_ = true;
            rest = rest.substr(0, end);
        }
        if (takeServerMessage_ && rest.substr(0, 6) == "<*msg>") {
            if (const auto close = rest.find("<:msg>"); close != std::string_view::npos) {
                serverMessage_ = std::string(rest.substr(6, close - 6));
                rest.remove_prefix(close + 6);
            }
        }
        payload_ += rest;
        return;
    }
    if (const auto end = text.find(Marker); end != std::string_view::npos) {
        endSeen_ = true;
        text = text.substr(0, end);
    }
    payload_ += text;
}

std::string ExtractPayload(std::string_view reply) {
    const auto start = reply.find(Marker);
    if (start == std::string_view::npos) return {};
    std::string_view rest = reply.substr(start + Marker.size());
    return std::string(rest.substr(0, rest.find(Marker)));
}

std::string FramePayload(std::string_view payload) {
    std::string out;
    out.reserve(payload.size() + 2 * Marker.size() + 1);
    out.append(Marker).append(payload).append(Marker).append("\n");
    return out;
}

} // namespace qor::online
