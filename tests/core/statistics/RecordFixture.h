#pragma once
// A producer context over the record database of the record list tests.

#include "mainwindow/MainState.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"
#include "support/RecordDatabase.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace qor::testing {

// A producer context over the record database with the English texts, on a wide screen.
class RecordListTest : public ::testing::Test {
  protected:
    RecordListTest() { ctx.grid.ApplyZoom(1.0, 1280); }

    std::unique_ptr<The_Class> db = MakeRecordDatabase();
    Langs langs = EnglishLangs();
    TableContext ctx{*db, langs};

    GridTable& Table() { return ctx.grid.tablo1; }
    // The key column (result records) of every body row; the blank row of an empty table has
    // none.
    std::vector<int> Keys() {
        std::vector<int> keys;
        const GridTable& t = Table();
        for (int r = 1; r < t.RowCount(); ++r) {
            const std::string& key = t.Cell(t.ColCount() - 1, r);
            if (!key.empty()) keys.push_back(std::stoi(key));
        }
        return keys;
    }
    // Cells of one row, the row number and key included.
    std::vector<std::string> Row(int r) {
        std::vector<std::string> cells;
        for (int c = 0; c < Table().ColCount(); ++c)
            cells.push_back(Table().Cell(c, r));
        return cells;
    }
    std::vector<std::string> Titles() { return Row(0); }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int c = 0; c < Table().ColCount(); ++c)
            widths.push_back(Table().ColWidth(c));
        return widths;
    }
};

} // namespace qor::testing
