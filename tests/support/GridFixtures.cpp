#include "support/GridFixtures.h"

namespace qor::testing {

Langs EnglishLangs() {
    Langs langs;
    langs.ApplyLanguageFile(LanguageEnglish, "", nullptr);
    return langs;
}

void FillGPResultTable(ResultGrid& model, const The_Class& db, int g) {
    const Langs& l = model.Texts();
    const StandardWidths& w = model.Widths;
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    const bool withGrid = The_Class::YearOfDate(gp.Date) >= 2002;
    if (withGrid) {
        model.SetTableColumns(
            {8, 25, w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime, w.ColWGrid, w.ColWNotes, 0});
        model.SetColumnTitles({"", l.Title(slot::Name), l.Title(slot::Team), l.Title(slot::Pos),
                               l.Title(slot::Time), l.Title(slot::Grid), l.Title(slot::Notes), ""});
    } else {
        model.SetTableColumns(
            {7, 25, w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime, w.ColWNotes, 0});
        model.SetColumnTitles({"", l.Title(slot::Name), l.Title(slot::Team), l.Title(slot::Pos),
                               l.Title(slot::Time), l.Title(slot::Notes), ""});
    }
    model.tablo1.TitleLabel = db.GPNameOf(gp.GPName) + "       " + db.TrackNameOf(gp.Track) +
                              "     " + db.FormatDateAlt(gp.Date);
    int n = 0;
    for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        ++n;
        model.tablo1.SetRowCount(n + 1);
        model.StartGridRow(n);
        model.AddGridCell(std::to_string(n));
        model.AddGridCell(db.ResultDriverName(r));
        model.AddGridCell(db.ResultTeamName(r));
        model.AddGridCell(The_Class::NumText(rec.Pos));
        model.AddGridCell(The_Class::FormatTime(rec.Time));
        if (withGrid) model.AddGridCell(std::to_string(rec.Grid));
        model.AddGridCell(db.ReasonText(rec.Reason));
        model.AddGridCell(std::to_string(r));
    }
    model.tablo1kayitsayisi(static_cast<std::uint16_t>(model.tablo1.RowCount() - 1));
}

} // namespace qor::testing
