#include "support/GridFixtures.h"

#include "mainwindow/GPBrowser.h"

namespace qor::testing {

Langs EnglishLangs() {
    Langs langs;
    langs.ApplyLanguageFile(LanguageEnglish, "", nullptr);
    return langs;
}

void FillGPResultTable(ResultGrid& model, const The_Class& db, int g) {
    FillGPResultsTable(model, db, g);
}

} // namespace qor::testing
