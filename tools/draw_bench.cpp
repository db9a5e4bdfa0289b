// How long drawing takes, per skin: a full draw of the basic page, and one
// hover repaint (OK lit, then Apply lit and OK restored) with the image cache
// on and off, with the repaint limited to the buttons' rectangles and, for
// comparison, of the whole window. Run by bench/draw (offscreen platform).
//
//   draw-bench --data-dir DIR [--rounds N]

#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

namespace {

using namespace pelmora;

// Median of the calls of `step`, in milliseconds.
template <typename Step> double medianMs(int rounds, Step step) {
    std::vector<qint64> times;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        step(i);
        times.push_back(clock.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return static_cast<double>(times[times.size() / 2]) / 1e6;
}

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addOptions({{"data-dir", "Data folder.", "dir"}, {"rounds", "Repetitions.", "n", "200"}});
    args.process(app);
    const int rounds = std::max(3, args.value("rounds").toInt());
    const QString skins = args.value("data-dir") + "/Skins";

    std::printf("%-8s %14s %22s %22s %10s %22s\n", "skin", "full page", "hover, cache on",
                "hover, cache off", "ratio", "hover, whole window");
    for (const QString& skin : QDir(skins).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        skinState().setSkin(skins, skin);
        skinState().setLanguage("EN");
        skinState().setTextColour(QColor(222, 228, 236));
        SettingsBlock settings = factorySettings();
        PageWindow window(settings);
        window.start();
        window.show();
        QCoreApplication::processEvents();

        auto& cache = skinImageCache();
        cache.setEnabled(true);
        const double full = medianMs(rounds, [&](int) {
            window.frame().redrawCurrentPage();
            window.repaint();
        });
        // OK and Apply lit in turn: each hover draws two buttons.
        const QPoint ok = centre(layout::kOkButton);
        const QPoint apply = centre(layout::kApplyButton);
        auto hover = [&](int i) {
            window.frame().hover().hoverAt(i % 2 ? ok : apply);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(); // the repaint of what changed
        };
        const double cached = medianMs(rounds, hover);
        const double whole = medianMs(rounds, [&](int i) {
            window.frame().hover().hoverAt(i % 2 ? ok : apply);
            window.repaint(); // as if every partial draw repainted the window
        });
        cache.setEnabled(false);
        const double uncached = medianMs(rounds, hover);
        cache.setEnabled(true);
        std::printf("%-8s %11.3f ms %19.3f ms %19.3f ms %9.1fx %19.3f ms\n", qPrintable(skin), full,
                    cached, uncached, uncached / cached, whole);
    }
    return 0;
}
