// qor-cli on the shipped data: unknown names get the closest known ones, bad dates are told
// apart from dates without a GP.

#include "support/Process.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

testing::ProcessResult Cli(const std::string& args) {
    return testing::RunProcess(std::string(QOR_CLI) + " " + args);
}

struct ErrorCase {
    const char* args;
    const char* err; // the whole of stderr, without its line end
    const char* why;
};

TEST(SuggestionsCli, UnknownNamesAndDatesSayWhatWouldDo) {
    const ErrorCase cases[] = {
        {"table records driver 'Ayrton Sena' wins",
         "Driver \"Ayrton Sena\" not found. Did you mean Ayrton Senna?", "one letter missing"},
        {"table records driver 'Nikki Lauda' races",
         "Driver \"Nikki Lauda\" not found. Did you mean Niki Lauda?", "one letter too many"},
        {"table records driver 'Rubens Goncalves Barrichello' wins",
         "Driver \"Rubens Goncalves Barrichello\" not found. Did you mean Rubens Barrichello?",
         "an alternative spelling from other_names.txt, nearly"},
        {"table records track Monaco wins", "Track \"Monaco\" not found. Did you mean Monte Carlo?",
         "the name of the GP held there"},
        {"table records team Ferary wins", "Team \"Ferary\" not found. Did you mean Ferrari?",
         "teams too"},
        {"table points driver 'Jackie Stuart'",
         "No driver named Jackie Stuart. Did you mean Jackie Stewart?", "other commands too"},
        {"table records driver 'Xq Zzzzzz' wins", "Driver \"Xq Zzzzzz\" not found.",
         "nothing close: no guess"},
        {"table gp 2006-10-22",
         "\"2006-10-22\" is not a date; write it as day, month and year: 22 Oct 2006",
         "not a date"},
        {"gp '22 Okt 2006'",
         "\"22 Okt 2006\" is not a date; write it as day, month and year: 22 Oct 2006",
         "no such month"},
        {"table gp '23 Oct 2006'", "No Grand Prix on 23 Oct 2006", "a date without a GP"},
    };
    for (const ErrorCase& c : cases) {
        const testing::ProcessResult r = Cli(c.args);
        EXPECT_EQ(r.status, 1) << c.why;
        EXPECT_EQ(r.err, std::string(c.err) + "\n") << c.why;
    }
}

} // namespace
} // namespace qor
