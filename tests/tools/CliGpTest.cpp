// qor-cli on the shipped data: a Grand Prix's classification as the program shows it.

#include "support/Fixtures.h"
#include "support/Process.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::string RunCommand(const std::string& command) {
    return qor::testing::RunProcess(command).out;
}

bool HasLine(const std::string& text, const std::string& start, const std::string& part) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        if (line.rfind(start, 0) == 0 && line.find(part) != std::string::npos) return true;
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return false;
}

} // namespace

TEST(CliOnShippedData, Brazil2006) {
    const std::string out = RunCommand(std::string(QOR_BIN_DIR) + "/qor-cli --data " QOR_SOURCE_DIR
                                                                  "/data gp \"22 Oct 2006\"");
    EXPECT_NE(out.find("Brazil       Interlagos     22 October 2006"), std::string::npos) << out;
    EXPECT_NE(out.find("Fastest lap: Michael Schumacher 01:12.162"), std::string::npos);
    EXPECT_NE(out.find("Pole position: Felipe Massa"), std::string::npos);
    EXPECT_NE(out.find("Number of Laps : 71"), std::string::npos);
    EXPECT_TRUE(HasLine(out, "1   Felipe Massa", "1 hr 31:53.751"));
    EXPECT_TRUE(HasLine(out, "2   Fernando Alonso", "+ 18.658"));
    EXPECT_TRUE(HasLine(out, "9   Robert Kubica", "+ 01:07.642"));
    EXPECT_TRUE(HasLine(out, "15  Tiago Monteiro", "+ 2 laps"));
    EXPECT_TRUE(HasLine(out, "17  Nick Heidfeld", "Accident"));
    EXPECT_TRUE(HasLine(out, "18  David Coulthard", "lap 14"));
    EXPECT_TRUE(HasLine(out, "18  David Coulthard", "Gearbox"));
    EXPECT_NE(out.find("22  record(s) found."), std::string::npos);
}

TEST(CliOnShippedData, InfoAndCheck) {
    const std::string base = std::string(QOR_BIN_DIR) + "/qor-cli --data " QOR_SOURCE_DIR "/data ";
    const std::string info = RunCommand(base + "info");
    EXPECT_TRUE(HasLine(info, "Seasons ", " 57"));
    EXPECT_TRUE(HasLine(info, "GPs ", " 768"));
    EXPECT_TRUE(HasLine(info, "Results ", " 19293"));
    EXPECT_TRUE(HasLine(info, "Drivers ", " 789"));
    EXPECT_EQ(RunCommand(base + "check"), "All rules hold.\n");
}
