// 10,000 mailing labels (thirty to a page) into a PDF file: through the report engine with
// the label's own structure and composed lines (the page spool, then the PDF writer), beside a
// plain QPainter loop that draws the same texts at the same places straight into a PDF file.
// Pages per second.

#include <benchmark/benchmark.h>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "frame/report_job.h"
#include "labels/label_lines.h"
#include "labels/mailing_label_report.h"
#include "records/mail.h"
#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"

namespace {

constexpr int kLabels = 10000;
constexpr int kPerPage = 30;
constexpr int kPages = (kLabels + kPerPage - 1) / kPerPage;

struct Label {
    std::string company, first, last, address, city, state, zip;
};

Label sample(int n) {
    return {"Company " + std::to_string(n),
            "First" + std::to_string(n),
            "Last",
            std::to_string(n) + " Elm Street",
            "Springfield",
            "IL",
            std::to_string(10000 + n % 90000)};
}

void BM_MailingLabelsThroughTheReportEngineToPdf(benchmark::State& state) {
    rt::qt::ensureApplication();
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_labels.pdf";
    for (auto _ : state) {
        labels::ContactLines lines;
        ReportJob job(windows::mailing_labels::mailingLabelReport(
            windows::mailing_labels::LabelOrder::Zip, lines));
        job.keepBandHeight(1);
        std::string error;
        job.open(error);
        for (int n = 1; n <= kLabels; ++n) {
            const Label l = sample(n);
            MAI::COMPANYNAME.setText(l.company);
            MAI::ADDRESS.setText(l.address);
            lines.name = labels::nameLine(l.first, l.last);
            lines.cityStateZip = labels::mailingCityStateZipLine(l.city, l.state, l.zip);
            job.print(1);
        }
        job.finish();
        rt::printer().reset();
        rt::qt::installPrintBackend();
        rt::printer().setPrintToFile(true);
        rt::printer().setPrintFileName(pdf.string());
        if (!rt::printer().printPages(job.report().pageNames(), error))
            state.SkipWithError(error.c_str());
        job.close(error);
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_MailingLabelsThroughTheReportEngineToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The same four lines per label, at the label's places, drawn by hand.
void BM_MailingLabelsPlainQPainterToPdf(benchmark::State& state) {
    rt::qt::ensureApplication();
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_plain.pdf";
    const int lineY[4] = {104, 292, 479, 677};
    for (auto _ : state) {
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        writer.setResolution(1000);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.setFont(rt::qt::pageFont(rt::PageFont{"Arial", 10, rt::kFontRegular}));
        const int ascent = painter.fontMetrics().ascent();
        for (int n = 1; n <= kLabels; ++n) {
            const int slot = (n - 1) % kPerPage;
            if (slot == 0 && n > 1) writer.newPage();
            const Label l = sample(n);
            const std::string texts[4] = {l.company, labels::nameLine(l.first, l.last), l.address,
                                          labels::mailingCityStateZipLine(l.city, l.state, l.zip)};
            const int x = 250 + 2625 * (slot % 3) + 344, y = 500 + 1000 * (slot / 3);
            for (int line = 0; line < 4; ++line)
                painter.drawText(x, y + lineY[line] + ascent,
                                 QString::fromLatin1(texts[line].c_str()));
        }
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(kPages) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_MailingLabelsPlainQPainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
