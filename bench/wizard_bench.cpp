// The wizard on a large design: opening it and turning to the Background
// page, and each Insert, Delete and Move there, with 1,000 and 10,000
// banners. Each of these must feel immediate (a few tens of milliseconds).
#include "model/glintraappletparams.h"
#include "platform/ui/scripteduiservices.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/backgroundpage.h"
#include "wizard/glintraprpsheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

HMODULE32 Resources()
{
    static const HMODULE32 module = RegisterPageletResources();
    return module;
}

CGlintraAppletParams Design(int banners)
{
    CGlintraAppletParams design;
    design.SetBannerCount(banners);
    design.m_nCurPage = banners / 2;
    return design;
}

// The wizard shown on the design, on its Background page.
struct COpenWizard {
    explicit COpenWizard(CGlintraAppletParams& design) : sheet(Resources())
    {
        sheet.m_pParams = &design;
        sheet.show();
        sheet.next();
        QApplication::processEvents();
    }
    CBackgroundPage& Page() { return sheet.BackgroundPage(); }
    CGlintraPrpSheet sheet;
};

void BM_OpenToBackgroundPage(benchmark::State& state)
{
    CGlintraAppletParams design = Design(int(state.range(0)));
    for (auto _ : state) {
        COpenWizard wizard(design);
        benchmark::DoNotOptimize(wizard.Page().BannerList()->model()->rowCount());
        state.PauseTiming();
        wizard.sheet.hide();
        state.ResumeTiming();
    }
}

// One operation of the banner list, repeated on one open wizard.
template <class Operation>
void OnBackgroundPage(benchmark::State& state, Operation operation)
{
    CScriptedUiServices ui;
    CScopedUiServices install(&ui);
    CGlintraAppletParams design = Design(int(state.range(0)));
    COpenWizard wizard(design);
    for (auto _ : state) {
        operation(wizard.Page(), ui);
        QApplication::processEvents();
    }
    state.counters["banners"] = design.m_nTotalPages;
}

void BM_Insert(benchmark::State& state)
{
    OnBackgroundPage(state, [](CBackgroundPage& page, CScriptedUiServices&) { page.OnInsert(); });
}

void BM_Delete(benchmark::State& state)
{
    OnBackgroundPage(state, [](CBackgroundPage& page, CScriptedUiServices& ui) {
        ui.QueueAnswer(IDYES);
        page.OnDelete();
        ui.Clear();
    });
}

void BM_MoveDown(benchmark::State& state)
{
    OnBackgroundPage(state, [](CBackgroundPage& page, CScriptedUiServices&) {
        page.OnMoveDown();
        page.OnMoveUp();
    });
}

void BM_ChooseAnotherBanner(benchmark::State& state)
{
    OnBackgroundPage(state, [flip = false](CBackgroundPage& page, CScriptedUiServices&) mutable {
        QListView* list = page.BannerList();
        flip = !flip;
        list->setCurrentIndex(list->model()->index(flip ? 0 : list->model()->rowCount() - 1, 0));
    });
}

BENCHMARK(BM_OpenToBackgroundPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Insert)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
// Deletes shrink the design by one each; it stays near its size.
BENCHMARK(BM_Delete)->Arg(1000)->Arg(10000)->Iterations(200)->Unit(benchmark::kMillisecond);
// A move down and back up: two moves per iteration.
BENCHMARK(BM_MoveDown)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChooseAnotherBanner)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
