// What the kept history costs the window program, in a state folder of its
// own (offscreen):
//   build/bench/history_bench [--benchmark_repetitions=5]
// BM_RecordRun: one calculation recorded with 1,000 kept: the engine's add
// and the whole file written and renamed into place (what RunCalculation
// adds to a run). BM_AddToHistory: the engine's add alone. BM_OpenHistory:
// the history window opened on a file of 1,000 calculations, from reading
// the file to the list filled.
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/history.h"
#include "ui/history_keeper.h"
#include "ui/history_window.h"

namespace {

using namespace tamrisk;

HistoryEntry Calculation(int i) {
  HistoryEntry entry;
  entry.input = {std::to_string(i), " ", "V", "5", "k", "Ω", " 指定なし", 0};
  entry.time = "2026-12-11T10:15:00Z";
  entry.result = "● 5kΩの抵抗に電圧 " + std::to_string(i) + "Vを印加した場合に流れる電流は 2.0000mA";
  return entry;
}

std::vector<HistoryEntry> Thousand() {
  std::vector<HistoryEntry> entries;
  for (int i = 0; i < 1000; ++i) entries.push_back(Calculation(i));
  return entries;
}

const auto Quiet = [](const char*, const QString&) {};

void BM_AddToHistory(benchmark::State& state) {
  std::vector<HistoryEntry> entries = Thousand();
  int i = 1000;
  for (auto _ : state) AddToHistory(entries, Calculation(++i));
}
BENCHMARK(BM_AddToHistory);

void BM_RecordRun(benchmark::State& state) {
  QTemporaryDir dir;
  HistoryKeeper keeper(dir.filePath(QStringLiteral("tamrisk/history.jsonl")), Quiet);
  for (const HistoryEntry& entry : Thousand()) keeper.add(entry);  // the file made once
  int i = 1000;
  for (auto _ : state) keeper.add(Calculation(++i));
  state.SetLabel("1,000 kept, the file rewritten each time");
}
BENCHMARK(BM_RecordRun)->Unit(benchmark::kMicrosecond);

void BM_OpenHistory(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("history.jsonl"));
  {
    HistoryKeeper writer(path, Quiet);
    for (const HistoryEntry& entry : Thousand()) writer.add(entry);
  }
  for (auto _ : state) {
    HistoryKeeper keeper(path, Quiet);
    HistoryWindow window(nullptr, keeper, [](const RunInput&) {});
    window.openHistory();
    QApplication::processEvents();
    benchmark::DoNotOptimize(keeper.entries().size());
  }
}
BENCHMARK(BM_OpenHistory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
