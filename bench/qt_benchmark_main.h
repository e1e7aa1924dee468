// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main of a benchmark that draws widgets: a Qt application on the offscreen platform (drawing
// needs fonts but no screen), unless the caller names another.
#include <benchmark/benchmark.h>
#include <QApplication>

inline int runQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
