#pragma once
// The message board's replies: the rating element, the page elements and the message records,
// read by the program and written by the service.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::online {

// "*R:" average "*C:" count "_" at the start of a read reply.
struct BoardRating {
    std::string Average, Count;
};
// Takes the rating element off the front of the payload, when it is there.
std::optional<BoardRating> TakeRating(std::string& payload);

// One message record.
struct BoardMessage {
    std::string Id, Heading, User, Suffix, Flag, Text;
};

// A page of the board: the elements that stood before the first "*" and the records.
struct BoardPage {
    std::optional<int> PageCount; // already mended: not a number 10, 0 gives 1
    std::optional<std::string> Total, Page, ServerTime, Status;
    std::vector<BoardMessage> Messages;
};
BoardPage ParseBoardPage(std::string buffer);

// The "<Delete>" button of a message is enabled for its author (names compared in capitals)
// when its flag is "0".
bool CanDeleteMessage(const BoardMessage& message, std::string_view loginUser);
// Height of a message panel for a text of `lines` lines.
int MessagePanelHeight(int lines);
// The text as it is sent: trimmed, every "&" a blank (it would split the body).
std::string BoardSendText(std::string_view text);
// The 0-based page of the page chooser: its text as a number, else its item index; -1 is 0.
int BoardPageNumber(std::string_view chooserText, int itemIndex);

// The service's answers to an accepted send; any other answer is a refusal, shown as it came.
inline constexpr std::string_view BoardMessageSaved = "Your message is saved.",
                                  BoardMarkSaved = "Your mark is saved. Thank you.",
                                  BoardBothSaved = "Your message and your mark are saved.";
inline bool BoardSendAccepted(std::string_view payload) {
    return payload == BoardMessageSaved || payload == BoardMarkSaved || payload == BoardBothSaved;
}

// The service side: a record whose end-token never occurs in its text, and the page elements.
std::string FormatMessageRecord(const BoardMessage& message);
std::string FormatBoardElements(int pageCount, std::string_view total, int page,
                                std::string_view serverTime, std::string_view status);

} // namespace qor::online
