#pragma once
// The offscreen application every GUI benchmark runs in, made once per process.

#include "mainwindow/Fonts.h"

#include <QApplication>

#include <cstdlib>

namespace qor::bench {

inline QApplication& OffscreenApp() {
    static int argc = 1;
    static char name[] = "qor-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        app::InstallFontSubstitutions();
        return a;
    }();
    return *app;
}

} // namespace qor::bench
