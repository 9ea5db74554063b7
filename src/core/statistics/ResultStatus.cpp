#include "statistics/ResultStatus.h"

#include <array>
#include <utility>

namespace qor {
namespace {

constexpr std::array<std::pair<ResultStatus, std::string_view>, 4> Marks = {{
    {ResultStatus::Disq, "Disq"},
    {ResultStatus::DNS, "DNS"},
    {ResultStatus::DNQ, "DNQ"},
    {ResultStatus::DNPQ, "DNPQ"},
}};

} // namespace

std::string_view ReasonView(const The_Class& db, std::uint16_t code) {
    if (code > NoteCodeBase) {
        const int note = code - NoteCodeBase;
        if (note > db.NoteCount || static_cast<std::size_t>(note) >= db.Notes.size()) return {};
        return db.Notes[static_cast<std::size_t>(note)].Text.view();
    }
    if (code == 0 || code > db.ReasonCount || code > MaxReasons) return {};
    return db.Reasons[code].view();
}

ResultStatus StatusOfText(std::string_view text) {
    for (const auto& [status, mark] : Marks)
        if (text.find(mark) != std::string_view::npos) return status;
    return ResultStatus::Other;
}

std::string_view StatusMark(ResultStatus status) {
    for (const auto& [s, mark] : Marks)
        if (s == status) return mark;
    return {};
}

} // namespace qor
