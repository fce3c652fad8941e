// The cost of the pagelet's file members and of its applet block for large
// designs, measured through the dispatch interface as a host calls them.
//
// Designs of 1,000, 10,000 and 100,000 banners: varied texts with line
// breaks, quotes and ampersands, every fifth banner showing one of twenty
// pictures kept in another folder (so the support-file copy, the list of
// copied sources and the resource list all have work), every seventh banner
// disabled.
#include "host/document/pagelet.h"
#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/automation/classregistry.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/ui/consoleuiservices.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CBenchFolders {
    std::string root;
    std::string pictures;
    std::map<int, std::string> widgets;  // banner count -> widget file
};

CBenchFolders& Folders()
{
    static CBenchFolders folders;
    return folders;
}

std::string MakeTemp()
{
    char name[] = "/tmp/glintra-bench-XXXXXX";
    return ::mkdtemp(name) ? name : "/tmp";
}

// Writes the widget file of a design of n banners beside its pictures.
std::string WidgetFile(int banners)
{
    CBenchFolders& f = Folders();
    auto found = f.widgets.find(banners);
    if (found != f.widgets.end())
        return found->second;
    CGlintraAppletParams design;
    design.SetBannerCount(banners);
    for (int i = 0; i < banners; ++i) {
        CBannerBackground& b = *design.m_aBackgrounds[size_t(i)];
        CBannerText& t = *design.m_aTexts[size_t(i)];
        t.m_ShowText = "Banner " + FormatInt(i) + "\r\nsays \"hello\" & waves";
        t.m_URL = "http://example.test/item?id=" + FormatInt(i) + "&ref=banner";
        t.m_TextAnimateType = i % 15;
        t.m_FontSize = 12 + i % 20;
        b.m_PgDelay = 1000 + i % 3000;
        b.m_PgBKColor = COLORREF(i * 2654435761u) & 0xFFFFFF;
        if (i % 5 == 0) {
            b.m_PgBKType = 0;
            b.m_PgBKImg = f.pictures + "/picture" + FormatInt(i % 20) + ".gif";
            b.m_PgBKImgWebPath = "img/";
        }
        design.SetBackgroundEnable(i, i % 7 != 6);
        design.SetTextEnable(i, i % 7 != 6);
    }
    CPageletConfigFile file;
    file.SetDescription("ProgID", "PageletServer.Glintra");
    file.SetDescription("Title", "Bench");
    design.WriteParameters(file.m_mapParameters);
    const std::string draft = f.root + "/draft" + FormatInt(banners) + ".pgt";
    if (!file.WriteFile(draft))
        std::abort();
    // The widget as the pagelet saves it, with its resource list and its
    // applet block, in a folder of its own with its pictures beside it.
    const std::string folder = f.root + "/widget" + FormatInt(banners);
    CreateFolder(folder);
    const std::string path = folder + "/design.pgt";
    CPagelet pagelet;
    if (!pagelet.CreateFromProgID("PageletServer.Glintra") || !pagelet.ReadConfigFile(draft) ||
        !pagelet.WriteConfigFileEx(path, 1))
        std::abort();
    DeleteFileAt(draft);
    f.widgets[banners] = path;
    return path;
}

bool MakePagelet(CPagelet& pagelet);

void Prepare()
{
    CBenchFolders& f = Folders();
    f.root = MakeTemp();
    f.pictures = f.root + "/pictures";
    CreateFolder(f.pictures);
    for (int i = 0; i < 20; ++i)
        WriteFileAtomically(f.pictures + "/picture" + FormatInt(i) + ".gif", std::string(2048, char('a' + i)));
    ::setenv("GLINTRA_REGISTRY_DIR", (f.root + "/registry").c_str(), 1);
    void* server = ::dlopen(GLINTRA_APP_DIR "/libPageletGlintra.so", RTLD_NOW | RTLD_LOCAL);
    auto reg = server ? reinterpret_cast<HRESULT (*)()>(::dlsym(server, "DllRegisterServer")) : nullptr;
    if (!reg || FAILED(reg()))
        std::abort();
}

bool MakePagelet(CPagelet& pagelet)
{
    return pagelet.CreateFromProgID("PageletServer.Glintra");
}

void BM_ReadConfigFile(benchmark::State& state)
{
    const std::string path = WidgetFile(int(state.range(0)));
    for (auto _ : state) {
        // Making the object and letting it go again are not the read.
        state.PauseTiming();
        auto pagelet = std::make_unique<CPagelet>();
        MakePagelet(*pagelet);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pagelet->ReadConfigFile(path));
        state.PauseTiming();
        pagelet.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WriteConfigFileEx(benchmark::State& state)
{
    const std::string path = WidgetFile(int(state.range(0)));
    int run = 0;
    for (auto _ : state) {
        // A fresh read and a fresh folder each time, so the pictures are
        // copied in every run.
        state.PauseTiming();
        const std::string target = Folders().root + "/write" + FormatInt(state.range(0)) + "-" + FormatInt(run++);
        CreateFolder(target);
        auto pagelet = std::make_unique<CPagelet>();
        MakePagelet(*pagelet);
        pagelet->ReadConfigFile(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pagelet->WriteConfigFileEx(target + "/w.pgt", 0));
        state.PauseTiming();
        pagelet.reset();
        RemoveFolderTree(target);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_GetHTMLBody(benchmark::State& state)
{
    CPagelet pagelet;
    MakePagelet(pagelet);
    pagelet.ReadConfigFile(WidgetFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(pagelet.GetHTMLBody(0, 1));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ReadConfigFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteConfigFileEx)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetHTMLBody)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// --- Ratios: the same work beside the plain tools on the same files. ---

double Seconds(const std::function<void()>& work, int repeat = 9)
{
    double best = 1e30;
    for (int i = 0; i < repeat; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

double ShellSeconds(const std::string& command)
{
    return Seconds([&] {
        if (std::system(command.c_str()) != 0)
            std::abort();
    });
}

long FileSize(const std::string& path)
{
    std::string text;
    ReadWholeFile(path, text);
    return long(text.size());
}

// Peak resident memory (the high-water mark) of a fresh process that makes a
// pagelet and, when asked, reads the file into it; in kilobytes.
long ChildPeakKb(const std::string& path, bool read)
{
    const std::string command = "'" + ExecutablePath() + "' " + (read ? "--peak-read" : "--peak-base") + " '" + path + "'";
    std::FILE* child = ::popen(command.c_str(), "r");
    long kb = -1;
    if (!child || std::fscanf(child, "%ld", &kb) != 1)
        std::abort();
    ::pclose(child);
    return kb;
}

long HighWaterKb()
{
    std::string status;
    ReadWholeFile("/proc/self/status", status);
    const size_t at = status.find("VmHWM:");
    return at == std::string::npos ? -1 : ParseLeadingInt(std::string_view(status).substr(at + 6));
}

int Ratios()
{
    const std::string path = WidgetFile(100000);
    const double fileMb = FileSize(path) / 1e6;
    CPagelet pagelet;
    MakePagelet(pagelet);

    const double wc = ShellSeconds("wc -l '" + path + "' > /dev/null");
    const double read = Seconds([&] {
        CPagelet fresh;
        MakePagelet(fresh);
        fresh.ReadConfigFile(path);
    });
    pagelet.ReadConfigFile(path);

    const std::string target = Folders().root + "/ratio";
    CreateFolder(target);
    // Only the write is timed; each run starts from a fresh read and an
    // empty folder, so the pictures are copied every time.
    double write = 1e30;
    for (int run = 0; run < 5; ++run) {
        CPagelet fresh;
        MakePagelet(fresh);
        fresh.ReadConfigFile(path);
        RemoveFolderTree(target);
        CreateFolder(target);
        write = std::min(write, Seconds([&] { fresh.WriteConfigFileEx(target + "/w.pgt", 0); }, 1));
    }
    const double catWrite = ShellSeconds("cat '" + target + "/w.pgt' > '" + target + "/copy.pgt'");

    const std::string body = pagelet.GetHTMLBody(0, 1);
    WriteFileAtomically(target + "/body.htm", body);
    const double html = Seconds([&] { benchmark::DoNotOptimize(pagelet.GetHTMLBody(0, 1)); });
    const double catHtml = ShellSeconds("cat '" + target + "/body.htm' > '" + target + "/copy.htm'");

    const long base = ChildPeakKb(path, false), peak = ChildPeakKb(path, true);
    std::printf("100,000 banners: widget file %.1f MB, written file %.1f MB, applet block %.1f MB\n", fileMb,
                FileSize(target + "/w.pgt") / 1e6, body.size() / 1e6);
    std::printf("ReadConfigFile    %8.3f s   wc -l %8.3f s   ratio %5.1f  (goal 25)\n", read, wc, read / wc);
    std::printf("WriteConfigFileEx %8.3f s   cat   %8.3f s   ratio %5.1f  (goal 25)\n", write, catWrite,
                write / catWrite);
    std::printf("GetHTMLBody       %8.3f s   cat   %8.3f s   ratio %5.1f  (goal 25)\n", html, catHtml, html / catHtml);
    std::printf("Peak memory reading: %.1f MB in all, %.1f MB above a pagelet that read nothing; "
                "%.2f times the file (goal 4)\n",
                peak / 1024.0, (peak - base) / 1024.0, (peak - base) / 1024.0 / (fileMb * 1e6 / 1048576.0));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    CConsoleUiServices ui;
    SetUiServices(&ui);
    if (argc == 3 && (std::strcmp(argv[1], "--peak-read") == 0 || std::strcmp(argv[1], "--peak-base") == 0)) {
        // The child of ChildPeakKb: the registry is the parent's.
        CPagelet pagelet;
        if (!MakePagelet(pagelet))
            return 1;
        if (std::strcmp(argv[1], "--peak-read") == 0 && !pagelet.ReadConfigFile(argv[2]))
            return 1;
        std::printf("%ld\n", HighWaterKb());
        return 0;
    }
    Prepare();
    if (argc > 1 && std::strcmp(argv[1], "--ratios") == 0) {
        const int code = Ratios();
        RemoveFolderTree(Folders().root);
        return code;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    RemoveFolderTree(Folders().root);
    return 0;
}
