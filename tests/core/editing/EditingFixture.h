#pragma once
// The fixture shared by the editing tests: a modern database with its debug lines attached.

#include "database/Invariants.h"
#include "support/EditingSupport.h"
#include "support/Fixtures.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace qor::testing {

class EditingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db = MakeModernDatabase();
        ASSERT_EQ(FirstViolation(*db), "");
        db->DebugLines = &debug;
    }

    std::unique_ptr<TheClassData> Snapshot() const { return std::make_unique<TheClassData>(*db); }
    // Whether a debug line with this (UTF-8) message was written.
    bool Logged(const std::string& utf8) const {
        const std::string line = "Debug:" + Utf8ToCp1254(utf8);
        return std::find(debug.begin(), debug.end(), line) != debug.end();
    }
    std::string DateText(int y, int m, int d) const { return db->FormatDate(PackDate(y, m, d)); }
    std::uint16_t GPAt(int y, int m, int d) const { return db->FindGPByDate(DateText(y, m, d)); }
    // The positions of a GP's rows in stored order.
    std::vector<int> Positions(std::uint16_t g) const {
        std::vector<int> out;
        for (int r = db->GPs[g].FirstResult; r <= db->GPs[g].LastResult; ++r)
            out.push_back(db->Results[static_cast<std::size_t>(r)].Pos);
        return out;
    }
    TResultRec Rec(std::uint8_t pos, std::uint16_t reason = EmptyReasonCode) const {
        return TResultRec{1, pos, 1, The_Class::ParseTime("1:30.0"), reason, 0};
    }

    std::unique_ptr<The_Class> db;
    std::vector<std::string> debug;
};

} // namespace qor::testing
