// The shared GP pool in-process: uploads checked field by field, and the list, sources and
// content replies read back with the program's own parsers and saved into its database.

#include "GPUpload.h"
#include "ServiceRig.h"
#include "database/STheClass.h"
#include "online/FormFields.h"
#include "online/Protocol.h"
#include "online/SharedGP.h"
#include "support/Fixtures.h"

using namespace qor::server;
namespace online = qor::online;
using qor::testing::PackDate;

namespace {

std::string ShareBody(const online::Caller& who, const std::string& content,
                      const std::string& drivers) {
    return "version=1.88&master=gp&mode=share&user=" + std::string(who.User) +
           "&kod=" + std::to_string(who.Code) + "&data=" + online::PercentEncode(content) +
           "&drivers=" + online::PercentEncode(drivers);
}

online::StatusReply Status(Rig& rig, const std::string& body) {
    return online::ParseStatusReply(rig.Post(body));
}

TEST(ServerPool, SharedGPsAreCheckedBeforeTheyAreStored) {
    Rig rig({3, 10, std::chrono::seconds(60), 1e6, 1e6, 1000}, 100);
    const online::Caller alice{"alice", rig.LoggedIn("alice")};
    const auto gpLine = [](int date, const std::string& rest) {
        return std::to_string(date) + "*" + rest + "\r\n";
    };
    const int day = PackDate(2006, 10, 22);
    const std::string rest = "Interlagos*Brazilian GP*Mario Rossi*1:12.268*Ann Lee*1:10.680*71*";
    const std::string gp = gpLine(day, rest), ann = "Ann Lee*Ferrari*1*1:31:53.751*1**\r\n",
                      mario = "Mario Rossi*Renault*2*+ 18.658*4*Hydraulics*\r\n",
                      drivers = "#Ann Lee*British\r\n#Mario Rossi*Italian\r\n";
    std::string many, manyDrivers = drivers; // 61 results, each of its own driver
    for (int i = 10; i < 71; ++i) {
        const std::string name = "Driver Number " + std::to_string(i) + std::string(14, 'x');
        many += name + "*Team*" + std::to_string(i) + "**1*" + std::string(60, 'n') + "*\r\n";
        manyDrivers += "#" + name + "*Nat\r\n";
    }
    const std::string sixty = many.substr(0, many.rfind("Driver Number")),
                      sixtyDrivers = manyDrivers.substr(0, manyDrivers.rfind("#Driver Number"));
    const struct {
        std::string content, drivers;
        bool accepted;
        const char* why;
    } rows[] = {
        {gp + ann + mario, drivers, true, "as the program sends it"},
        {gpLine((56 << 9) | (13 << 5) | 1, rest) + ann + mario, drivers, false, "month 13"},
        {gpLine(PackDate(2006, 2, 30), rest) + ann + mario, drivers, false, "no such day"},
        {gpLine(PackDate(2011, 3, 1), rest) + ann + mario, drivers, false, "after 2010"},
        {"22 Oct 2006*" + rest + "\r\n" + ann + mario, drivers, false, "a date as text"},
        {gpLine(day, "Interlagos*Brazilian GP*Mario Rossi*1:12.268*Ann Lee*1:10.680*") + ann +
             mario,
         drivers, false, "the laps field missing"},
        {gpLine(day, std::string(31, 't') + rest.substr(10)) + ann + mario, drivers, false,
         "a track name of 31 characters"},
        {gpLine(day, "Interlagos*Brazil & Co*" + rest.substr(24)) + ann + mario, drivers, false,
         "\"&\" would cut the program's request naming the GP"},
        {gpLine(day, "Interlagos*Brazil\x01GP*" + rest.substr(24)) + ann + mario, drivers, false,
         "a control character"},
        {gpLine(day, "Interlagos*Brazilian GP*Mario Rossi*fast*Ann Lee*1:10.680*71*") + ann + mario,
         drivers, false, "a fastest-lap time that does not read"},
        {gpLine(day, "Interlagos*Brazilian GP*Mario Rossi*1:12.268*Ann Lee*1:10.680*256*") + ann +
             mario,
         drivers, false, "256 laps"},
        {gp, drivers, false, "no results"},
        {gp + ann + ann + mario, drivers, false, "the same line twice"},
        {gp + ann + "Ann Lee*Ferrari*0**5*Shared car*\r\n" + mario, drivers, true,
         "a car shared, as in the early years"},
        {gp + ann +
             "ann lee*Ferrari*3**3*x*\r\nANN LEE*Ferrari*4**4**\r\nAnn Lee*Ferrari*5**5**\r\n" +
             mario,
         drivers, false, "a driver in four lines, in any letter case"},
        {gp + "Ann Lee*Ferrari*256*1:31:53.751*1**\r\n" + mario, drivers, false, "position 256"},
        {gp + "Ann Lee*Ferrari*1*1:31:53.751*x**\r\n" + mario, drivers, false, "grid not a number"},
        {gp + "Ann Lee*Ferrari*1*soon*1**\r\n" + mario, drivers, false,
         "a time that does not read"},
        {gp + "Ann Lee*Ferrari*1*1:31:53.751*1*" + std::string(61, 'n') + "*\r\n" + mario, drivers,
         false, "notes of 61 characters"},
        {gp + "Ann Lee*Ferrari*1*1:31:53.751*1*'); DROP TABLE sources; --*\r\n" + mario, drivers,
         true, "SQL in the notes is stored as text"},
        {gp + "Ann Lee*Ferrari*1*1:31:53.751*\r\n" + mario, drivers, false, "a result line short"},
        {gp + ann + mario, "#Ann Lee*British\r\n", false, "a driver without nationality"},
        {gp + ann + mario, drivers + "#Zed Zero*Swiss\r\n", false, "a driver not in the GP"},
        {gp + ann + mario, "Ann Lee*British\r\n#Mario Rossi*Italian\r\n", false, "no \"#\""},
        {gp + sixty, sixtyDrivers, false, "60 results, but longer than the program reads"},
        {gp + many, manyDrivers, false, "61 results"},
    };
    for (const auto& row : rows) {
        const auto reply = Status(rig, ShareBody(alice, row.content, row.drivers));
        EXPECT_EQ(reply.Accepted(), row.accepted) << row.why << ": " << reply.Message;
    }
    // The accepted rows are one GP of one user: each replaced the one before.
    const auto sources = rig.store->ListSources(0, "");
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_NE(rig.store->FindSource(sources[0].Id)->Content.find("DROP TABLE sources"),
              std::string::npos);
    EXPECT_FALSE(Status(rig, ShareBody({"alice", 0}, gp + ann + mario, drivers)).Accepted())
        << "logged in only";
}

TEST(ServerPool, EveryGPOfTheShippedDatabaseCanBeShared) {
    // Its early years have shared cars (a driver in up to three lines) and Indianapolis 500s
    // of 55 results: the checks must let real results through, and the body limit too.
    qor::The_Class db;
    ASSERT_EQ(db.LoadDatabase(QOR_SOURCE_DIR "/data/f1data5.dat", "", 0), 0) << db.LastError;
    for (int g = 1; g <= db.GPCount; ++g) {
        GPUpload upload;
        std::string error;
        EXPECT_TRUE(
            ReadGPUpload(online::GPContentText(db, g), online::GPDriverLines(db, g), upload, error))
            << db.GPs[g].Date << ": " << error;
        EXPECT_LT(online::ShareGPBody({"abcd", 12345}, db, g).size(), ServerConfig{}.MaxBodyBytes)
            << db.GPs[g].Date;
    }
}

struct PoolRoundTrip : ::testing::Test {
    Rig rig{{3, 10, std::chrono::seconds(60), 1e6, 1e6, 1000}, 2};
    std::unique_ptr<qor::The_Class> sharer = qor::testing::MakeModernDatabase(),
                                    taker = qor::testing::MakeModernDatabase();
    std::uint16_t date = PackDate(2006, 3, 5);
    int g = 0;
    void SetUp() override {
        g = sharer->FindGPByDate(sharer->FormatDate(date));
        ASSERT_NE(g, 0);
        ASSERT_NE(taker->DeleteGP(taker->FormatDate(date)), 0);
        taker->DataFileName = rig.files.DataDir() + "f1data5.dat";
    }
    online::StatusReply Share(const online::Caller& who, const qor::The_Class& db) {
        return Status(rig, online::ShareGPBody(who, db, g));
    }
    online::GPListReply List() {
        return online::ParseGPList(*taker, rig.Post(online::GPListBody({})));
    }
    online::SharedGrid Sources(const online::Caller& who) {
        return online::ParseGPSources(
            *taker, rig.Post(online::GPSourcesBody(who, std::to_string(date), "Sakhir GP")));
    }
};

TEST_F(PoolRoundTrip, AGPSharedByOneIsSavedByAnotherAsItWas) {
    const online::Caller alice{"alice", rig.LoggedIn("alice")}, bob{"bob1", rig.LoggedIn("bob1")};
    const auto shared = Share(alice, *sharer);
    ASSERT_TRUE(shared.Accepted()) << shared.Message;
    EXPECT_NE(shared.Message.find("Sakhir GP"), std::string::npos) << shared.Message;

    const auto list = List();
    ASSERT_EQ(list.Grid.Rows.size(), 2u);
    EXPECT_EQ(list.Grid.Rows[1], (std::vector<std::string>{" NEW", taker->FormatDate(date),
                                                           "Sakhir GP", "Sakhir", "1", "0"}));
    EXPECT_EQ(list.NewDrivers.size(), 12u) << "each driver the GP names, once";
    const auto sources = Sources(bob);
    ASSERT_EQ(sources.Rows.size(), 2u);
    EXPECT_EQ(sources.Rows[1][3], "alice");
    const std::string id = sources.Rows[1][1];

    EXPECT_EQ(rig.Post(online::GPContentBody({"bob1", 0}, id)), "<*msg>Please log in first.<:msg>");
    const auto content =
        online::ParseSourceContent(*taker, rig.Post(online::GPContentBody(bob, id)));
    ASSERT_TRUE(content);
    const auto saved = online::SaveSharedGP(*taker, *content);
    ASSERT_NE(saved.GP, 0) << saved.Message;
    EXPECT_EQ(online::GPContentText(*taker, saved.GP), online::GPContentText(*sharer, g));

    // Downloads count once per user, and never the sharer's own.
    for (const online::Caller& who : {bob, bob, alice})
        rig.Post(online::GPAcknowledgeBody(who, id));
    EXPECT_EQ(List().Grid.Rows[1][5], "1");
    EXPECT_EQ(Sources(bob).Rows[1][5], "1");

    // Wrong log-in numbers lock the user out, as wrong passwords do.
    const online::Caller wrong{"alice", alice.Code == 99999 ? 10000 : alice.Code + 1};
    for (int i = 0; i < 3; ++i)
        rig.Post(online::GPContentBody(wrong, id));
    EXPECT_EQ(rig.Post(online::GPContentBody(alice, id)).rfind("<*msg>Too many", 0), 0u);
}

TEST_F(PoolRoundTrip, OwnSourcesAreReplacedOthersKept) {
    const online::Caller alice{"alice", rig.LoggedIn("alice")}, bob{"bob1", rig.LoggedIn("bob1")};
    ASSERT_TRUE(Share(alice, *sharer).Accepted());
    const auto again = Share(alice, *sharer);
    EXPECT_TRUE(again.Accepted());
    EXPECT_NE(again.Message.find("replacing"), std::string::npos) << again.Message;
    ASSERT_TRUE(Share(bob, *sharer).Accepted());
    const auto sources = Sources(bob);
    ASSERT_EQ(sources.Rows.size(), 3u);
    EXPECT_NE(sources.Rows[1][3], sources.Rows[2][3]);
    EXPECT_EQ(List().Grid.Rows[1][4], "2");
    // The operator removes one from another process: the next list no longer counts it.
    ASSERT_TRUE(Rig::Open(rig.files.DataDir())->RemoveSource(std::stoll(sources.Rows[1][1])));
    EXPECT_EQ(List().Grid.Rows[1][4], "1");

    // Two sources each: a third GP is refused, replacing one still works.
    g = sharer->FindGPByDate(sharer->FormatDate(PackDate(2006, 4, 7)));
    ASSERT_TRUE(Share(alice, *sharer).Accepted());
    g = sharer->FindGPByDate(sharer->FormatDate(PackDate(2006, 5, 9)));
    EXPECT_FALSE(Share(alice, *sharer).Accepted());
    EXPECT_TRUE(Share(bob, *sharer).Accepted());
}

TEST_F(PoolRoundTrip, TheListFitsWhatTheProgramKeeps) {
    rig.Member("alice");
    rig.store->PutSetting("motd", std::string(300, 'm'));
    // A GP a day for 400 days, each with three drivers of its own.
    for (int i = 0; i < 400; ++i) {
        PoolSource s;
        s.UserKey = "alice";
        s.Date = PackDate(1990 + i / 28 % 17, 1 + i % 12, 1 + i / 12 % 28);
        s.Name = "GP " + std::to_string(i);
        s.Track = "Track";
        s.Content = "x";
        std::vector<std::pair<std::string, std::string>> drivers;
        for (int d = 0; d < 3; ++d)
            drivers.emplace_back("Driver " + std::to_string(i * 3 + d), "Nat");
        ASSERT_NE(rig.store->PutSource(s, drivers), 0);
    }
    const std::string payload = rig.Post(online::GPListBody({}));
    EXPECT_LE(payload.size() + online::Marker.size(), online::PayloadKeep);
    EXPECT_EQ(payload.rfind("<*msg>" + std::string(300, 'm') + "<:msg><newdriver>", 0), 0u);
    const auto list = online::ParseGPList(*taker, payload.substr(payload.find("<:msg>") + 6));
    ASSERT_GT(list.Grid.Rows.size(), 20u);
    EXPECT_EQ(list.NewDrivers.size(), 3 * (list.Grid.Rows.size() - 1))
        << "the drivers of the listed GPs, and only theirs";
    int previous = 0xFFFF;
    for (std::size_t r = 1; r < list.Grid.Rows.size(); ++r) {
        const int d = taker->ParseDate(list.Grid.Rows[r][1]);
        EXPECT_LE(d, previous) << "newest first";
        previous = d;
    }
}

TEST(ServerPool, OverTheRateReadsGetAServerMessage) {
    Rig rig({3, 10, std::chrono::seconds(60), 1, 2, 1000}); // two requests, then one a second
    const struct {
        std::string body, start;
    } rows[] = {
        {online::GPListBody({}), "<newdriver>"},
        {online::GPListBody({}), "<newdriver>"},
        {online::GPListBody({}), "<*msg>Too many requests"},
        {online::GPContentBody({"abcd", 12345}, "1"), "<*msg>Too many requests"},
        {online::RegisterBody("abcd", "a@b.org", false), "000Too many requests"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(rig.Post(row.body).rfind(row.start, 0), 0u) << row.body;
}

} // namespace
