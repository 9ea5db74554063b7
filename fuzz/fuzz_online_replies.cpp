// Hostile bytes from the network: request bodies on the service, replies and downloaded files
// in the program. None may crash or read out of bounds.
#include "online/AccountReplies.h"
#include "online/Board.h"
#include "online/Discovery.h"
#include "online/DriverUpdates.h"
#include "online/FormFields.h"
#include "online/GuessGame.h"
#include "online/PasswordCodec.h"
#include "online/ReplyFraming.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qor::online;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FormFields fields = FormFields::Parse(text);
    (void)DecodeLoginPassword(fields.Value("data"));
    (void)DecodePasswordChange(fields.Value("data"), static_cast<int>(size));
    (void)ParseDiscovery(text);
    (void)ParseDriverUpdates(text);
    // The same bytes as a reply arriving in blocks of a size taken from the input.
    const std::size_t block = size > 0 ? 1 + data[0] % 64 : 1;
    ReplyAssembler assembler(4000, true);
    for (std::size_t i = 0; i < size; i += block)
        assembler.Feed(text.data() + i, std::min(block, size - i));
    (void)ParseLoginReply(assembler.Payload());
    (void)ParseStatusReply(assembler.Payload());
    (void)ParseLoginReply(text);
    std::string board(text);
    (void)TakeRating(board);
    (void)ParseBoardPage(board);
    (void)ParseGuessReply(text);
    return 0;
}
