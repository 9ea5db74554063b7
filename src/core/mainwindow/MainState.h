#pragma once
// The main window's state that table producers read and write, without any widget: the
// database, texts, grids, history and the browser's lists, as one context.

#include "database/STheClass.h"
#include "lang/Langs.h"
#include "mainwindow/NavigationHistory.h"
#include "mainwindow/ResultGrid.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qor {

// Values of the GP information panel (gpbilgipanel).
struct GPInfoPanel {
    bool Visible = false;
    std::string FastestLap;            // Fastestlap
    std::string FastestLapTime;        // Fastestlaptime
    std::string PolePosition;          // Poleposition
    std::string PolePositionTime;      // Polepositiontime
    std::string Weather;               // Weather
    bool WeatherCaptionVisible = true; // Label8
    std::string Laps;                  // numberoflaps
};

// The lists and boxes of the main window that producers fill or read.
struct BrowserState {
    std::vector<std::string> Years;    // ComboBox1 items (LastYear down to 1950)
    int YearIndex = -1;                // ComboBox1 selection
    std::vector<std::string> GPList;   // gpListBox1 labels
    int GPIndex = -1;                  // gpListBox1 selection
    std::uint8_t GPListMode = 1;       // 1 track, 2 GP name, 3 date
    std::string GPListFont = "tahoma"; // "courier" while the list shows dates
    GPInfoPanel Info;
    std::string Status;                           // the status line
    std::vector<std::string> DriverStandingYears; // ListBox2 items
    int DriverStandingYearIndex = -1;
    std::vector<std::string> TeamStandingYears; // ListBox3 items
    int TeamStandingYearIndex = -1;
    std::string DriverBox; // ComboBox2 text
    // "Share This GP": SpeedButton22's Tag and ShareGPResults1's caption.
    std::uint16_t ShareTag = 0;
    std::string ShareCaption;
    // The compare list (CompareList): driver indexes in the order added, at most 25. The combo
    // box ComboBox6 lists their names after its title item; Panel5 shows while it is not empty.
    std::vector<std::uint16_t> CompareList;
};

// Everything a table producer works with. One instance lives as long as the main window (or a
// command-line run); the history's commands capture a reference to it.
struct TableContext {
    TableContext(The_Class& database, const Langs& texts)
        : db(database), langs(texts), grid(texts) {}
    TableContext(const TableContext&) = delete;
    TableContext& operator=(const TableContext&) = delete;

    The_Class& db;
    const Langs& langs;
    ResultGrid grid;
    NavigationHistory history;
    BrowserState browser;
    // Captions of popup menu items set by producers, by item name ("Aboutdriver1", ...).
    std::map<std::string, std::string> MenuCaptions;
};

} // namespace qor
