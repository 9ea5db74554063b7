// The guess game in-process: the operator's commands on the data folder, the program's own
// request bodies through the dispatch, the replies read with its own parser.

#include "ServiceRig.h"
#include "online/GuessGame.h"
#include "online/Protocol.h"

using namespace qor::server;
namespace online = qor::online;

namespace {

struct Answer {
    online::GuessReply reply;
    std::size_t size = 0; // what the window keeps: the payload and the end marker
};

Answer Ask(Rig& rig, const online::Caller& who, const std::string& part) {
    const std::string payload = rig.Post(online::GuessBody(who, part, ""));
    return {online::ParseGuessReply(payload), payload.size() + online::Marker.size()};
}

std::string SaveStatus(Rig& rig, const online::Caller& who, const online::GuessIds& ids) {
    const auto r = Ask(rig, who, online::SaveGuessPart(ids)).reply;
    return r.Status.empty() ? "(no status)" : r.Status.front();
}

// Names as long as the service takes.
std::string LongName(const std::string& head, int i) {
    const std::string s = head + std::to_string(i) + " ";
    return s + std::string(GuessNameMax - s.size(), 'x');
}
std::string PlayerName(int i) {
    const std::string s = "player_" + std::to_string(i);
    return s + std::string(30 - s.size(), 'x');
}
std::string DriverName(int id) {
    return LongName("Driver ", id);
}

// Offers drivers 1 .. n (their ids).
void OfferDrivers(Rig& rig, int n) {
    std::vector<std::string> args = {"guess-drivers"};
    for (int i = 1; i <= n; ++i)
        args.push_back(DriverName(i));
    ASSERT_EQ(rig.Admin(args), 0);
}

int Open(Rig& rig, const std::string& date, const std::string& name,
         const std::string& closes = "2099-01-01 12:00") {
    return rig.Admin({"guess-open", "--date", date, "--name", name, "--closes", closes});
}

// The result as the operator gives it: driver names, "-" for none.
int Result(Rig& rig, const std::string& date, const online::GuessIds& ids,
           std::string* out = nullptr) {
    std::vector<std::string> args = {"guess-result", "--date", date};
    for (int id : ids)
        args.push_back(id == 0 ? "-" : DriverName(id));
    return rig.Admin(args, out);
}

TEST(ServerGuess, GuessesAreSavedOnlyWhenAllowed) {
    Rig rig;
    OfferDrivers(rig, 12);
    const online::Caller ann{"ann_g", rig.LoggedIn("ann_g")};
    const online::GuessIds good{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(SaveStatus(rig, ann, good), "There is no Grand Prix open for guessing.");
    ASSERT_EQ(Open(rig, "2026-12-13", "Test GP"), 0);

    const struct {
        online::Caller who;
        online::GuessIds ids;
        std::string status;
        const char* why;
    } rows[] = {
        {{}, good, "You must be logged in to save a guess.", "logged out"},
        {ann,
         {1, 2, 3, 4, 2, 6, 7, 8, 9, 10},
         "You must select different drivers for position 1 to 8!",
         "driver 2 twice"},
        {ann,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 13},
         "Your guess names a driver who is not offered.",
         "no driver 13"},
        {ann, {}, "Choose your drivers before saving.", "blanks only"},
        {ann,
         {0, 2, 0, 0, 0, 0, 0, 0, 2, 2},
         "Your guess is saved.",
         "blanks, and fastest lap and pole repeating a driver"},
        {ann, good, "Your guess is saved.", "a new guess replaces the old"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SaveStatus(rig, row.who, row.ids), row.status) << row.why;
    const auto mine = Ask(rig, ann, online::MakeGuessPart(false)).reply;
    EXPECT_EQ(mine.MyGuessText, "Guess for 2026-12-13 Test GP");
    ASSERT_TRUE(mine.MyGuess);
    EXPECT_EQ(mine.MyGuess->Key, "20261213");
    EXPECT_EQ(mine.MyGuess->Ids, good);

    std::string out;
    ASSERT_EQ(rig.Admin({"guess-open", "--date", "2026-12-13", "--name", "Test GP", "--closes",
                         "2020-01-01 00:00"},
                        &out),
              0);
    EXPECT_NE(out.find("warning"), std::string::npos) << out;
    EXPECT_EQ(SaveStatus(rig, ann, good),
              "Guessing for the Test GP closed at 2020-01-01 00:00 UTC.");
    auto active = Ask(rig, ann, "&listpage=0").reply.ActiveGP;
    ASSERT_TRUE(active);
    EXPECT_EQ((*active)[1], "Test GP");
    EXPECT_EQ((*active)[4], "closed");
    ASSERT_EQ(rig.Admin({"guess-close"}), 0);
    EXPECT_FALSE(Ask(rig, ann, "&listpage=0").reply.ActiveGP) << "none open: the line keeps ---";
    EXPECT_EQ(rig.Admin({"guess-close"}), 1) << "nothing left to close";
}

TEST(ServerGuess, RankingSumsEachPlayersScores) {
    Rig rig;
    OfferDrivers(rig, 10);
    ASSERT_EQ(Open(rig, "2026-12-13", "Test GP"), 0);
    // One player per way of scoring; blanks keep each to the points it is about.
    const struct {
        std::string user;
        online::GuessIds ids;
    } players[] = {
        {"ann_g", {1, 2, 3}},                       // exact top three: 65
        {"bob_g", {2, 1, 3}},                       // 1 and 2 swapped: 3 + 3 + 10
        {"cat_g", {0, 0, 0, 0, 0, 0, 0, 0, 9, 10}}, // fastest lap and pole: 40
        {"dan_g", {0, 0, 0, 4, 5, 6, 7, 8}},        // positions 4 to 8 exact: 80
    };
    std::vector<online::Caller> callers;
    for (const auto& p : players) {
        callers.push_back({p.user, rig.LoggedIn(p.user)});
        ASSERT_EQ(SaveStatus(rig, callers.back(), p.ids), "Your guess is saved.") << p.user;
    }
    const online::GuessIds result{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::string out;
    std::vector<std::string> unknown = {"guess-result", "--date", "2026-12-13"};
    for (int id = 1; id <= 10; ++id)
        unknown.push_back(id == 2 ? "Nobody" : DriverName(id));
    EXPECT_EQ(rig.Admin(unknown, &out), 1);
    EXPECT_NE(out.find("no driver Nobody"), std::string::npos) << out;
    ASSERT_EQ(Result(rig, "2026-12-13", result), 0);
    // A second race adds to the first: ann's fastest lap alone is 15.
    ASSERT_EQ(Open(rig, "2026-12-20", "Next GP"), 0);
    ASSERT_EQ(SaveStatus(rig, callers[0], {0, 0, 0, 0, 0, 0, 0, 0, 9, 1}), "Your guess is saved.");
    ASSERT_EQ(Result(rig, "2026-12-20", result), 0);

    // "_" splits the list's items: a name is listed with "-" for it, and the window asks for
    // a player's guesses by the name as listed.
    const auto r = Ask(rig, callers[0], "&listpage=0&get_guess=1&guessuser=bob-g&results=1").reply;
    ASSERT_TRUE(r.Players);
    EXPECT_EQ(r.Players->Lines, (std::vector<std::string>{"1. ann-g  (80)", "1. dan-g  (80)",
                                                          "3. cat-g  (40)", "4. bob-g  (16)"}));
    ASSERT_TRUE(r.Results && r.Guesses);
    ASSERT_EQ(r.Results->size(), 2u);
    EXPECT_EQ((*r.Results)[0].Name, "Next GP") << "newest first";
    EXPECT_EQ((*r.Results)[1].Key, "20261213");
    EXPECT_EQ((*r.Results)[1].Ids, result);
    EXPECT_EQ(r.GuessUser, "bob_g");
    ASSERT_EQ(r.Guesses->size(), 1u) << "bob guessed the first race only";
    EXPECT_EQ((*r.Guesses)[0].Key, "20261213");
    EXPECT_EQ((*r.Guesses)[0].Name, "Test GP");
    EXPECT_EQ((*r.Guesses)[0].Ids, players[1].ids);
    ASSERT_TRUE(r.UserMessages);
    EXPECT_EQ(*r.UserMessages,
              std::vector<std::string>{"Your points for the Next GP of 2026-12-20: 15."});
}

TEST(ServerGuess, ReplyStaysWithinWhatTheWindowKeeps) {
    Rig rig;
    OfferDrivers(rig, static_cast<int>(GuessDriversMax));
    const std::string me = std::string(26, 'm') + "_me";
    const online::Caller caller{me, rig.LoggedIn(me)};
    for (int i = 0; i < 25; ++i) {
        const std::string name = PlayerName(i);
        Account account;
        account.Name = name;
        account.Key = UserKey(name);
        ASSERT_TRUE(rig.store->CreateAccount(account));
    }
    const online::GuessIds guess{51, 52, 53, 54, 55, 56, 57, 58, 59, 60};
    for (int day = 1; day <= 30; ++day) {
        const std::string date =
            "2026-01-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
        ASSERT_EQ(Open(rig, date, LongName("Grand Prix ", day)), 0);
        ASSERT_EQ(SaveStatus(rig, caller, guess), "Your guess is saved.");
        if (day == 1) {
            const std::int64_t gp = rig.store->ActiveGuessGP()->Id;
            for (int i = 0; i < 25; ++i) {
                GuessEntry entry;
                entry.GP = gp;
                entry.UserKey = UserKey(PlayerName(i));
                entry.Ids = guess;
                ASSERT_TRUE(rig.store->PutGuess(entry));
            }
        }
        ASSERT_EQ(Result(rig, date, guess), 0);
    }

    const struct {
        std::string part;
        bool allRaces;
        const char* why;
    } rows[] = {
        {"&listpage=0&results=1", true, "thirty races fit on their own"},
        {"&listpage=0&my_guess=1" + std::string(online::FirstGuessExtra), false,
         "with the drivers and the guesses the oldest races give way"},
    };
    for (const auto& row : rows) {
        const auto [r, size] = Ask(rig, caller, row.part);
        EXPECT_LE(size, online::GuessPayloadKeep) << row.why;
        ASSERT_TRUE(r.Results && r.Players) << row.why;
        EXPECT_EQ(r.Players->Lines.size(), PlayersPerPage) << row.why;
        EXPECT_EQ(r.Results->size() == GuessRacesMax, row.allRaces) << r.Results->size();
        ASSERT_FALSE(r.Results->empty()) << row.why;
        EXPECT_EQ(r.Results->front().Key, "20260130") << "the newest race stays";
        if (!r.Guesses) continue;
        EXPECT_EQ(r.Drivers->size(), GuessDriversMax);
        ASSERT_EQ(r.Guesses->size(), r.Results->size()) << "the same races in both";
        for (std::size_t i = 0; i < r.Guesses->size(); ++i)
            EXPECT_EQ((*r.Guesses)[i].Key + (*r.Guesses)[i].Name,
                      (*r.Results)[i].Key + (*r.Results)[i].Name);
        EXPECT_TRUE(r.MyGuessText && r.UserMessages) << "the sections after them are whole";
    }
}

} // namespace
