#include "support/RecordDatabase.h"

#include "support/Fixtures.h"

#include <string>

namespace qor::testing {

std::unique_ptr<The_Class> MakeRecordDatabase() {
    auto db = std::make_unique<The_Class>();
    DatabaseBuilder b(*db);
    const auto able = b.Driver("Alan Able");
    const auto baker = b.Driver("Bert Baker");
    const auto cole = b.Driver("Carl Cole");
    const auto dunn = b.Driver("Dave Dunn");
    const auto red = b.Team("Red");
    const auto blue = b.Team("Blue");
    const auto alpha = b.Track("Alpha");
    const auto beta = b.Track("Beta");
    const auto alphaGP = b.GPName("Alphaland");
    const auto betaGP = b.GPName("Betaland");
    for (int i = 1; i <= 14; ++i)
        b.Reason("Reason " + std::to_string(i));
    const auto none = b.Reason("");
    const auto engine = b.Reason("Engine");
    const auto disq = b.Reason("Disqualified");
    const auto t = [](const char* text) { return The_Class::ParseTime(text); };
    // The last GP's fastest lap and pole.
    const auto flPole = [&](std::uint16_t fl, const char* flTime, std::uint16_t pole,
                            const char* poleTime) {
        TGPRow& g = db->GPs[db->GPCount];
        g.FLDriver = fl;
        g.FLTime = t(flTime);
        g.PoleDriver = pole;
        g.PoleTime = t(poleTime);
    };

    b.GP(1990, 3, 10, alpha, alphaGP, 50);
    b.Result(able, 1, red, t("1 hr 30:00.000"), none);
    b.Result(baker, 2, red, t("+5.000"), none);
    b.Result(cole, 3, blue, t("+10.000"), none);
    b.Result(dunn, 0, blue, t("lap 20"), engine);
    flPole(cole, "1:20.000", able, "1:18.000");
    b.GP(1990, 4, 8, beta, betaGP, 60);
    b.Result(cole, 2, blue, t("1 hr 31:00.000"), none);
    b.Result(able, 3, red, t("+1 lap"), none);
    b.Result(baker, 0, red, t("lap 40"), engine);
    flPole(dunn, "1:21.000", baker, "1:19.000");
    b.GP(1990, 5, 6, alpha, alphaGP, 50);
    b.Result(baker, 1, blue, t("1 hr 29:00.000"), none);
    b.Result(cole, 2, blue, t("+2.000"), none);
    b.Result(able, 0, red, t("lap 30"), engine);
    flPole(baker, "1:19.500", cole, "1:17.500");
    b.GP(1991, 3, 10, alpha, alphaGP, 50);
    b.Result(dunn, 1, red, t("1 hr 28:00.000"), none);
    b.Result(baker, 2, red, t("+3.000"), none);
    b.Result(able, 2, red, 0, none);
    b.Result(cole, 5, blue, t("+1 lap"), none);
    b.Result(able, 0, red, t("lap 12"), engine);
    flPole(able, "1:18.000", dunn, "1:16.000");
    b.GP(1991, 4, 7, beta, betaGP, 60);
    b.Result(baker, 1, blue, t("1 hr 32:00.000"), none);
    b.Result(dunn, 2, red, t("+4.000"), none);
    b.Result(cole, 3, blue, t("+2 laps"), none);
    b.Result(cole, 6, blue, t("+5 laps"), none);
    flPole(cole, "1:20.500", baker, "1:18.500");
    b.GP(1991, 5, 5, alpha, alphaGP, 0);
    b.GP(1991, 6, 2, beta, betaGP, 60);
    b.Result(able, 1, blue, t("1 hr 33:00.000"), none);
    b.Result(dunn, 2, red, t("+6.000"), none);
    flPole(dunn, "1:21.500", able, "1:19.500");
    b.GP(1991, 7, 7, beta, betaGP, 60);
    b.Result(dunn, 0, red, 0, disq);
    b.Result(baker, 0, blue, t("lap 5"), engine);
    flPole(baker, "1:22.000", dunn, "1:20.000");
    return db;
}

} // namespace qor::testing
