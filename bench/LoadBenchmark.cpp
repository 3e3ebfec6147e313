// How long "Load" takes: reading a DTS file into a store, the whole command after
// its dialog (read, plot both curves with their labels, fill the selector and the
// summary), and the first repaint of the chart after it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "LoggerFiles.h"
#include "app/Unit1.h"
#include "data/DtsFileSource.h"
#include "data/DtsLoader.h"

namespace {

void BM_ReadDtsFile(benchmark::State& state) {
    const std::string path = bench::loggerFile(state.range(0));
    for (auto _ : state) {
        data::DtsFileSource source(path);
        const std::int32_t count = data::wholeRecordCount(source);
        benchmark::DoNotOptimize(data::readDtsRecords(source, count, nullptr));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadDtsFile)->Arg(65'535)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_LoadCommand(benchmark::State& state) {
    const QString path = QString::fromStdString(bench::loggerFile(state.range(0)));
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
    app::LoadedMeasurements measurements;
    app::TForm1 form(measurements);
    form.loadFile(QString::fromStdString(bench::loggerFile(state.range(0))));
    QImage image(form.Chart1->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        form.Chart1->renderTo(painter, image.size());
    }
}
BENCHMARK(BM_ChartRepaintAfterLoad)->Arg(65'535)->Unit(benchmark::kMillisecond);

}  // namespace
