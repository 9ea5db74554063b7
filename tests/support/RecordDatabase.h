#pragma once
// A small database for the record list tests (library and command line), built so that each
// match rule of the lists has a case where a wrong rule gives a different list.

#include "database/STheClass.h"

#include <memory>

namespace qor::testing {

// Drivers Alan Able (1), Bert Baker (2), Carl Cole (3), Dave Dunn (4); teams Red (1), Blue (2);
// tracks Alpha (1), Beta (2). Result records by GP (record: driver, position, team), each GP's
// records sorted by position (unplaced last), as the data file requires:
//   GP1 10 Mar 1990 Alpha  1 Able 1 Red, 2 Baker 2 Red, 3 Cole 3 Blue, 4 Dunn - Blue
//                          fastest lap Cole, pole Able
//   GP2 08 Apr 1990 Beta   5 Cole 2 Blue (no winner's record: listed first), 6 Able 3 Red,
//                          7 Baker - Red; fastest lap Dunn (no record here), pole Baker
//   GP3 06 May 1990 Alpha  8 Baker 1 Blue, 9 Cole 2 Blue, 10 Able - Red
//                          fastest lap Baker, pole Cole
//   GP4 10 Mar 1991 Alpha  11 Dunn 1 Red, 12 Baker 2 Red, 13 Able 2 Red (shared car),
//                          14 Cole 5 Blue, 15 Able - Red (his own car)
//                          fastest lap Able, pole Dunn
//   GP5 07 Apr 1991 Beta   16 Baker 1 Blue, 17 Dunn 2 Red, 18 Cole 3 Blue, 19 Cole 6 Blue
//                          (a second car); fastest lap Cole, pole Baker
//   GP6 05 May 1991 Alpha  no results, no fastest lap or pole
//   GP7 02 Jun 1991 Beta   20 Able 1 Blue, 21 Dunn 2 Red; fastest lap Dunn, pole Able
//   GP8 07 Jul 1991 Beta   22 Dunn - Red (disqualified), 23 Baker - Blue: nobody classified
//                          fastest lap Baker, pole Dunn
std::unique_ptr<The_Class> MakeRecordDatabase();

} // namespace qor::testing
