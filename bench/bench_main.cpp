// lexitally-bench CORPUS_DIR COUNT_TOOL [benchmark options]
// Times the statistics on the corpora CORPUS_DIR/<name>.txt in process (split,
// count, saved report, a header click on each column), the command-line tool
// COUNT_TOOL on the whole file, and peers on the same file, then prints every
// time with its ratio to `wc -w` on that file. Whole programs run several
// times and count by their median: a shared machine's speed wanders. The
// peers read bytes (the C locale), as a GBK file needs and as `wc -w` is
// fastest; `wc -w` in the caller's own locale is shown as well.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frequency_report.h"
#include "app/report_export.h"
#include "app/word_split.h"
#include "controls/order_sort.h"
#include "framework/file_io.h"
#include "framework/locale.h"
#include "peers.h"
#include "regex/perl_regex.h"

namespace {

// One corpus and what the stages before a measured one produced.
struct TCorpus {
  std::string name;
  std::string path;
  AnsiString text;
  std::optional<TSplitResult> split;
  TFrequencyReport report;
};

TSplitResult Split(const AnsiString& text) {
  TPerlRegEx regex;
  return *SplitWords(text, TSplitOptions{}, regex, DefaultLocale());
}

// The corpus's report, made first where no count has made it yet: runs of
// different benchmarks come in any order.
const TFrequencyReport& Report(TCorpus& corpus) {
  if (!corpus.split) corpus.split = Split(corpus.text);
  if (corpus.report.rows.empty())
    corpus.report =
        BuildFrequencyReport(corpus.split->raw_words, corpus.split->distinct_words, DefaultLocale());
  return corpus.report;
}

// The report list's captions as the main window shows them first.
std::vector<AnsiString> Captions() {
  return {"编号", "单词", "出现频率"};
}

// Each benchmark's name goes into `names`, in the order the table shows them.
void RegisterInProcess(const std::shared_ptr<TCorpus>& corpus, std::vector<std::string>& names) {
  const std::string& name = corpus->name;
  const int iterations = corpus->text.size() > (std::size_t{4} << 20) ? 1 : 3;
  auto add = [&](const std::string& what, auto body) {
    names.push_back(name + "/" + what);
    benchmark::RegisterBenchmark(names.back().c_str(), body)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->UseRealTime();
  };
  add("split", [corpus](benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Split(corpus->text));
  });
  add("count", [corpus](benchmark::State& state) {
    if (!corpus->split) corpus->split = Split(corpus->text);
    for (auto _ : state) {
      corpus->report =
          BuildFrequencyReport(corpus->split->raw_words, corpus->split->distinct_words, DefaultLocale());
    }
  });
  add("report", [corpus](benchmark::State& state) {
    const TFrequencyReport& report = Report(*corpus);
    for (auto _ : state) benchmark::DoNotOptimize(ExportReport(report.rows, true));
  });
  for (int column = 0; column < 3; ++column) {
    add("sort column " + std::to_string(column), [corpus, column](benchmark::State& state) {
      const TFrequencyReport& report = Report(*corpus);
      std::vector<TReportRow> rows;
      for (auto _ : state) {
        state.PauseTiming();
        // A fresh copy, laid out in order as a new report is; the last run's
        // rows are freed here, outside the time of the sort.
        rows = std::vector<TReportRow>(report.rows);
        std::vector<AnsiString> captions = Captions();
        state.ResumeTiming();
        SortByColumn(rows, captions, column);
      }
    });
  }
}

constexpr int kWholeRuns = 7;

void RegisterWholeFile(const std::shared_ptr<TCorpus>& corpus, const std::string& tool,
                       std::vector<std::string>& names) {
  const std::string file = ShellQuote(corpus->path);
  const std::vector<std::pair<std::string, std::string>> commands = {
      {"wc -w", "LC_ALL=C wc -w " + file + " >/dev/null"},
      {"wc -w, caller's locale", "wc -w " + file + " >/dev/null"},
      {"tr|sort|uniq -c|sort -rn", "LC_ALL=C tr -s ' \\r\\n' '\\n' <" + file +
                                       " | LC_ALL=C sort | uniq -c | LC_ALL=C sort -rn >/dev/null"},
      {"lexitally-count", ShellQuote(tool) + " " + file + " >/dev/null"},
  };
  for (const auto& [what, command] : commands) {
    names.push_back(corpus->name + "/" + what);
    benchmark::RegisterBenchmark(names.back().c_str(),
                                 [command](benchmark::State& state) {
                                   for (auto _ : state) RunCommand(command);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(kWholeRuns)
        ->ReportAggregatesOnly(true)
        ->UseRealTime();
  }
  names.push_back(corpus->name + "/unordered_map counter");
  benchmark::RegisterBenchmark(names.back().c_str(),
                               [corpus](benchmark::State& state) {
                                 for (auto _ : state) benchmark::DoNotOptimize(NaiveCount(corpus->text));
                               })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->UseRealTime();
}

// Keeps every run's real time, in milliseconds, in order, as it reports.
class TTableReporter : public benchmark::ConsoleReporter {
 public:
  // Plain, so that a log of the run reads as well as the terminal.
  TTableReporter() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      // A repeated benchmark counts by its median.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      const double ms = run.GetAdjustedRealTime() *
                        benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
      times.emplace_back(run.run_name.function_name, run.error_occurred ? -1 : ms);
    }
  }
  std::vector<std::pair<std::string, double>> times;
};

// The times in the order of `names`, whatever order the runs came in.
void PrintTable(const std::vector<std::pair<std::string, double>>& runs,
                const std::vector<std::string>& names) {
  const std::map<std::string, double> times(runs.begin(), runs.end());
  std::map<std::string, double> wc;
  for (const auto& [name, ms] : times) {
    const std::size_t slash = name.find('/');
    if (name.substr(slash + 1) == "wc -w") wc[name.substr(0, slash)] = ms;
  }
  std::printf("\n%-40s %12s %12s\n", "benchmark", "time (ms)", "x wc -w");
  for (const std::string& name : names) {
    const auto found = times.find(name);
    if (found == times.end()) continue;
    const double ms = found->second;
    const double base = wc[name.substr(0, name.find('/'))];
    if (ms < 0) {
      std::printf("%-40s %12s\n", name.c_str(), "failed");
    } else {
      std::printf("%-40s %12.1f %12.1f\n", name.c_str(), ms, base > 0 ? ms / base : 0.0);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lexitally-bench CORPUS_DIR COUNT_TOOL [benchmark options]\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const std::string tool = argv[2];
  std::vector<std::string> names;
  for (const char* name : {"mixed_1m", "mixed_10m", "mixed_100m"}) {
    auto corpus = std::make_shared<TCorpus>();
    corpus->name = name;
    corpus->path = (dir / (std::string(name) + ".txt")).string();
    if (!std::filesystem::exists(corpus->path)) continue;
    corpus->text = ReadFileBytes(corpus->path);
    // The 100 MB corpus only measures whole programs: in process it takes
    // minutes and says nothing the 10 MB one does not.
    if (corpus->name != "mixed_100m") RegisterInProcess(corpus, names);
    RegisterWholeFile(corpus, tool, names);
  }
  int bench_argc = argc - 2;
  argv[2] = argv[0];
  benchmark::Initialize(&bench_argc, argv + 2);
  TTableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintTable(reporter.times, names);
  benchmark::Shutdown();
  return 0;
}
