// zelvan_bench: the Google benchmarks, and `zelvan_bench --write-project
// OUT.pcp ROWS [CARDS]`, which saves the scaled sample project the
// benchmarks use (scripts/bench runs the programs on it).
#include "BenchProject.h"

#include "core/project/ProjectArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 4 && std::strcmp(argv[1], "--write-project") == 0) {
        const QFileInfo out(QString::fromLocal8Bit(argv[2]));
        const QString directory = out.absoluteDir().absolutePath() + QLatin1Char('/');
        const int cards = argc >= 5 ? std::atoi(argv[4]) : -1;
        const zelvan::ProjectRecord record = zelvan::bench::scaledProject(std::atoi(argv[3]), directory, cards);
        const zelvan::FileResult saved = zelvan::ProjectFile::save(out.absoluteFilePath(), record, zelvan::bench::benchCompany());
        if (!saved.ok)
            std::fprintf(stderr, "%s\n", saved.message.toUtf8().constData());
        return saved.ok ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
