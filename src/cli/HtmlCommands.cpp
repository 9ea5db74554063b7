// "gp DATE --format html": the Grand Prix table as the HTML button writes it.

#include "CliContext.h"

#include "export/HtmlExport.h"
#include "lang/Langs.h"
#include "mainwindow/GPBrowser.h"
#include "settings/SettingsStore.h"

#include <ostream>

namespace qor::cli {
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
    FillGPResultsTable(model, db, g);
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
