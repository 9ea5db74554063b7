#pragma once
// The description text (Reason) of a result, built from F1DB's status and retirement reason.

#include <optional>
#include <string>
#include <string_view>

namespace qor::tools {

// F1DB's entry status: a position, or one of its codes.
enum class EntryStatus { Classified, DNF, DNS, DNQ, DNPQ, DSQ, EX, NC, DNP };

// The status of F1DB's position field ("3", "DNF", "DNQ", ...); nullopt for anything else.
// `pos` receives the position of a classified entry and 0 otherwise.
std::optional<EntryStatus> ParseStatus(std::string_view position, int& pos);

// What the statistics read from a description: the first of "Disq", "DNS", "DNQ", "DNPQ"
// that the text contains, tested in that order; None for a finish or a retirement.
enum class StatusMark { None, Disq, DNS, DNQ, DNPQ };
StatusMark MarkOf(std::string_view text);
// The mark a description of this status must carry.
StatusMark ExpectedMark(EntryStatus status);

// The description of an entry (Windows-1254 in and out, at most 45 characters):
//   classified: the remark, or the empty text;      DNF: the reason, or "Retired";
//   DNS, DNQ, DNPQ: the code, then " - " and the reason when there is one;
//   DSQ: "Disqualified", or "Disq - " and the reason;
//   EX: "Excluded (Disq)", then " - " and the reason when there is one;
//   NC: "NC" (and the reason);   DNP: "DNS - Did not practise" (and the reason).
// Throws BuildError when the text would not carry exactly the mark of its status.
std::string DescriptionText(EntryStatus status, std::string_view reason);

} // namespace qor::tools
