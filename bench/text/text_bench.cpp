// The text work a list refill or a report does for every row: writing amounts and dates
// through pictures, reading packed decimals, and the arithmetic of totals and shares.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "runtime/text/day_number.h"
#include "runtime/text/decimal.h"
#include "runtime/text/picture.h"

namespace {

void BM_FormatAmount(benchmark::State& state) {
    const rt::Value amount(rt::Decimal::parse("-12345.67").value());
    for (auto _ : state)
        benchmark::DoNotOptimize(rt::format(amount, "@n$-10.2"));
}
BENCHMARK(BM_FormatAmount);

void BM_FormatDate(benchmark::State& state) {
    const rt::Value day(rt::date(12, 31, 1999));
    for (auto _ : state)
        benchmark::DoNotOptimize(rt::format(day, "@d1"));
}
BENCHMARK(BM_FormatDate);

void BM_DeformatAmount(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(rt::deformat("$1,234.50", "@n$-10.2"));
}
BENCHMARK(BM_DeformatAmount);

void BM_PackedRoundTrip(benchmark::State& state) {
    std::array<std::uint8_t, 4> bytes{};
    const rt::Decimal amount = rt::Decimal::parse("-12345.67").value();
    for (auto _ : state) {
        amount.toPacked(bytes, 7, 2);
        benchmark::DoNotOptimize(rt::Decimal::fromPacked(bytes, 7, 2));
    }
}
BENCHMARK(BM_PackedRoundTrip);

void BM_TotalWithTax(benchmark::State& state) {
    const rt::Decimal price = rt::Decimal::parse("19.99").value();
    const rt::Decimal rate = rt::Decimal::parse("0.0825").value();
    for (auto _ : state) {
        const rt::Decimal total = price * 3 + price * 3 * rate;
        benchmark::DoNotOptimize(total.fitTo(7, 2));
    }
}
BENCHMARK(BM_TotalWithTax);

void BM_Share(benchmark::State& state) {
    const rt::Decimal done(1234);
    const rt::Decimal expected(98765);
    for (auto _ : state)
        benchmark::DoNotOptimize(done / expected * 100);
}
BENCHMARK(BM_Share);

}  // namespace
BENCHMARK_MAIN();
