// Throughput of the report parsers on reports with thousands of adapter
// sections, and how the time grows with the size: 1x, 10x and 100x.
#include "fakes.h"
#include "host/host.h"
#include "reader/capture_state.h"
#include "reader/modern_report.h"
#include "reader/report_parser.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const fixture = "win10_zh_multi.txt";
// What both parsers make of the fixture, and of any number of its sections repeated.
const char* const expectedRecord = "DESKTOP-7H3K2QF|114.114.114.114|223.5.5.5|70-85-C2-4D-9E-01|"
                                   "192.168.1.105|255.255.255.0|192.168.1.1";
// 1x: the fixture's three adapter sections 400 times, 1,200 sections.
const int copiesAt1x = 400;
const std::string reportPath = "C:\\TEMP\\\\ipmac.txt"; // temporary folder + report name

std::string fixtureBytes() {
    std::ifstream in(std::string(QUORBEL_REPORT_FIXTURES) + "/" + fixture, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The fixture's opening block, then its adapter sections repeated.
const std::string& reportAt(int scale) {
    static std::map<int, std::string> made;
    std::string& report = made[scale];
    if (!report.empty()) return report;
    std::string bytes = fixtureBytes();
    std::size_t firstSection = bytes.find("\r\n\r\n", bytes.find("\r\n\r\n", 2) + 4);
    std::string sections = bytes.substr(firstSection);
    report = bytes.substr(0, firstSection);
    for (int i = 0; i < copiesAt1x * scale; ++i)
        report += sections;
    return report;
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        if (!lines.back().empty() && lines.back().back() == '\r') lines.back().pop_back();
        start = end + 1;
    }
    return lines;
}

void finish(benchmark::State& state, const std::string& report, const std::string& record) {
    if (record != expectedRecord) state.SkipWithError(("wrong record: " + record).c_str());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(report.size()));
    state.counters["sections"] = 3.0 * copiesAt1x * static_cast<double>(state.range(0));
    state.counters["report_mb"] = static_cast<double>(report.size()) / (1024.0 * 1024.0);
}

// What the program does on Windows NT: the long-label seeks run through the
// report, meet its end, and the report is read again for the modern reader.
void longLabelReport(benchmark::State& state) {
    const std::string& report = reportAt(static_cast<int>(state.range(0)));
    std::string record;
    for (auto _ : state) {
        state.PauseTiming();
        resetFakes();
        host.files[reportPath] = report;
        reportFile = openFile(reportPath);
        state.ResumeTiming();
        record = parseLongLabelReport();
        benchmark::DoNotOptimize(record);
    }
    finish(state, report, record);
}

// The modern reader alone, on lines already split.
void modernReport(benchmark::State& state) {
    const std::string& report = reportAt(static_cast<int>(state.range(0)));
    const std::vector<std::string> lines = linesOf(report);
    std::string record;
    for (auto _ : state) {
        record = parseModernReport(lines);
        benchmark::DoNotOptimize(record);
    }
    finish(state, report, record);
}

// 1x, 10x and 100x the report, so the growth shows whether the time is linear.
void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5);
    b->ReportAggregatesOnly(true);
}

BENCHMARK(longLabelReport)->Apply(sizes);
BENCHMARK(modernReport)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
