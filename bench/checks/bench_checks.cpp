// 1,000 style-1 check pages into a PDF file: through the report engine (the page spool, then
// the PDF writer), beside a plain QPainter loop that draws the same items straight into a
// PDF file. Pages per second.

#include <benchmark/benchmark.h>

#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "checks/check_layout.h"
#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "runtime/qt/micr_e13b.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/picture.h"

namespace {

constexpr int kChecks = 1000;

struct Sample {
    int number = 0;
};

rt::Value valueOf(const std::string& name, const Sample& s) {
    static const std::map<std::string, rt::Value> fixed = {
        {"CHECKNAME", rt::Value("Ann Smith")},      {"ADDRESS", rt::Value("12 Elm Street")},
        {"PAYTO", rt::Value("Acme Supply")},        {"AMOUNT", rt::Value(rt::Decimal("125.50"))},
        {"CHECKDATE", rt::Value(80000L)},           {"BANKNAME", rt::Value("First Bank")},
        {"BANKADDRESS", rt::Value("1 Bank Plaza")}, {"FUNDS", rt::Value("Payable In U.S. Funds")},
        {"PAY:ADDRESS", rt::Value("1 Anvil Road")}, {"PAY:CITYSTATEZIP", rt::Value("Dusty, AZ")},
    };
    if (name == "CHECKNUMBER") return rt::Value(std::to_string(s.number));
    if (name == "LOC:MicrLine")
        return rt::Value(checks_layout::MicrLine(std::to_string(s.number), "123456789", "987654"));
    if (name == "LOC:CityLine")
        return rt::Value(checks_layout::CityLine("Springfield", "IL", "62701"));
    auto it = fixed.find(name);
    return it != fixed.end() ? it->second : rt::Value("");
}

void BM_Style1ChecksThroughTheReportEngineToPdf(benchmark::State& state) {
    rt::qt::ensureApplication();
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_checks.pdf";
    for (auto _ : state) {
        Sample sample;
        rt::Report report(checks_layout::checkPageReport(
            checks_layout::CheckPage::Style1, [&sample](const std::string& name) {
                return [&sample, name] { return valueOf(name, sample); };
            }));
        std::string error;
        report.open(error);
        for (sample.number = 1; sample.number <= kChecks; ++sample.number)
            report.print(checks_layout::kCheckBand);
        report.finish();
        rt::printer().reset();
        rt::qt::installPrintBackend();
        rt::printer().setPrintToFile(true);
        rt::printer().setPrintFileName(pdf.string());
        if (!rt::printer().printPages(report.pageNames(), error))
            state.SkipWithError(error.c_str());
        report.close(error);
    }
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(kChecks) * state.iterations(), benchmark::Counter::kIsRate);
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_Style1ChecksThroughTheReportEngineToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

// The bank line as the engine draws it: each character's outline, 8 to the inch, standing
// on the line's baseline, filled as one path.
void drawMicrLine(QPainter& painter, double x, double y, double points, const std::string& text) {
    const double em = points * 1000.0 / 72;
    const double cellY =
        y + (em > rt::qt::kMicrHeight ? em * 0.8 : rt::qt::kMicrHeight) - rt::qt::kMicrHeight;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const rt::qt::MicrGlyph* glyph = rt::qt::micrGlyph(text[i]);
        if (!glyph) continue;
        const double cellX = x + static_cast<double>(i) * rt::qt::kMicrPitch;
        for (const auto& outline : glyph->polygons) {
            QPolygonF polygon;
            for (const rt::qt::MicrPoint& p : outline)
                polygon << QPointF(cellX + p.x, cellY + p.y);
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    painter.fillPath(path, QColor(Qt::black));
}

// The same items drawn by hand: fonts, texts through their pictures, rules, and the bank
// line from the same character outlines the engine fills.
void BM_Style1ChecksPlainQPainterToPdf(benchmark::State& state) {
    rt::qt::ensureApplication();
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_plain.pdf";
    const std::vector<checks_layout::CheckItem> items =
        checks_layout::checkPageItems(checks_layout::CheckPage::Style1);
    for (auto _ : state) {
        QPdfWriter writer(QString::fromStdString(pdf.string()));
        writer.setResolution(1000);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        Sample sample;
        for (sample.number = 1; sample.number <= kChecks; ++sample.number) {
            if (sample.number > 1) writer.newPage();
            for (const checks_layout::CheckItem& item : items) {
                const int x = 260 + item.x, y = 135 + item.y;
                if (item.kind == checks_layout::CheckItem::Kind::Rule) {
                    painter.drawLine(x, y, x + item.width, y);
                    continue;
                }
                const std::string text = item.kind == checks_layout::CheckItem::Kind::Text
                                             ? item.what
                                             : rt::format(valueOf(item.what, sample), item.picture);
                if (rt::qt::isMicrFace(item.font.face)) {
                    drawMicrLine(painter, x, y, item.font.points, text);
                    continue;
                }
                painter.setFont(rt::qt::pageFont(item.font));
                painter.drawText(x, y + painter.fontMetrics().ascent(),
                                 QString::fromLatin1(text.c_str()));
            }
        }
    }
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(kChecks) * state.iterations(), benchmark::Counter::kIsRate);
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_Style1ChecksPlainQPainterToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
