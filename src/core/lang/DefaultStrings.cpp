#include "lang/DefaultStrings.h"

namespace qor {

const std::array<std::string_view, DefaultStringCount + 1> DefaultStrings = {
    "",                                                   // 0: unused
    "History",                                            // 1
    "Statistics",                                         // 2
    "Nationality :",                                      // 3
    "First GP    :",                                      // 4
    "Last GP    :",                                       // 5
    "First Win  :",                                       // 6
    "Last Win   :",                                       // 7
    "First Pole  :",                                      // 8
    "Last Pole  :",                                       // 9
    "Starts  :",                                          // 10
    "All GPs  :",                                         // 11
    "Dns :",                                              // 12
    "Dnpq :",                                             // 13
    "Dnq :",                                              // 14
    "Disq :",                                             // 15
    "Wins  :",                                            // 16
    "Podiums  :",                                         // 17
    "Fastest Laps  :",                                    // 18
    "Poles  :",                                           // 19
    "Retirements   :",                                    // 20
    "Total point  :",                                     // 21
    "GP information",                                     // 22
    "Gp name:",                                           // 23
    "Date:",                                              // 24
    "Number of laps:",                                    // 25
    "Fastest lap",                                        // 26
    "Pole position",                                      // 27
    "Name:",                                              // 28
    "Time:",                                              // 29
    "Name:",                                              // 30
    "Time:",                                              // 31
    "Cancel",                                             // 32
    "Save",                                               // 33
    "Record",                                             // 34
    "Position",                                           // 35
    "Grid Position",                                      // 36
    "Driver",                                             // 37
    "Team",                                               // 38
    "Notes",                                              // 39
    "Time style",                                         // 40
    "Enter time",                                         // 41
    "Time to save",                                       // 42
    "Save",                                               // 43
    "Cancel",                                             // 44
    "TOP LISTS",                                          // 45
    "Drivers",                                            // 46
    "Teams",                                              // 47
    "Point",                                              // 48
    "Fastest Lap",                                        // 49
    "Pole Position",                                      // 50
    "Win",                                                // 51
    "Consecutive Win",                                    // 52
    "",                                                   // 53
    "Pist Statistics",                                    // 54
    "Best Fastest Lap Owner",                             // 55
    "Most Fastest Lap Owner",                             // 56
    "Most Pole Position Winner",                          // 57
    "Most Race Winner",                                   // 58
    "GPs:1980-todate,  Pists: 2000-todate",               // 59
    "Font Size",                                          // 60
    "Main Form",                                          // 61
    "Automatic",                                          // 62
    "Normal",                                             // 63
    "Big",                                                // 64
    "Bigger",                                             // 65
    "Driver Window",                                      // 66
    "Small",                                              // 67
    "Normal",                                             // 68
    "Big",                                                // 69
    "Overall Statistics",                                 // 70
    "Top Lists",                                          // 71
    "Statistics for Pists",                               // 72
    "View of Comparing",                                  // 73
    "Horizontal (max 3 drivers)",                         // 74
    "Vertical",                                           // 75
    "To Compare List",                                    // 76
    "Highlight",                                          // 77
    "View All",                                           // 78
    "Close All",                                          // 79
    "Races",                                              // 80
    "- The Compare List -",                               // 81
    "View",                                               // 82
    "Update",                                             // 83
    "New record",                                         // 84
    "Update record",                                      // 85
    "Delete record",                                      // 86
    "New GP",                                             // 87
    "Update GP info",                                     // 88
    "Delete GP",                                          // 89
    "Save changes",                                       // 90
    "All lines",                                          // 91
    "Row lines",                                          // 92
    "Column lines",                                       // 93
    "No line",                                            // 94
    "Table drawing",                                      // 95
    "Themes",                                             // 96
    "Grid",                                               // 97
    "Constructors",                                       // 98
    "Retirements",                                        // 99
    "Analyzes",                                           // 100
    "record(s) found.",                                   // 101
    "Name",                                               // 102
    "Pos",                                                // 103
    "Team",                                               // 104
    "Time",                                               // 105
    "FL Time",                                            // 106
    "Pole Time",                                          // 107
    "Fastest Lap",                                        // 108
    "Pole Position",                                      // 109
    "Notes",                                              // 110
    "Date",                                               // 111
    "Track",                                              // 112
    "Winner",                                             // 113
    "Grandprix",                                          // 114
    "Points",                                             // 115
    "Team",                                               // 116
    "Engine",                                             // 117
    "Driver",                                             // 118
    "Nationality",                                        // 119
    "Year",                                               // 120
    "Champion",                                           // 121
    "Champion Team",                                      // 122
    "Champion Driver",                                    // 123
    "Nat",                                                // 124
    "Years",                                              // 125
    "Wins",                                               // 126
    "Car",                                                // 127
    "Winners",                                            // 128
    "Fastest Laps",                                       // 129
    "Pole Positions",                                     // 130
    "All Records",                                        // 131
    "Drivers Championship",                               // 132
    "Constructors Championship",                          // 133
    "Constructors Championship Winners",                  // 134
    "Drivers Championship Winners",                       // 135
    "Drivers Championship",                               // 136
    "Constructors Championship",                          // 137
    "points by year",                                     // 138
    "championship",                                       // 139
    "Find Name",                                          // 140
    "Podiums",                                            // 141
    "Search",                                             // 142
    "To selectname double click on it.",                  // 143
    "Point Tables ",                                      // 144
    "Drivers Championship",                               // 145
    "Constructors Championship",                          // 146
    "Champions",                                          // 147
    "Champions",                                          // 148
    "Sorted",                                             // 149
    "Sorted",                                             // 150
    "Podiums (1-2-3)",                                    // 151
    "All",                                                // 152
    "Races",                                              // 153
    "Wins",                                               // 154
    "Fastest Laps",                                       // 155
    "Pole Positions",                                     // 156
    "Races",                                              // 157
    "Wins",                                               // 158
    "Fastest Laps",                                       // 159
    "Poles Positions",                                    // 160
    "Races && Results",                                   // 161
    "Winners",                                            // 162
    "Fastest Laps",                                       // 163
    "Poles Positions",                                    // 164
    "Points by year",                                     // 165
    "Championship",                                       // 166
    "By track name",                                      // 167
    "By granprix name",                                   // 168
    "By date",                                            // 169
    "Help",                                               // 170
    "About",                                              // 171
    "Help",                                               // 172
    "Language",                                           // 173
    "TR",                                                 // 174
    "EN",                                                 // 175
    "Usage",                                              // 176
    "Fastest lap",                                        // 177
    "Pole position",                                      // 178
    "Weather",                                            // 179
    "Number of Laps :",                                   // 180
    "GP Winners",                                         // 181
    "Fastest Laps",                                       // 182
    "Pole Positions",                                     // 183
    "First select the race",                              // 184
    "Only GPs that belongs to last season can be update", // 185
    "There is no gp belongs the selected year",           // 186
    "Select the record for update",                       // 187
    "Write error. Possibly, readonly file.",              // 188
    "Select the record to delete",                        // 189
    "No GP deleted",                                      // 190
    "Previous connection process not completed. Please wait until it completes its work or "
    "restart the program.",                                                         // 191
    "Import is completed successfully! Check results before saving.",               // 192
    "You have selected the file that Qor is currently using",                       // 193
    "Restart the program",                                                          // 194
    "A little later you'll get a message that shows sharing is succesfull or not.", // 195
    "You are about to delete this race. Do you want to continue?",                  // 196
    "You are about to delete this record. Do you want to continue?",                // 197
    "Exit without save?",                                                           // 198
    "Querying Qor server for new GP updates...",                                    // 199
    "Dark Level",                                                                   // 200
    "Modern",                                                                       // 201
    "Before pressing this button, you must write your message or select a rate for the "
    "program.",                                                                           // 202
    "If you want to rate this product you must be logged in.",                            // 203
    "Please use \"Help\" menu and read \"Reviews And Messages\" section for information", // 204
    "Please, do not use this character",                                                  // 205
    "Do you want to delete your message?",                                                // 206
    "Sending Mesaj. Please wait...",                                                      // 207
    "messages (Total)",                                                                   // 208
    "Page:",                                                                              // 209
    "PAGE:",                                                                              // 210
    "Completed",                                                                          // 211
    "Getting reviews. Please wait...",                                                    // 212
    "Comunication completed",                                                             // 213
    "Server is not available. Please try later.",                                         // 214
    "You did not correctly repeat your new password",                                     // 215
    "Extra",                                                                              // 216
    "Waiting",                                                                            // 217
    "Ok",                                                                                 // 218
    "You must log in before changing your password",                                      // 219
    "Insert record",                                                                      // 220
    "Update record",                                                                      // 221
    "Comparing drivers (Race results)",                                                   // 222
};

// The "Races" caption of the driver popup's track submenu is the item races1 (the "All"
// submenu's Races7 has slot 153), beside wins1, FL1 and poles1 of slots 158..160.
const std::array<ControlSlot, 80> MainWindowCaptions = {{
    {"FontSize1", 60},
    {"MainForm1", 61},
    {"Automatic1", 62},
    {"Normal2", 63},
    {"Big2", 64},
    {"Bigger1", 65},
    {"AnalyzeWindow1", 66},
    {"Small1", 67},
    {"Normal1", 68},
    {"Big1", 69},
    {"OverallStatistics1", 70},
    {"opLists1", 71},
    {"PistStatistics1", 72},
    {"CompareStyle1", 73},
    {"Horizontaluntil3driver2", 74},
    {"Vertical2", 75},
    {"oCompareList1", 76},
    {"Highlight1", 77},
    {"ViewAll1", 78},
    {"CloseAll1", 79},
    {"SpeedButton5", 80},
    {"ComboBox6", 81},
    {"view1", 82},
    {"Update1", 83},
    {"NewRecord1", 84},
    {"UpdateRecord1", 85},
    {"DeleteRecord1", 86},
    {"NewGP1", 87},
    {"UpdateGP1", 88},
    {"DeleteGP1", 89},
    {"Savechanges1", 90},
    {"Alllines1", 91},
    {"Rowlines1", 92},
    {"Columnlines1", 93},
    {"Noline1", 94},
    {"ables1", 95},
    {"hemes1", 96},
    {"Analyzes1", 100},
    {"Label2", 144},
    {"Label27", 145},
    {"Label30", 146},
    {"button1", 147},
    {"button3", 148},
    {"button4", 149},
    {"button7", 150},
    {"Podiums1", 151},
    {"All1", 152},
    {"Races7", 153},
    {"Wins7", 154},
    {"FL4", 155},
    {"Poles7", 156},
    {"races1", 157},
    {"wins1", 158},
    {"FL1", 159},
    {"poles1", 160},
    {"AllRaces2", 161},
    {"AllWinners1", 162},
    {"AllFastestLaps2", 163},
    {"AllPoles2", 164},
    {"pointsbyyear", 165},
    {"Championship1", 166},
    {"bypistname1", 167},
    {"byprixname1", 168},
    {"Bydate1", 169},
    {"Help1", 170},
    {"About1", 171},
    {"Neleryapabilirim1", 172},
    {"Dil1", 173},
    {"TR1", 174},
    {"EN1", 175},
    {"Label6", 177},
    {"Label7", 178},
    {"Label8", 179},
    {"Label32", 180},
    {"SpeedButton10", 181},
    {"SpeedButton7", 182},
    {"SpeedButton9", 183},
    {"DarkLevel1", 200},
    {"MoreStyle1", 201},
    {"Other1", 216},
}};

} // namespace qor
