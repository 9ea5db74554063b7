// "gp DATE --format html": the Grand Prix table as the HTML button writes it.

#include "CliContext.h"

#include "export/HtmlExport.h"
#include "lang/Langs.h"
#include "settings/SettingsStore.h"

#include <ostream>

namespace qor::cli {
namespace {

// The season browser's table of GP g in tablo1.
void FillGPTable(ResultGrid& model, const The_Class& db, int g) {
    const Langs& l = model.Texts();
    const StandardWidths& w = model.Widths;
    const TGPRow& gp = db.GPs[static_cast<std::size_t>(g)];
    const bool withGrid = The_Class::YearOfDate(gp.Date) >= 2002;
    std::vector<int> widths = {25, w.ColWName, w.ColWTeam, w.ColWPos, w.ColWTime};
    std::vector<std::string> titles = {"", l.Title(slot::Name), l.Title(slot::Team),
                                       l.Title(slot::Pos), l.Title(slot::Time)};
    if (withGrid) {
        widths.push_back(w.ColWGrid);
        titles.push_back(l.Title(slot::Grid));
    }
    widths.insert(widths.end(), {w.ColWNotes, 0});
    titles.insert(titles.end(), {l.Title(slot::Notes), ""});
    widths.insert(widths.begin(), static_cast<int>(titles.size()));
    model.SetTableColumns(widths);
    model.SetColumnTitles(titles);
    if (The_Class::YearOfDate(gp.Date) < 1980) model.HtmlButtonVisible = false;
    model.tablo1.TitleLabel = db.GPNameOf(gp.GPName) + "       " + db.TrackNameOf(gp.Track) +
                              "     " + db.FormatDateAlt(gp.Date);
    int n = 0;
    for (int r = gp.FirstResult; r <= gp.LastResult; ++r) {
        const TResultRec& rec = db.Results[static_cast<std::size_t>(r)];
        model.tablo1.SetRowCount(++n + 1);
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
    model.tablo1kayitsayisi(static_cast<std::uint16_t>(n));
}

} // namespace

bool TakeFormatOption(std::vector<std::string>& args, std::string& format, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--format") continue;
        if (i + 1 >= args.size() || (args[i + 1] != "text" && args[i + 1] != "html")) {
            err << "qor-cli: --format takes text or html\n";
            return false;
        }
        format = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        return true;
    }
    return true;
}

int PrintGPPage(CliContext& ctx, int g, std::ostream& out, std::ostream& err) {
    const The_Class& db = *ctx.db;
    // The texts and look of the program with the data file's view settings; no window, so
    // the table is not stretched to a panel.
    Langs langs;
    const MemorySettings noSettings;
    const LanguageLoadResult lang = langs.ApplyLanguage(db.LanguageMode, ctx.dataDir, noSettings);
    ResultGrid model(langs);
    model.ApplyZoom(1.0, 1000);
    FillGPTable(model, db, g);
    if (!model.HtmlButtonVisible) {
        err << "The HTML page is made for Grands Prix from 1980 on\n";
        return 1;
    }
    const ThemePalette palette = SetColorTheme(db.ColorTheme, db.DarkLevel, model.ZoomFactor);
    const CellStyleView view{model.tablo1, model, palette, db.GridLineStyle, db.OddEvenRows};
    // The page's own bytes (Windows-1254, CR LF), exactly as the HTML button writes the file.
    out << BuildHtmlPage(view, lang.Mode);
    return 0;
}

} // namespace qor::cli
