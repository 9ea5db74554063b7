// qor-cli online ...: the account requests and the news check, printing what the windows show.

#include "CliContext.h"
#include "OnlineCommands.h"

#include "database/AtomicFile.h"
#include "lang/DefaultStrings.h"
#include "online/AccountClient.h"
#include "online/NewsCheck.h"
#include "online/OnlineState.h"
#include "online/QorConnect.h"
#include "online/SharedGP.h"
#include "text/Encoding.h"

#include <fstream>
#include <ostream>

namespace qor::cli {

namespace {
using namespace qor::online;

constexpr int Accepted = 0, Refused = 1, TransportFailed = 2;

// The session file: "LoginUser=" and "LoginCode=" lines, so later commands act as the user.
struct Session {
    std::string path;
    void Load() const {
        std::ifstream in(path);
        std::string line, user;
        int code = 0;
        while (std::getline(in, line)) {
            if (line.rfind("LoginUser=", 0) == 0) user = line.substr(10);
            if (line.rfind("LoginCode=", 0) == 0) code = std::atoi(line.c_str() + 10);
        }
        OnlineState::Instance().SetLogin(user, code);
    }
    bool Save() const {
        auto& s = OnlineState::Instance();
        const std::string text =
            "LoginUser=" + s.LoginUser() + "\nLoginCode=" + std::to_string(s.LoginCode()) + "\n";
        return AtomicFile::Replace(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
};

// The status line every window shows at the end of a request.
void PrintStatus(std::ostream& out, int state, std::string_view success) {
    out << "Status: "
        << (state == Completed ? std::string(success) : std::string(DefaultStrings[214])) << "\n";
}

bool KeysAllowed(const std::string& text, std::ostream& err) {
    for (unsigned char c : text)
        if (!IsAccountKey(c)) {
            err << "Please enter alphanumeric characters or \"_ . @\" chracters\n";
            return false;
        }
    return true;
}

int Register(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    const bool news = a.size() == 4 && a[3] == "--news";
    if (a.size() != 3 && !news) {
        err << "usage: qor-cli online register USER EMAIL [--news]\n";
        return 64;
    }
    const std::string user = Utf8ToCp1254(a[1]), email = Utf8ToCp1254(a[2]);
    if (!KeysAllowed(user, err) || !KeysAllowed(email, err)) return Refused;
    if (const std::string problem = SignUpProblem(user, email); !problem.empty()) {
        out << problem << "\n";
        return Refused;
    }
    const Exchange e = RunRequest(StartSignUp(user, email, news));
    PrintStatus(out, e.State, "Successfully completed");
    if (e.State != Completed) return TransportFailed;
    const StatusReply reply = ParseStatusReply(e.Payload);
    out << Out(reply.Message) << "\n";
    return reply.Accepted() ? Accepted : Refused;
}

int Login(const std::vector<std::string>& a, const Session& session, const std::string& dataDir,
          std::ostream& out, std::ostream& err) {
    if (a.size() != 3) {
        err << "usage: qor-cli online login USER PASSWORD\n";
        return 64;
    }
    const std::string user = Utf8ToCp1254(a[1]), password = Utf8ToCp1254(a[2]);
    if (!KeysAllowed(user, err) || !KeysAllowed(password, err)) return Refused;
    if (user.empty() || password.empty()) return Refused;
    const Exchange e = RunRequest(StartLogin(user, password));
    PrintStatus(out, e.State, DefaultStrings[213]);
    if (e.State != Completed) {
        OnlineState::Instance().SetLogin({}, 0);
        session.Save();
        return TransportFailed;
    }
    const LoginReply reply = ApplyLoginReply(e.Payload, user, dataDir);
    out << Out(reply.Message) << "\n";
    if (!reply.Information.empty()) out << Out(reply.Information) << "\n";
    if (!reply.Popup.empty()) out << Out(reply.Popup) << "\n";
    if (!session.Save()) err << "qor-cli: the session file could not be written\n";
    return reply.Accepted() ? Accepted : Refused;
}

int Passwd(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 3) {
        err << "usage: qor-cli online passwd OLD NEW\n";
        return 64;
    }
    const std::string current = Utf8ToCp1254(a[1]), next = Utf8ToCp1254(a[2]);
    if (!KeysAllowed(current, err) || !KeysAllowed(next, err)) return Refused;
    const std::string body = PasswordChangeBody(current, next);
    if (body.empty()) {
        out << DefaultStrings[219] << "\n";
        return Refused;
    }
    if (current.empty() || next.empty()) return Refused;
    const Exchange e = RunRequest(body);
    PrintStatus(out, e.State, DefaultStrings[213]);
    if (e.State != Completed) return TransportFailed;
    const StatusReply reply = ParseStatusReply(e.Payload);
    out << Out(reply.Message) << "\n";
    return reply.Accepted() ? Accepted : Refused;
}

int News(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return TransportFailed;
    std::string news, progress, updates;
    // Steps run where they arrive: nothing else touches the database meanwhile.
    NewsCheck check(*ctx.db, [](std::function<void()> f) { f(); },
                    {[&](const std::string& s) { news = s; },
                     [&](const std::string& s) { progress = s; },
                     [&](const std::string& s) { updates = s; }, nullptr});
    check.Start(OnlineState::Instance().WebHost());
    check.WaitIdle();
    out << Out(news);
    if (!news.empty() && news.back() != '\n') out << "\n";
    for (char& c : updates)
        if (c == '\r') c = '\n';
    if (!updates.empty()) out << Out(updates) << "\n";
    out << progress << "\n";
    return progress == "Completed: Succesfully" ? Accepted : TransportFailed;
}
// A grid as tab-separated rows, header first, every column.
void PrintGrid(std::ostream& out, const SharedGrid& grid) {
    for (const auto& row : grid.Rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            out << (c ? "\t" : "") << Out(row[c]);
        out << "\n";
    }
}

Caller Me() {
    static std::string user;
    user = OnlineState::Instance().LoginUser();
    return {user, OnlineState::Instance().LoginCode()};
}

// A request of the shared results: the failure text on a transport failure.
bool Ask(const std::string& body, Exchange& e, std::ostream& err) {
    e = RunRequest(body, PayloadKeep, true);
    if (!e.ServerMessage.empty()) err << "Server message:" << Out(e.ServerMessage) << "\n";
    if (e.State == Completed) return true;
    err << "Failed to access Qor web server. Please, try later.\n";
    return false;
}

int GPList(CliContext& ctx, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return TransportFailed;
    Exchange e;
    if (!Ask(GPListBody(Me()), e, err)) return TransportFailed;
    const GPListReply reply = ParseGPList(*ctx.db, e.Payload);
    const std::string added = AddNewDrivers(*ctx.db, reply.NewDrivers, "New driver:", "  ");
    if (!added.empty()) {
        if (ctx.db->SaveDatabase() != 1) err << DefaultStrings[188] << "\n";
        std::string text = "Your database updated with below drivers" + added;
        for (char& c : text)
            if (c == '\r') c = '\n';
        err << Out(text) << "\n";
    }
    PrintGrid(out, reply.Grid);
    return Accepted;
}

int GPSources(CliContext& ctx, const std::vector<std::string>& a, std::ostream& out,
              std::ostream& err) {
    if (!ctx.Load(err)) return TransportFailed;
    const std::uint16_t date = ctx.db->ParseDate(Utf8ToCp1254(a[1]));
    if (date == 0) {
        err << "qor-cli: not a date: " << a[1] << " (e.g. \"22 Oct 2006\")\n";
        return Refused;
    }
    Exchange e;
    if (!Ask(GPSourcesBody(Me(), std::to_string(date), Utf8ToCp1254(a[2])), e, err))
        return TransportFailed;
    PrintGrid(out, ParseGPSources(*ctx.db, e.Payload));
    return Accepted;
}

// The content of source `id`; nothing (with the message) when it could not be had.
std::optional<SourceContent> Content(CliContext& ctx, const std::string& id, int& status,
                                     std::ostream& err) {
    status = Refused;
    if (!ctx.Load(err)) return std::nullopt;
    if (OnlineState::Instance().LoginCode() == 0) {
        err << "Log in first: qor-cli online login USER PASSWORD\n";
        return std::nullopt;
    }
    Exchange e;
    if (!Ask(GPContentBody(Me(), id), e, err)) {
        status = TransportFailed;
        return std::nullopt;
    }
    auto content = ParseSourceContent(*ctx.db, e.Payload);
    if (!content) err << "Program Message: Comunication finished but no server message returned.\n";
    return content;
}

int GPShow(CliContext& ctx, const std::string& id, std::ostream& out, std::ostream& err) {
    int status = Refused;
    const auto c = Content(ctx, id, status, err);
    if (!c) return status;
    out << "Date\t" << Out(c->Date) << "\nTrack\t" << Out(c->Track) << "\nGrand Prix\t"
        << Out(c->Name) << "\nFastest lap\t" << Out(c->FLDriver) << "\t" << Out(c->FLTime)
        << "\nPole position\t" << Out(c->PoleDriver) << "\t" << Out(c->PoleTime) << "\nLaps\t"
        << Out(c->Laps) << "\n";
    out << "\tDriver\tTeam\tPos\tTime\tGrid\tNotes\n";
    for (std::size_t r = 0; r < c->Results.size(); ++r) {
        out << r + 1;
        for (const auto& cell : c->Results[r])
            out << "\t" << Out(cell);
        out << "\n";
    }
    return Accepted;
}

int GPSave(CliContext& ctx, const std::string& id, std::ostream& out, std::ostream& err) {
    int status = Refused;
    const auto c = Content(ctx, id, status, err);
    if (!c) return status;
    const SaveOutcome saved = SaveSharedGP(*ctx.db, *c);
    std::string message = saved.Message;
    for (char& ch : message)
        if (ch == '\r') ch = '\n';
    out << Out(message) << "\n";
    if (saved.WriteFailed) err << DefaultStrings[188] << "\n";
    if (saved.GP == 0) return Refused;
    // The acknowledgement is sent and not read, as the window sends it.
    NewRequest(GPAcknowledgeBody(Me(), id), 1)->Execute();
    return saved.WriteFailed ? TransportFailed : Accepted;
}

int GPShare(CliContext& ctx, const std::string& dateText, std::ostream& out, std::ostream& err) {
    if (!ctx.Load(err)) return TransportFailed;
    const int g = ctx.db->FindGPByDate(Utf8ToCp1254(dateText));
    if (g == 0) {
        err << "qor-cli: no Grand Prix on " << dateText << "\n";
        return Refused;
    }
    if (OnlineState::Instance().LoginCode() == 0) {
        err << "Log in first: qor-cli online login USER PASSWORD\n";
        return Refused;
    }
    const Exchange e = RunRequest(ShareGPBody(Me(), *ctx.db, g));
    PrintStatus(out, e.State, DefaultStrings[213]);
    if (e.State != Completed) return TransportFailed;
    const StatusReply reply = ParseStatusReply(e.Payload);
    out << Out(reply.Message) << "\n";
    return reply.Accepted() ? Accepted : Refused;
}
} // namespace

int CmdOnline(CliContext& ctx, std::ostream& out, std::ostream& err) {
    std::vector<std::string> a;
    std::string webHost;
    Session session{ctx.dataDir + "qorsession.txt"};
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] == "--web-host" && i + 1 < ctx.args.size())
            webHost = ctx.args[++i];
        else if (ctx.args[i] == "--session" && i + 1 < ctx.args.size())
            session.path = ctx.args[++i];
        else
            a.push_back(ctx.args[i]);
    }
    auto& state = OnlineState::Instance();
    state.SetWebHost(ResolveWebHost(webHost, nullptr));
    state.SetLanguageCode(ctx.Language(err).LanguageCode);
    session.Load();
    const std::string verb = a.empty() ? "" : a[0];
    if (verb == "register") return Register(a, out, err);
    if (verb == "login") return Login(a, session, ctx.dataDir, out, err);
    if (verb == "passwd") return Passwd(a, out, err);
    if (verb == "news" && a.size() == 1) return News(ctx, out, err);
    if (verb == "gp-list" && a.size() == 1) return GPList(ctx, out, err);
    if (verb == "gp-sources" && a.size() == 3) return GPSources(ctx, a, out, err);
    if (verb == "gp-show" && a.size() == 2) return GPShow(ctx, a[1], out, err);
    if (verb == "gp-save" && a.size() == 2) return GPSave(ctx, a[1], out, err);
    if (verb == "gp-share" && a.size() == 2) return GPShare(ctx, a[1], out, err);
    if (verb == "board") return OnlineBoard(a, out, err);
    if (verb == "guess") return OnlineGuess(a, out, err);
    err << "usage: qor-cli online [--web-host HOST[:PORT]] [--session FILE] register USER EMAIL "
           "[--news] | login USER PASSWORD | passwd OLD NEW | news | gp-list | gp-sources DATE "
           "NAME | gp-show ID | gp-save ID | gp-share DATE | board ... | guess ...\n";
    return 64;
}

} // namespace qor::cli
