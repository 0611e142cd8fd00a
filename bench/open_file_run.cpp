// SPDX-License-Identifier: GPL-3.0-or-later
// Opens or saves one motion file through the real main window, as a user would, and prints
// how long each step took and the longest time the window did not answer. Run it under
// /usr/bin/time -v for the peak memory (bench/odd_files does both for a set of odd files).
//   zephyra_open_run open FILE    Open Motion, Load (FILE chosen), then Yes when offered
//   zephyra_open_run save FILE    Save Motion, Save (FILE chosen)
#include "app/main_window.h"
#include "support/fake_platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>

namespace {

// The file dialog, open or save, chooses FILE.
class ScriptedPlatform : public FakePlatform {
public:
    explicit ScriptedPlatform(const QString& path) {
        openAnswers = {path};
        saveAnswers = {path};
    }

    // Shown as the program shows it, then closed: laying out the message costs time too.
    void showError(const QString& message) override {
        FakePlatform::showError(message);
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Zephyra"), message);
        box.show();
        if (!QTest::qWaitForWindowExposed(&box))
            std::fprintf(stderr, "the message box never showed: its time is not in the step\n");
        QApplication::processEvents();
    }
};

QString shortened(const QString& text) {
    QString shown = text.left(60);
    for (QChar& c : shown)
        if (!c.isPrint())
            c = u'?';
    return text.size() > 60 ? QStringLiteral("%1... (%2 characters)").arg(shown).arg(text.size())
                            : shown;
}

} // namespace

int main(int argc, char** argv) {
    // As the program does at start: a file size limit fails writes instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 || (args[1] != u"open" && args[1] != u"save")) {
        std::fprintf(stderr, "usage: zephyra_open_run open|save FILE\n");
        return 2;
    }
    const bool opening = args[1] == u"open";
    ScriptedPlatform platform(args[2]);
    zephyra::Trelativefrm window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(50);

    // A heartbeat every millisecond: the longest gap between two beats is the longest time
    // the window did not answer.
    QElapsedTimer clock;
    clock.start();
    qint64 lastBeat = 0;
    qint64 longestGap = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastBeat);
        lastBeat = clock.elapsed();
    });
    beat.start(1);

    const auto button = [&](const char* name) {
        return window.findChild<QAbstractButton*>(QLatin1String(name));
    };
    const auto action = [&](const char* name) {
        return window.findChild<QAction*>(QLatin1String(name));
    };
    std::vector<std::pair<const char*, std::function<void()>>> steps;
    if (opening) {
        steps = {{"Open Motion", [&] { action("Openmotion1")->trigger(); }},
                 {"Load", [&] { button("lsbt")->click(); }},
                 {"Yes", [&] {
                      if (button("ybt")->isVisible())
                          button("ybt")->click();
                  }}};
    } else {
        steps = {{"Save Motion", [&] { action("SaveMotion1")->trigger(); }},
                 {"Save", [&] { button("lsbt")->click(); }}};
    }
    for (const auto& [name, step] : steps) {
        QElapsedTimer stepClock;
        stepClock.start();
        step();
        // Let the window paint what the step changed before the clock stops.
        QApplication::processEvents();
        std::printf("%-12s %8lld ms\n", name, static_cast<long long>(stepClock.elapsed()));
        QTest::qWait(20);
    }
    QTest::qWait(20);
    std::printf("%-12s %8lld ms\n", "longest stall", static_cast<long long>(longestGap));
    const auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("expmem"));
    std::printf("panel        %s; box holds %lld characters\n",
                window.findChild<QWidget*>(QStringLiteral("expgb"))->isVisible() ? "open"
                                                                                 : "closed",
                static_cast<long long>(memo->toPlainText().size()));
    for (const QString& error : platform.errors)
        std::printf("message      %s\n", qPrintable(shortened(error)));
    return 0;
}
