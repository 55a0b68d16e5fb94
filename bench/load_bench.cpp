// The real window under load: a 1,000,000-entry list is loaded, createMirrorTree starts, and
// the list is reloaded twice while the worker runs. Measures the longest time the window left
// a 5 ms timer unserved (how long input would wait) and the resident memory after each phase.
//
// usage: bench_load [entries=1000000] [folder=/dev/shm/lindquay-bench-load]
#include "OffscreenApplication.h"
#include "SampleCache.h"
#include "app/Program.h"
#include "text/Encoding.h"
#include "ui/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace lindquay;
namespace fs = std::filesystem;

double residentMib() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[]) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const fs::path run = argc > 2 ? fs::path(argv[2]) : fs::path("/dev/shm/lindquay-bench-load");
    fs::remove_all(run);
    fs::create_directories(run);
    {
        sample::TreeShape shape;
        shape.entries = entries;
        if (sample::writeCacheDatabase((run / "BaiduYunCacheFileV0.db").string(),
                                       sample::generateTree(shape))) {
            return 1;
        }
    }
    fs::current_path(run);
    const bench::OffscreenApplication application;
    Program program({utf8ToGbk(run.string()).value(), [](int code) { std::_Exit(code); }, ""});
    program.start();
    MainWindow* window = program.mainWindow();
    auto* readButton = window->findChild<QPushButton*>(QStringLiteral("按钮4"));
    auto* mirrorButton = window->findChild<QPushButton*>(QStringLiteral("按钮1"));
    auto* progress = window->findChild<QLabel*>(QStringLiteral("标签2"));

    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceTick;
    sinceTick.start();
    double longestGapMs = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });
    // Answers every report box at once, as a user clicking OK.
    QTimer boxes;
    boxes.setInterval(1);
    int answered = 0;
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
            ++answered;
        }
    });
    ticker.start();
    boxes.start();

    const auto phase = [&](const char* name) {
        std::printf("%-34s at %7.2f s  resident %7.1f MiB  longest input gap so far %6.1f ms\n",
                    name, static_cast<double>(clock.elapsed()) / 1000.0, residentMib(),
                    longestGapMs);
        std::fflush(stdout);
    };
    readButton->click();
    phase("list loaded");
    mirrorButton->click();
    phase("mirror worker started");
    // Let the worker build for a while first: a reload empties the list, and rows the worker
    // reaches before the reload has read them again are empty, so nothing is made for them.
    QElapsedTimer building;
    building.start();
    while (building.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    phase("worker building for 3 s");
    for (int reload = 1; reload <= 2; ++reload) {
        window->menuCommand(QStringLiteral("刷新信息"))->trigger();
        phase(reload == 1 ? "first reload done" : "second reload done");
    }
    // The worker's last label shows its last row over the list's count at that moment.
    const QString done = QString::number(entries) + QLatin1Char('/');
    QElapsedTimer waiting;
    waiting.start();
    while (!progress->text().startsWith(done) && waiting.elapsed() < 600'000) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    std::printf("progress label: %s\n", progress->text().toUtf8().constData());
    QApplication::processEvents();
    phase("mirror worker finished");
    std::size_t made = 0;
    for (auto it = fs::recursive_directory_iterator(run / "网盘本地镜像");
         it != fs::recursive_directory_iterator(); ++it) {
        ++made;
    }
    std::printf("boxes answered: %d; the mirror holds %zu entries\n", answered, made);
    fs::current_path("/");
    fs::remove_all(run);
    std::_Exit(0);
}
