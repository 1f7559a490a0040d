#pragma once

// The main of the benchmarks that need the window: an offscreen QApplication in the window's
// style, a set-up of the benchmark's own, then Google Benchmark.

#include <QApplication>
#include <QStyleFactory>

#include <benchmark/benchmark.h>

#include <functional>

// `preparar` runs once the application exists (false stops with status 1), `encerrar` after the
// benchmarks, while it still exists.
inline int RodarComQApplication(int argc, char** argv, const std::function<bool()>& preparar,
                                const std::function<void()>& encerrar = [] {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (!preparar())
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    encerrar();
    return 0;
}
