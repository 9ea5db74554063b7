// Description texts of results.

#include "ResultText.h"

#include "BuildError.h"
#include "TextFit.h"
#include "text/Encoding.h"

#include <array>
#include <charconv>

namespace qor::tools {
namespace {

constexpr std::size_t kReasonCapacity = 45;

std::string WithReason(std::string_view head, std::string_view reason) {
    if (reason.empty()) return std::string(head);
    return FitByWords(std::string(head) + " - " + std::string(reason), kReasonCapacity);
}

} // namespace

std::optional<EntryStatus> ParseStatus(std::string_view position, int& pos) {
    pos = 0;
    constexpr std::array<std::pair<std::string_view, EntryStatus>, 8> codes = {{
        {"DNF", EntryStatus::DNF},
        {"DNS", EntryStatus::DNS},
        {"DNQ", EntryStatus::DNQ},
        {"DNPQ", EntryStatus::DNPQ},
        {"DSQ", EntryStatus::DSQ},
        {"EX", EntryStatus::EX},
        {"NC", EntryStatus::NC},
        {"DNP", EntryStatus::DNP},
    }};
    for (const auto& [code, status] : codes)
        if (position == code) return status;
    int v = 0;
    const auto [end, ec] = std::from_chars(position.data(), position.data() + position.size(), v);
    if (position.empty() || ec != std::errc() || end != position.data() + position.size() ||
        v < 1 || v > 255)
        return std::nullopt;
    pos = v;
    return EntryStatus::Classified;
}

StatusMark MarkOf(std::string_view text) {
    if (text.find("Disq") != std::string_view::npos) return StatusMark::Disq;
    if (text.find("DNS") != std::string_view::npos) return StatusMark::DNS;
    if (text.find("DNQ") != std::string_view::npos) return StatusMark::DNQ;
    if (text.find("DNPQ") != std::string_view::npos) return StatusMark::DNPQ;
    return StatusMark::None;
}

StatusMark ExpectedMark(EntryStatus status) {
    switch (status) {
    case EntryStatus::DNS:
    case EntryStatus::DNP:
        return StatusMark::DNS;
    case EntryStatus::DNQ:
        return StatusMark::DNQ;
    case EntryStatus::DNPQ:
        return StatusMark::DNPQ;
    case EntryStatus::DSQ:
    case EntryStatus::EX:
        return StatusMark::Disq;
    default:
        return StatusMark::None;
    }
}

std::string DescriptionText(EntryStatus status, std::string_view reason) {
    std::string text;
    switch (status) {
    case EntryStatus::Classified:
        text = FitByWords(reason, kReasonCapacity);
        break;
    case EntryStatus::DNF:
        text = reason.empty() ? std::string("Retired") : FitByWords(reason, kReasonCapacity);
        break;
    case EntryStatus::DNS:
        text = WithReason("DNS", reason);
        break;
    case EntryStatus::DNQ:
        text = WithReason("DNQ", reason);
        break;
    case EntryStatus::DNPQ:
        text = WithReason("DNPQ", reason);
        break;
    case EntryStatus::DSQ:
        text = reason.empty() ? "Disqualified" : WithReason("Disq", reason);
        break;
    case EntryStatus::EX:
        text = WithReason("Excluded (Disq)", reason);
        break;
    case EntryStatus::NC:
        text = WithReason("NC", reason);
        break;
    case EntryStatus::DNP:
        text = WithReason("DNS - Did not practise", reason);
        break;
    }
    if (MarkOf(text) != ExpectedMark(status))
        throw BuildError("the description \"" + Cp1254ToUtf8(text) +
                         "\" would be read as another status than its entry's");
    return text;
}

} // namespace qor::tools
