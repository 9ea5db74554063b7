#pragma once
// The offscreen application every GUI benchmark runs in, made once per process, and the
// prompts they build windows with.

#include "dialogs/Prompts.h"
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

// Answers nothing: the benchmarks never ask.
class SilentPrompts : public app::Prompts {
  public:
    void Inform(QWidget*, const QString&) override {}
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    QString PickLanguageFile(QWidget*, const QString&) override { return {}; }
    bool OpenPage(const QString&) override { return false; }
    int RunModal(QDialog&) override { return 0; }
    QString PickImportFile(QWidget*, const QString&) override { return {}; }
};

} // namespace qor::bench
