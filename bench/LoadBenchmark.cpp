// How long "Load" takes: reading a DTS file into a store, and the whole command
// after its dialog (read, plot both curves with their labels, fill the selector and
// the summary), then the first repaint of the chart.
//   build/release/bench/load_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "app/Unit1.h"
#include "data/DtsFileSource.h"
#include "data/DtsFixtures.h"
#include "data/DtsLoader.h"

namespace {

QTemporaryDir* folder = nullptr;

// A logger's file of the given number of records, written once per size.
std::string loggerFile(std::int64_t records) {
    const QString path = folder->filePath(QStringLiteral("log-%1.dts").arg(records));
    if (!QFile::exists(path)) {
        std::ofstream out(path.toStdString(), std::ios::binary);
        std::vector<unsigned char> bytes(data::DtsRecordSize);
        for (std::int64_t i = 0; i < records; ++i) {
            const double day = 46083.0 + static_cast<double>(i) / 144.0;
            const double daily = std::sin(6.283185307 * (day - std::floor(day)));
            data::encodeDtsRecord(fixtures::reading(21 + 3 * daily, 55 - 10 * daily,
                                                    static_cast<std::uint8_t>(1 + i / 2000 % 4),
                                                    std::floor(day), day - std::floor(day)),
                                  bytes.data());
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        }
    }
    return path.toStdString();
}

void BM_ReadDtsFile(benchmark::State& state) {
    const std::string path = loggerFile(state.range(0));
    for (auto _ : state) {
        data::DtsFileSource source(path);
        const std::int32_t count = data::wholeRecordCount(source);
        benchmark::DoNotOptimize(data::readDtsRecords(source, count, nullptr));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadDtsFile)->Arg(65'535)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_LoadCommand(benchmark::State& state) {
    const QString path = QString::fromStdString(loggerFile(state.range(0)));
    app::LoadedMeasurements measurements;
    app::TForm1 form(measurements);
    form.show();
    for (auto _ : state) {
        form.loadFile(path);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadCommand)->Arg(65'535)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_ChartRepaintAfterLoad(benchmark::State& state) {
    const QString path = QString::fromStdString(loggerFile(state.range(0)));
    app::LoadedMeasurements measurements;
    app::TForm1 form(measurements);
    form.loadFile(path);
    QImage image(form.Chart1->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        form.Chart1->renderTo(painter, image.size());
    }
}
BENCHMARK(BM_ChartRepaintAfterLoad)->Arg(65'535)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir files;
    folder = &files;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
