#pragma once
// The two sliding panels of the main window, one timer tick at a time: the wide-table switch
// (the grid panel's width) and the championship panel (its top edge).

namespace qor {

// One tick: the new value, and whether the movement has ended (the timer stops and the
// buttons are enabled again).
struct SlideStep {
    int Value = 0;
    bool Done = false;
};

// Widening: +60 while the client width - 70 is at least the width, else client width - 20.
SlideStep WidenTableStep(int width, int clientWidth);
// Narrowing: -60 while the width is at least the normal width + 70, else the normal width.
SlideStep NarrowTableStep(int width, int normalWidth);
// Opening the championship panel: down by 40 while its top is above -39, else top 0.
SlideStep OpenChampionshipStep(int top);
// Closing: up by 40 while the top is at least -(height) - 30, then it settles with a strip of
// about 20 pixels (scaled) showing, where the open button is.
SlideStep CloseChampionshipStep(int top, int height, double zoomFactor);
// The top of the closed championship panel.
int ClosedChampionshipTop(int height, double zoomFactor);

} // namespace qor
