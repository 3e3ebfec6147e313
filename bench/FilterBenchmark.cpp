// One run of the group filter over a loaded file, as every keystroke in the group
// selector starts one: a group that holds a quarter of the records, and a partly
// typed number that matches nothing.
#include <benchmark/benchmark.h>

#include "LoggerFiles.h"
#include "app/Unit1.h"

namespace {

void runFilter(benchmark::State& state, const QString& text) {
    app::LoadedMeasurements measurements;
    app::TForm1 form(measurements);
    form.show();
    form.loadFile(QString::fromStdString(bench::loggerFile(state.range(0))));
    form.ComboBox1->setText(text);
    for (auto _ : state) {
        form.ComboBox1Change();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["points"] = static_cast<double>(form.Series1->Count());
}

void BM_FilterOneGroup(benchmark::State& state) {
    runFilter(state, QStringLiteral("002"));
}
BENCHMARK(BM_FilterOneGroup)->Arg(65'535)->Unit(benchmark::kMillisecond);

void BM_FilterNoMatch(benchmark::State& state) {
    runFilter(state, QStringLiteral("00"));
}
BENCHMARK(BM_FilterNoMatch)->Arg(65'535)->Unit(benchmark::kMillisecond);

}  // namespace
