#include "mainwindow/PanelSlides.h"

#include "mainwindow/Rounding.h"

namespace qor {

SlideStep WidenTableStep(int width, int clientWidth) {
    if (clientWidth - 70 >= width) return {width + 60, false};
    return {clientWidth - 20, true};
}

SlideStep NarrowTableStep(int width, int normalWidth) {
    if (width >= normalWidth + 70) return {width - 60, false};
    return {normalWidth, true};
}

SlideStep OpenChampionshipStep(int top) {
    if (top < -39) return {top + 40, false};
    return {0, true};
}

int ClosedChampionshipTop(int height, double zoomFactor) {
    return RoundHalfEven(20 * zoomFactor) - height;
}

SlideStep CloseChampionshipStep(int top, int height, double zoomFactor) {
    if (top >= -height - 30) return {top - 40, false};
    return {ClosedChampionshipTop(height, zoomFactor), true};
}

} // namespace qor
