#pragma once
// Shared set-up of the browser, standings and season-list tests: a producer context over a
// database, English texts, and readers of the table a producer wrote.

#include "mainwindow/MainState.h"
#include "support/Fixtures.h"
#include "support/GridFixtures.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace qor::testing {

// One grid row's cells, column 0 to the key column.
inline std::vector<std::string> RowCells(const GridTable& g, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < g.ColCount(); ++c)
        cells.push_back(g.Cell(c, row));
    return cells;
}

inline std::vector<int> ColumnWidths(const GridTable& g) {
    std::vector<int> widths;
    for (int c = 0; c < g.ColCount(); ++c)
        widths.push_back(g.ColWidth(c));
    return widths;
}

// The cells of one column over the body rows.
inline std::vector<std::string> ColumnCells(const GridTable& g, int col) {
    std::vector<std::string> cells;
    for (int r = 1; r < g.RowCount(); ++r)
        cells.push_back(g.Cell(col, r));
    return cells;
}

// A context over a database the test builds, with English texts and the standard widths of
// a screen wider than 1000 pixels at zoom 1 (ColWName 150, ColWTeam 90, ColWPos 40, ...).
// The right-hand panel is put at 0 so that no table is widened to reach it.
class ProducerTest : public ::testing::Test {
  protected:
    ProducerTest() : db_(std::make_unique<The_Class>()), langs_(EnglishLangs()), b_(*db_) {}

    // Creates the context once the database is complete.
    TableContext& Ctx() {
        if (!ctx_) {
            ctx_ = std::make_unique<TableContext>(*db_, langs_);
            ctx_->grid.ApplyZoom(1.0, 1280);
            ctx_->grid.RightPanelLeft = 0;
        }
        return *ctx_;
    }
    const GridTable& T() { return Ctx().grid.tablo1; }
    const THistoryEntry& Current() { return Ctx().history.Entry(Ctx().history.HistIndex()); }

    std::unique_ptr<The_Class> db_;
    Langs langs_;
    DatabaseBuilder b_;
    std::unique_ptr<TableContext> ctx_;
};

// The shipped 1950-2006 database, loaded once per test program.
inline const The_Class& ShippedDatabase() {
    static const std::unique_ptr<The_Class> db = [] {
        auto d = std::make_unique<The_Class>();
        d->DataPath = QOR_BIN_DIR "/";
        d->LoadDatabase("f1data5.dat", "f1notes5.dat", 1);
        return d;
    }();
    return *db;
}

// A context over a copy of the shipped database, in English.
class ShippedTest : public ::testing::Test {
  protected:
    ShippedTest() : db_(std::make_unique<The_Class>(ShippedDatabase())), langs_(EnglishLangs()) {
        db_->LanguageMode = LanguageEnglish;
        ctx_ = std::make_unique<TableContext>(*db_, langs_);
        ctx_->grid.ApplyZoom(1.0, 1280);
    }
    void SetUp() override { ASSERT_EQ(db_->LastYear, 2006) << "shipped data not found"; }
    TableContext& Ctx() { return *ctx_; }
    const GridTable& T() { return ctx_->grid.tablo1; }

    std::unique_ptr<The_Class> db_;
    Langs langs_;
    std::unique_ptr<TableContext> ctx_;
};

} // namespace qor::testing
