#include "support/GridFixtures.h"

#include "mainwindow/GPBrowser.h"
#include "mainwindow/MainState.h"

#include <climits>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace qor::testing {

Langs EnglishLangs() {
    Langs langs;
    langs.ApplyLanguageFile(LanguageEnglish, "", nullptr);
    return langs;
}

void FillGPResultTable(ResultGrid& model, const The_Class& db, int g) {
    FillGPResultsTable(model, db, g);
}

std::string RunningProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    const std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

TableContext& ShippedContext() {
    struct Shipped {
        The_Class db;
        Langs langs = EnglishLangs();
        std::unique_ptr<TableContext> ctx;
    };
    static Shipped* shipped = [] {
        auto* s = new Shipped;
        s->db.DataPath = RunningProgramFolder();
        if (s->db.LoadDatabase("f1data5.dat", "f1notes5.dat", 1) != 0) {
            std::cerr << "cannot load " << s->db.DataPath << "f1data5.dat: " << s->db.LastError
                      << "\n";
            std::exit(1);
        }
        s->db.LanguageMode = LanguageEnglish;
        s->ctx = std::make_unique<TableContext>(s->db, s->langs);
        s->ctx->grid.ApplyZoom(1.0, 1280);
        FillYearLists(*s->ctx);
        return s;
    }();
    return *shipped->ctx;
}

} // namespace qor::testing
