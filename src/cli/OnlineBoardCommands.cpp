// qor-cli online board ... and online guess ...: the message boards and the guess game,
// printing what the windows show.

#include "OnlineCommands.h"

#include "CliContext.h"

#include "lang/DefaultStrings.h"
#include "online/Board.h"
#include "online/GuessGame.h"
#include "online/OnlineState.h"
#include "online/Protocol.h"
#include "online/QorConnect.h"
#include "online/RequestBodies.h"
#include "text/Encoding.h"

#include <algorithm>
#include <ostream>

namespace qor::cli {

namespace {
using namespace qor::online;

constexpr int Accepted = 0, Refused = 1, TransportFailed = 2, Usage = 64;

std::string& CallerName() {
    static std::string user;
    return user;
}
Caller Me() {
    CallerName() = OnlineState::Instance().LoginUser();
    return {CallerName(), OnlineState::Instance().LoginCode()};
}
bool LoggedIn() {
    return OnlineState::Instance().LoginCode() >= LoginCodeMin;
}

bool Send(const std::string& body, std::size_t keep, Exchange& e, std::ostream& err) {
    e = RunRequest(body, keep);
    if (e.State == Completed) return true;
    err << "Status: " << DefaultStrings[slot::ServerNotAvailable] << "\n";
    return false;
}

// ---- Board ---------------------------------------------------------------------------------

void PrintBoardPage(std::string payload, std::ostream& out) {
    if (const auto rating = TakeRating(payload))
        out << "User Ratings:" << Out(rating->Average) << "(" << Out(rating->Count)
            << " users voted)\n";
    const BoardPage page = ParseBoardPage(std::move(payload));
    if (page.Status && !TrimBlanks(*page.Status).empty())
        out << "Status: " << Out(*page.Status) << "\n";
    if (page.PageCount) out << "Pages: " << *page.PageCount << "\n";
    if (page.Total) out << Out(*page.Total) << " " << DefaultStrings[slot::MessagesTotal] << "\n";
    if (page.Page) out << DefaultStrings[slot::PageHeading] << "  " << Out(*page.Page) << "\n";
    if (page.ServerTime) out << Out(*page.ServerTime) << "\n";
    for (const BoardMessage& m : page.Messages) {
        std::string text = m.Text;
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        out << "\n"
            << Out(m.Id) << "\n"
            << Out(m.Heading) << "   v" << Out(m.Suffix) << "      " << Out(m.User) << "\n"
            << Out(text) << "\n";
    }
}

int BoardRead(const std::string& board, const std::vector<std::string>& a, std::ostream& out,
              std::ostream& err) {
    const auto page = a.size() == 2 ? ParseNumber(a[1]) : std::optional<long>(1);
    if (!page || *page < 1) {
        err << "qor-cli: not a page number: " << a[1] << "\n";
        return Usage;
    }
    Exchange e;
    if (!Send(BoardReadBody(Me(), board, static_cast<int>(*page - 1)), PayloadKeep, e, err))
        return TransportFailed;
    PrintBoardPage(e.Payload, out);
    return Accepted;
}

int BoardSend(const std::string& board, const std::vector<std::string>& a, std::ostream& out,
              std::ostream& err) {
    std::string text, rate;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--rate" && i + 1 < a.size()) {
            rate = a[++i];
            const auto mark = ParseNumber(rate);
            if (!mark || *mark < 1 || *mark > 10) {
                err << "qor-cli: a mark is 1 to 10\n";
                return Usage;
            }
        } else {
            text += (text.empty() ? "" : " ") + a[i];
        }
    }
    if (!rate.empty() && !LoggedIn()) {
        out << DefaultStrings[slot::RateNeedsLogin] << "\n";
        return Refused;
    }
    text = BoardSendText(Utf8ToCp1254(text));
    if (text.empty() && rate.empty()) {
        out << DefaultStrings[slot::WriteOrRateFirst] << "\n";
        return Refused;
    }
    Exchange e;
    if (!Send(BoardSendBody(Me(), board, rate, text), PayloadKeep, e, err)) return TransportFailed;
    out << Out(e.Payload) << "\n";
    return BoardSendAccepted(e.Payload) ? Accepted : Refused;
}

int BoardDelete(const std::string& board, const std::string& id, std::ostream& out,
                std::ostream& err) {
    Exchange e;
    if (!Send(BoardReadBody(Me(), board, 0, id), PayloadKeep, e, err)) return TransportFailed;
    PrintBoardPage(e.Payload, out);
    // The page read after a delete no longer holds the message when it went.
    const BoardPage after = ParseBoardPage([&] {
        std::string p = e.Payload;
        TakeRating(p);
        return p;
    }());
    const bool gone = std::none_of(after.Messages.begin(), after.Messages.end(),
                                   [&](const BoardMessage& m) { return m.Id == id; });
    return gone ? Accepted : Refused;
}

// ---- Guess game ----------------------------------------------------------------------------

// The reply's status elements, newest first as the window's status label stacks them.
void PrintGuessStatus(const GuessReply& r, std::ostream& out) {
    if (r.ResultsHadErrors) out << "Error on the race results...\n";
    for (auto it = r.Status.rbegin(); it != r.Status.rend(); ++it)
        out << "Status: " << Out(*it) << "\n";
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), AsciiUpper);
    return s;
}

struct GuessSession {
    GuessReply reply;
    std::vector<std::pair<int, std::string>> drivers;

    std::string Name(int id) const {
        for (const auto& [i, n] : drivers)
            if (i == id && id != 0) return Out(n);
        return {};
    }
    // A driver given by name (as the service lists it, any case); "-" or "" for none.
    std::optional<int> Id(const std::string& name) const {
        if (name.empty() || name == "-") return 0;
        const std::string want = Upper(Utf8ToCp1254(name));
        for (const auto& [i, n] : drivers)
            if (Upper(n) == want) return i;
        return std::nullopt;
    }
};

bool Ask(const std::string& ownPart, std::string_view extra, GuessSession& s, std::ostream& err) {
    Exchange e;
    if (!Send(GuessBody(Me(), ownPart, extra), GuessPayloadKeep, e, err)) return false;
    s.reply = ParseGuessReply(e.Payload);
    if (s.reply.Drivers) s.drivers = *s.reply.Drivers;
    return true;
}

std::string ActiveLine(const GuessReply& r) {
    if (!r.ActiveGP) return "---";
    const auto& a = *r.ActiveGP;
    return Out(a[0]) + " " + Out(a[1]);
}

int GuessStatus(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    const auto page = a.size() == 3 ? ParseNumber(a[2]) : std::optional<long>(1);
    if (!page || *page < 1) {
        err << "qor-cli: not a page number: " << a[2] << "\n";
        return Usage;
    }
    GuessSession s;
    if (!Ask(GuessListPagePart(static_cast<int>(*page - 1)), {}, s, err)) return TransportFailed;
    PrintGuessStatus(s.reply, err);
    out << ActiveLine(s.reply) << "\n";
    if (s.reply.ActiveGP)
        out << "Closes: " << Out((*s.reply.ActiveGP)[2])
            << "\nRemaining: " << Out((*s.reply.ActiveGP)[4]) << "\n";
    if (s.reply.Players) {
        out << "Page: " << s.reply.Players->Page + 1 << " of " << s.reply.Players->PageCount
            << "\n";
        for (const auto& line : s.reply.Players->Lines)
            out << Out(line) << "\n";
    }
    return Accepted;
}

int GuessSave(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (!LoggedIn()) {
        err << "Log in first: qor-cli online login USER PASSWORD\n";
        return Refused;
    }
    GuessSession s;
    if (!Ask(MakeGuessPart(false), "&driver_list=1", s, err)) return TransportFailed;
    GuessIds ids{};
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const auto id = s.Id(a[k + 2]);
        if (!id) {
            err << "qor-cli: not a driver offered for guessing: " << a[k + 2] << "\n";
            return Refused;
        }
        ids[k] = *id;
    }
    if (const std::string problem = GuessSaveProblem(ids); !problem.empty()) {
        out << problem << "\n";
        return Refused;
    }
    if (!Ask(SaveGuessPart(ids), {}, s, err)) return TransportFailed;
    PrintGuessStatus(s.reply, out);
    // The service answers with the guess it keeps: the save went through when it is ours.
    const bool kept = s.reply.MyGuess && s.reply.MyGuess->Ids == ids;
    if (kept) out << Out(s.reply.MyGuess->Key) << " " << Out(s.reply.MyGuess->Name) << "\n";
    return kept ? Accepted : Refused;
}

int GuessHistory(const std::string& user, std::ostream& out, std::ostream& err) {
    GuessSession s;
    if (!Ask(GuessHistoryPart(Utf8ToCp1254(user)), "&driver_list=1&results=1", s, err))
        return TransportFailed;
    PrintGuessStatus(s.reply, err);
    if (!s.reply.Results || !s.reply.Guesses) {
        err << "No guesses came back.\n";
        return Refused;
    }
    static constexpr const char* Rows[] = {"1", "2", "3", "4", "5", "6", "7", "8", "FL", "PP"};
    out << "Guesses of " << Out(s.reply.GuessUser.value_or(user)) << "\n";
    for (const GuessRace& race : *s.reply.Results) {
        const auto guess =
            std::find_if(s.reply.Guesses->begin(), s.reply.Guesses->end(), [&](const GuessRace& g) {
                return g.Key == race.Key && g.Name == race.Name;
            });
        const GuessIds none{};
        const GuessIds& ids = guess == s.reply.Guesses->end() ? none : guess->Ids;
        out << "\n" << Out(race.Key) << Out(race.Name) << "\n";
        for (std::size_t k = 0; k < ids.size(); ++k)
            out << Rows[k] << "\t" << s.Name(ids[k]) << "\t" << s.Name(race.Ids[k]) << "\n";
        const GuessScore score = ScoreGuess(race.Ids, ids);
        out << score.Top << " Points\t" << score.Rest << " Points\t" << score.Total()
            << " Points\n";
    }
    return Accepted;
}
} // namespace

int OnlineBoard(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> a(args.begin() + 1, args.end());
    std::string board = "general";
    if (a.size() >= 2 && a[0] == "--board") {
        board = a[1];
        a.erase(a.begin(), a.begin() + 2);
    }
    const std::string verb = a.empty() ? "" : a[0];
    if ((board == "general" || board == "guess") && !verb.empty()) {
        if (verb == "read" && a.size() <= 2) return BoardRead(board, a, out, err);
        if (verb == "send" && a.size() >= 2) return BoardSend(board, a, out, err);
        if (verb == "delete" && a.size() == 2) return BoardDelete(board, a[1], out, err);
    }
    err << "usage: qor-cli online board [--board general|guess] read [PAGE] | send TEXT "
           "[--rate N] | delete ID\n";
    return Usage;
}

int OnlineGuess(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    const std::string verb = a.size() > 1 ? a[1] : "";
    if (verb == "status" && a.size() <= 3) return GuessStatus(a, out, err);
    if (verb == "save" && a.size() == 12) return GuessSave(a, out, err);
    if (verb == "history" && a.size() == 3) return GuessHistory(a[2], out, err);
    err << "usage: qor-cli online guess status [PAGE] | save P1 ... P8 FL POLE | history USER\n";
    return Usage;
}

} // namespace qor::cli
