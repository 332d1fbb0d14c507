// Cost of keys through the calculator, with the operations tape on, and the GMP
// allocations a key makes (counted through GMP's own memory hooks).

#include "engine/calculator.h"
#include "engine/calculatorstate.h"
#include "tape/tape.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <cstdlib>
#include <vector>

namespace {

// GMP's allocations and reallocations since the program started.
quint64 gmpAllocations = 0;

void *countedAlloc(size_t size)
{
    ++gmpAllocations;
    return std::malloc(size);
}

void *countedRealloc(void *block, size_t, size_t size)
{
    ++gmpAllocations;
    return std::realloc(block, size);
}

void countedFree(void *block, size_t) { std::free(block); }

// Allocations per iteration, as a benchmark counter.
benchmark::Counter perIteration(quint64 allocations)
{
    return benchmark::Counter(double(allocations), benchmark::Counter::kAvgIterations);
}

const QString Frf = QStringLiteral("6,55957");

// One digit key: the input display changes and the euro display follows. Every eighth
// key is a clear entry, so the amount stays the length of a real one.
void BM_DigitKey(benchmark::State &state)
{
    Tape tape;
    Calculator calc(tape);
    calc.start(Frf);
    qint16 digit = 1;
    int n = 0;
    const quint64 before = gmpAllocations;
    for (auto _ : state) {
        if (++n == 8) {
            n = 0;
            calc.CancelEntry_Click();
        } else {
            calc.lblBouton_Click(digit);
            digit = qint16(digit == 9 ? 1 : digit + 1);
        }
        benchmark::DoNotOptimize(calc.state().LastInputKind);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["gmp_allocs"] = perIteration(gmpAllocations - before);
}
BENCHMARK(BM_DigitKey);

// "=" after "7 + 5": the sum runs, the result is written and converted, the total block
// goes on the tape. Only "=" is counted and timed.
void BM_EqualsKey(benchmark::State &state)
{
    Tape tape;
    Calculator calc(tape);
    calc.start(Frf);
    tape.startHeader(QStringLiteral("Calcul en FRF"));
    quint64 allocations = 0;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        calc.lblBouton_Click(7);
        calc.Operator_Click(qint16(Operator::Add));
        calc.lblBouton_Click(5);
        if (++n == 100000) {
            n = 0;
            tape.clearTape(calc.modeLine());
        }
        const quint64 before = gmpAllocations;
        state.ResumeTiming();
        calc.Operator_Click(qint16(Operator::Equals));
        allocations += gmpAllocations - before;
    }
    state.counters["gmp_allocs"] = perIteration(allocations);
}
BENCHMARK(BM_EqualsKey);

// One operator key after an amount: the pending operation runs, the result is written and
// converted, and the operand and operator lines go on the tape. The digit key before it
// is timed too; the tape is emptied every 100000 pairs so memory stays bounded.
// "7 +" again and again is the everyday sum; "7 /" again and again is a chain of
// divisions, whose running value's precision is bounded, so the thousandth division costs
// what the tenth does.
void BM_DigitThenOperator(benchmark::State &state, Operator op)
{
    Tape tape;
    Calculator calc(tape);
    calc.start(Frf);
    tape.startHeader(QStringLiteral("Calcul en FRF"));
    int n = 0;
    for (auto _ : state) {
        calc.lblBouton_Click(7);
        calc.Operator_Click(qint16(op));
        if (++n == 100000) {
            n = 0;
            tape.clearTape(calc.modeLine());
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK_CAPTURE(BM_DigitThenOperator, sum, Operator::Add);
BENCHMARK_CAPTURE(BM_DigitThenOperator, divisionChain, Operator::Divide);

// One operator key alone ("+" again and again): operand line and operator line on the tape.
void BM_OperatorKey(benchmark::State &state)
{
    Tape tape;
    Calculator calc(tape);
    calc.start(Frf);
    tape.startHeader(QStringLiteral("Calcul en FRF"));
    calc.lblBouton_Click(4);
    calc.lblBouton_Click(2);
    int n = 0;
    for (auto _ : state) {
        calc.Operator_Click(1);
        if (++n == 100000) {
            n = 0;
            tape.clearTape(calc.modeLine());
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OperatorKey);

// A run of mixed keys from a fresh calculator and tape: digits, decimal, operators,
// clear all, clear entry, in the proportions of ordinary use. With the second argument 1
// the tape is cleared every 100000 keys, which shows what the tape's growth costs.
enum class Key : quint8 { Digit, Decimal, Operator, Cancel, CancelEntry };
struct Press {
    Key key;
    qint16 index;
};

std::vector<Press> mixedKeys(qsizetype count)
{
    QRandomGenerator random(20261208);
    std::vector<Press> keys;
    keys.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 r = random.bounded(100u);
        if (r < 55)
            keys.push_back({Key::Digit, qint16(random.bounded(10u))});
        else if (r < 62)
            keys.push_back({Key::Decimal, 0});
        else if (r < 94)
            keys.push_back({Key::Operator, qint16(random.bounded(5u))});
        else if (r < 96)
            keys.push_back({Key::Cancel, 0});
        else
            keys.push_back({Key::CancelEntry, 0});
    }
    return keys;
}

void BM_MixedKeys(benchmark::State &state)
{
    const std::vector<Press> keys = mixedKeys(state.range(0));
    for (auto _ : state) {
        Tape tape;
        Calculator calc(tape);
        calc.start(Frf);
        tape.startHeader(QStringLiteral("Calcul en FRF"));
        qsizetype k = 0;
        for (const Press &p : keys) {
            if (state.range(1) && ++k % 100000 == 0)
                tape.clearTape(calc.modeLine());
            switch (p.key) {
            case Key::Digit: calc.lblBouton_Click(p.index); break;
            case Key::Decimal: calc.Decimal_Click(); break;
            case Key::Operator: calc.Operator_Click(p.index); break;
            case Key::Cancel: calc.Cancel_Click(); break;
            case Key::CancelEntry: calc.CancelEntry_Click(); break;
            }
        }
        benchmark::DoNotOptimize(tape.length());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MixedKeys)
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->ArgNames({"keys", "clearTape"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    mp_set_memory_functions(countedAlloc, countedRealloc, countedFree);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
