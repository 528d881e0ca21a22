// Label pages (thirty four-line labels each) written into the report's page spool, and the
// spooled pages printed into a PDF file: pages per second. Beside the printing, a plain QPainter
// loop draws the same texts at the same places in the same font into a PDF file of its own; the
// ratio of the two is printed at the end.

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QPdfWriter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"

namespace {

constexpr int kPages = 1000;
constexpr int kLabelsPerPage = 30;

struct LabelData {
    int number = 0;
};

rt::ReportControl line(int id, int y, rt::ValueSource value) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::String;
    c.at = {344, y, 0, 156};
    c.picture = "s30";
    c.value = std::move(value);
    return c;
}

rt::ReportStructure labelSheet(const LabelData& data) {
    rt::ReportStructure s;
    s.area = {250, 500, 8500, 10000};
    rt::ReportBand label;
    label.id = 1;
    label.at = {0, 0, 2625, 1000};
    label.minHeight = 1000;
    label.controls.push_back(line(2, 115, [&] { return rt::Value("Northwind Supplies"); }));
    label.controls.push_back(
        line(3, 302, [&] { return rt::Value("Contact Number " + std::to_string(data.number)); }));
    label.controls.push_back(line(4, 500, [&] { return rt::Value("1200 Main Street"); }));
    label.controls.push_back(line(5, 698, [&] { return rt::Value("Springfield,IL 62701"); }));
    s.details.push_back(label);
    return s;
}

// Runs the label report; the report is left open so that its spool stays.
void runLabels(rt::Report& report, LabelData& data) {
    std::string error;
    report.open(error);
    for (data.number = 1; data.number <= kPages * kLabelsPerPage; ++data.number)
        report.print(1);
    report.finish();
}

void BM_LabelPagesToSpool(benchmark::State& state) {
    for (auto _ : state) {
        LabelData data;
        rt::Report report(labelSheet(data));
        runLabels(report, data);
        if (report.pageCount() != kPages) state.SkipWithError("wrong page count");
        std::string error;
        report.close(error);
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LabelPagesToSpool)->Unit(benchmark::kMillisecond);

void BM_LabelSpoolToPdf(benchmark::State& state) {
    rt::qt::ensureApplication();
    LabelData data;
    rt::Report report(labelSheet(data));
    runLabels(report, data);
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_print.pdf";
    rt::printer().reset();
    rt::qt::installPrintBackend();
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName(pdf.string());
    for (auto _ : state) {
        std::string error;
        if (!rt::printer().printPages(report.pageNames(), error))
            state.SkipWithError(error.c_str());
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
    state.counters["pdf bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    rt::printer().reset();
    std::filesystem::remove(pdf);
    std::string error;
    report.close(error);
}
BENCHMARK(BM_LabelSpoolToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// The baseline: the same 1000 pages of 30 labels of four lines drawn by hand in the report's
// font (Arial 10, Liberation Sans), in 1/1000 inch, three labels across and ten down.
void plainQPainterLabels(const QString& file) {
    QPdfWriter writer(file);
    writer.setResolution(1000);
    writer.setPageSize(QPageSize(QSizeF(8.5, 11), QPageSize::Inch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const QFont font = rt::qt::pageFont(rt::PageFont{});  // the report's font, as printed
    const int ascent = QFontMetrics(font).ascent();
    int number = 1;
    for (int page = 0; page < kPages; ++page) {
        if (page > 0) writer.newPage();
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int label = 0; label < kLabelsPerPage; ++label, ++number) {
            const int x = 250 + (label % 3) * 2625 + 344;
            const int y = 500 + (label / 3) * 1000 + ascent;
            painter.drawText(QPointF(x, y + 115), QStringLiteral("Northwind Supplies"));
            painter.drawText(QPointF(x, y + 302), "Contact Number " + QString::number(number));
            painter.drawText(QPointF(x, y + 500), QStringLiteral("1200 Main Street"));
            painter.drawText(QPointF(x, y + 698), QStringLiteral("Springfield,IL 62701"));
        }
    }
}

double secondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The printer's PDF beside the plain loop, best of three each.
void printRatio() {
    rt::qt::ensureApplication();
    LabelData data;
    rt::Report report(labelSheet(data));
    runLabels(report, data);
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    rt::printer().setPrintToFile(true);
    const std::filesystem::path printedPdf = folder / "bench_print_labels.pdf";
    const std::filesystem::path plainPdf = folder / "bench_print_plain.pdf";
    rt::printer().setPrintFileName(printedPdf.string());
    double printed = 1e9, plain = 1e9;
    for (int round = 0; round < 3; ++round) {
        std::string error;
        printed = std::min(printed, secondsOf([&] {
                               if (!rt::printer().printPages(report.pageNames(), error))
                                   std::fprintf(stderr, "%s\n", error.c_str());
                           }));
        plain = std::min(plain, secondsOf([&] {
                             plainQPainterLabels(QString::fromStdString(plainPdf.string()));
                         }));
    }
    std::printf("PDF of %d label pages: printer %.3f s, plain QPainter loop %.3f s, %.2fx\n",
                kPages, printed, plain, printed / plain);
    rt::printer().reset();
    std::filesystem::remove(printedPdf);
    std::filesystem::remove(plainPdf);
    std::string error;
    report.close(error);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatio();
    return 0;
}
