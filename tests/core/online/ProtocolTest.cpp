// The protocol texts both sides rely on: encodings, discovery, framing, replies, bodies.
#include "online/AccountClient.h"
#include "online/AccountReplies.h"
#include "online/Discovery.h"
#include "online/DriverUpdates.h"
#include "online/FormFields.h"
#include "online/PasswordCodec.h"
#include "online/ReplyFraming.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace qor::online;

TEST(PasswordCodec, EncodingsRoundTripAndStayUnreadable) {
    // One byte: halves swapped, XORed, offset, in decimal.
    EXPECT_EQ(EncodePassword("A", 0, 100), std::to_string(0x14 + 100));
    EXPECT_EQ(EncodePassword("", 0x5A, 100), "");
    for (const std::string pw : {"a", "secret_99", "\xFE\xD0\xDD"}) {
        const std::string enc = EncodeLoginPassword(pw);
        EXPECT_EQ(enc.size(), 3 * pw.size());
        EXPECT_EQ(enc.find(pw), std::string::npos);
        EXPECT_EQ(DecodeLoginPassword(enc), pw);
        for (int code : {10000, 12345, 99999}) {
            const auto back = DecodePasswordChange(EncodePasswordChange(pw, pw + "x", code), code);
            ASSERT_TRUE(back) << code;
            EXPECT_EQ(back->first, pw);
            EXPECT_EQ(back->second, pw + "x");
        }
    }
    // The change keys follow the log-in number, so another number cannot read the data.
    EXPECT_NE(ChangeKeys(12345), ChangeKeys(12346));
    EXPECT_NE(DecodePasswordChange(EncodePasswordChange("old", "new", 12345), 12346),
              (std::pair<std::string, std::string>{"old", "new"}));
    for (const char* bad : {"12", "1a3", "099", "356", "*"})
        EXPECT_FALSE(DecodeLoginPassword(bad) && DecodePasswordChange(bad, 12345)) << bad;
}

TEST(Discovery, AcceptsOnlyTheOneLineShape) {
    struct Case {
        std::string content, host, path; // host empty: rejected
    } cases[] = {
        {"***%qor.example*/trevask/qor***", "qor.example", "/trevask/qor"},
        {"***%127.0.0.1:8080*/s***", "127.0.0.1:8080", "/s"},
        {"***%h*p***", "h", "p"},
        {"***qor.example*/s***", "", ""}, // no "%"
        {"***%*/s***", "", ""},           // separator right after "%"
        {"***%host****", "", ""},         // separator last
        {"***%hostpath***", "", ""},      // no separator
        {"*****", "", ""},                // five bytes
        {"**%h*p***", "", ""},            // two leading asterisks
        {"<html>404</html>", "", ""},
    };
    for (const auto& c : cases) {
        const auto a = ParseDiscovery(c.content);
        EXPECT_EQ(a ? a->Host : "", c.host) << c.content;
        if (a) {
            EXPECT_EQ(a->Path, c.path);
            EXPECT_EQ(ParseDiscovery(MakeDiscovery(*a))->Host, a->Host);
        }
    }
    const auto longPath = ParseDiscovery("***%h*/" + std::string(300, 'p') + "***");
    ASSERT_TRUE(longPath);
    EXPECT_EQ(longPath->Path.size(), 200u);
}

TEST(ReplyFraming, PayloadIsWhatStandsBetweenMarkersOfOneBlock) {
    const std::string m(10, '*');
    struct Case {
        std::vector<std::string> blocks;
        std::string payload;
        bool end;
    } cases[] = {
        {{"junk" + m + "111 hello" + m + "tail"}, "111 hello", true},
        {{"no markers at all"}, "", false},
        {{m + "first ", "second" + m, "ignored" + m}, "first second", true},
        // An end marker split over two blocks is not recognised.
        {{m + "text*****", "*****more"}, "text**********more", false},
        {{"abc" + std::string("\0", 1) + m + "after zero" + m}, "", false},
        {{m + "x" + m, m + "late" + m}, "x", true},
    };
    for (const auto& c : cases) {
        ReplyAssembler a;
        for (const auto& b : c.blocks)
            a.Feed(b.data(), b.size());
        EXPECT_EQ(a.Payload(), c.payload);
        EXPECT_EQ(a.EndSeen(), c.end);
    }
    ReplyAssembler limited(30, true);
    const std::string reply = m + "<*msg>Closed today<:msg>0123456789" + m;
    limited.Feed(reply.data(), reply.size());
    EXPECT_EQ(limited.ServerMessage(), "Closed today");
    EXPECT_EQ(limited.Payload(), "012345");
    EXPECT_EQ(ExtractPayload(FramePayload("a*b")), "a*b");
}

TEST(AccountReplies, LoginLayoutPopupAndInformation) {
    struct Case {
        std::string payload;
        bool accepted;
        int code;
        std::string message, popup, info;
    } cases[] = {
        {"111 12345 001 Welcome", true, 12345, "Welcome", "", ""},
        {"111 00999 001 Welcome", false, 999, "Welcome", "", ""},
        {"000 00000 001 Wrong password", false, 0, "Wrong password", "", ""},
        {"111 12a45 001 x", false, 0, "x", "", ""},
        {"111 54321 001 Hi<popup>Hello</popup> Information: read me", true, 54321, "Hi ", "Hello",
         "Information: read me"},
        {"11", false, 0, "", "", ""},
    };
    for (const auto& c : cases) {
        const LoginReply r = ParseLoginReply(c.payload);
        EXPECT_EQ(std::tie(r.LoginCode, r.Message, r.Popup, r.Information),
                  std::tie(c.code, c.message, c.popup, c.info))
            << c.payload;
        EXPECT_EQ(r.Accepted(), c.accepted) << c.payload;
    }
    // What the service writes the program reads back in the command line's end-to-end tests.
    EXPECT_EQ(ParseStatusReply("000Name taken").Message, "Name taken");
    EXPECT_EQ(OnlineText("a\r\nb"), "a;  b");
}

TEST(FormFields, ProgramBodiesAndEncodedBodiesReadAlike) {
    const std::string raw =
        "version=1.88&master=msg&mode=login&data=Ab_c.d@e*123456" + std::string(1, '\0');
    const auto f = FormFields::Parse(raw);
    EXPECT_EQ(f.Value("data"), "Ab_c.d@e*123456");
    EXPECT_EQ(FormFields::Parse("data=Ab%5Fc%2Ad%40&x=%zz%4").Value("data"), "Ab_c*d@");
    EXPECT_EQ(FormFields::Parse("x=%zz%4").Value("x"), "%zz%4");
    EXPECT_EQ(FormFields::Parse("a=1&&a=2&b").Value("a"), "1");
    EXPECT_TRUE(FormFields::Parse("a=1&b").Get("b"));
    EXPECT_FALSE(FormFields::Parse(std::string("a=1\0b=2", 7)).Get("b"));
}

TEST(AccountClient, SignUpChecksAndKeyFilter) {
    // The messages are the command line's register cases; here the edges.
    EXPECT_EQ(SignUpProblem("abcd", ""), "You must write a valid email");
    EXPECT_EQ(SignUpProblem("abcd", "a@b"), "");
    std::string accepted;
    for (int c = 1; c < 256; ++c)
        if (IsAccountKey(static_cast<unsigned char>(c))) accepted += static_cast<char>(c);
    EXPECT_EQ(accepted.size(), 26u * 2 + 10 + 3 + 6 + 62);
    for (char c : std::string(" *&=%'\"<;\xD7\xF7"))
        EXPECT_FALSE(IsAccountKey(c)) << c;
}

TEST(DriverUpdates, FileLinesAndNames) {
    const auto file = ParseDriverUpdates("*****\r\n#ABC DEF*xyz\r\n\r\n  %host.example*/n  \r\n"
                                         "#*nat\r\nrubbish\r\n#mcLAREN ONE*Abc\r\n");
    ASSERT_EQ(file.Drivers.size(), 2u);
    EXPECT_EQ(file.Drivers[0].Name + "*" + file.Drivers[0].Nationality + " " + file.Drivers[1].Name,
              "Abc Def*xyz Mclaren One");
    ASSERT_EQ(file.Notifications.size(), 1u);
    EXPECT_EQ(file.Notifications[0].Host + file.Notifications[0].Path, "host.example/n");
    EXPECT_TRUE(ParseDriverUpdates("#ABC DEF*xyz\r\n*****\r\n").Drivers.empty());
    EXPECT_TRUE(ParseDriverUpdates("*****").Drivers.empty());
}
