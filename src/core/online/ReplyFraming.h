#pragma once
// The "**********" framing of service replies: the payload between the first two markers.

#include <cstddef>
#include <string>
#include <string_view>

namespace qor::online {

// Assembles a payload from the blocks of one reply as they arrive. A marker is only
// recognised inside one block, as the program has always read them.
class ReplyAssembler {
  public:
    // keep: most characters kept after the start marker of the first block.
    explicit ReplyAssembler(std::size_t keep = 4000, bool takeServerMessage = false)
        : keep_(keep), takeServerMessage_(takeServerMessage) {}

    // Clears the payload and both flags before a request.
    void Reset();
    // One block: the first count bytes, ending early at a zero byte.
    void Feed(const char* block, std::size_t count);

    bool StartSeen() const { return startSeen_; }
    bool EndSeen() const { return endSeen_; }
    const std::string& Payload() const { return payload_; }
    // The "<*msg>" server message at the start of the payload, when asked to take it.
    const std::string& ServerMessage() const { return serverMessage_; }

  private:
    std::size_t keep_;
    bool takeServerMessage_;
    bool startSeen_ = false, endSeen_ = false;
    std::string payload_, serverMessage_;
};

// The payload of a whole reply; empty when it has no start marker.
std::string ExtractPayload(std::string_view reply);
// A reply body carrying payload (the service side).
std::string FramePayload(std::string_view payload);

} // namespace qor::online
