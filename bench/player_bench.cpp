// The cost of one frame of the script player: a 728 x 90 banner of twenty
// banners (every fill, show style, animation style and effect in turn),
// drawn frame by frame as a 60 Hz display asks for them through one round
// of its show, inside headless Chromium, and timed there with
// performance.now(); once as the script's drawing calls, once with one
// pixel read back after each frame, so the rasterising is in it too.
// Prints the means, the 99th percentile, the worst frame and the size.
//
//   build/bench/player_bench
#include "platform/base/files.h"
#include "tests/support/headlessbrowser.h"
#include "tests/player/playerpage.h"

#include <cstdio>
#include <string>

int main()
{
    const std::string player = GLINTRA_APP_DIR "/glntfx.js";
    CTempDir folder;
    CParamList changes = {{"PgTotal", "20"}, {"BackMoveSpeed", "40"}};
    for (int i = 0; i < 20; ++i) {
        const std::string k = std::to_string(i);
        changes.emplace_back("PgBKStyle-" + k, std::to_string(i) + ",2f5fa8,,0");
        changes.emplace_back("PgConnStyle-" + k, std::to_string(i % 13));
        changes.emplace_back("PgDelay-" + k, "1500");
        changes.emplace_back("FontStyle-" + k, "28,h,ffe070,b,0,0,0," + std::to_string(i % 5) + ",101030");
        changes.emplace_back("PgText-" + k, "Banner " + k + ": spring collection|_#`now in store");
        changes.emplace_back("PgTextSpeed-" + k, "10");
        changes.emplace_back("PgTextAnimate-" + k, std::to_string(i % 15) + "," + (i % 15 == 12 ? "2,0" : "0,0"));
    }
    CPlayerPage page(1, 760, 120);
    page.Add(DesignParams(changes), 728, 90);
    // Frames as a display at 60 Hz asks for them, through a whole round of
    // the show, three times (the first warms the script up).
    const std::string measure =
        "glntfx.seek(0);var p=glntfx.players[0],cyc=p.cycle,ctx=p.canvas.getContext('2d');"
        "function run(readBack){var ds=[];for(var t=0;t<cyc;t+=1000/60){var t0=performance.now();"
        "glntfx.seek(Math.floor(t));if(readBack)ctx.getImageData(0,0,1,1);ds.push(performance.now()-t0);}"
        "ds.sort(function(a,b){return a-b;});var sum=0;ds.forEach(function(d){sum+=d;});"
        "return [sum/ds.length,ds[Math.floor(ds.length*0.99)],ds[ds.length-1],ds.length];}"
        "run(true);run(false);var a=run(false),b=run(true);"
        "var r=document.createElement('div');r.id='result';r.textContent='MEANS '+a.join(' ')+' '+b.join(' ')+' '+"
        "cyc;document.body.appendChild(r);";
    const std::string html = folder / "bench.html";
    WriteText(html, page.Html("file://" + player, 0, measure));
    // Real time: under virtual time the clock stands still while a script runs.
    const CProcessResult run = RunChromium(html, {"--dump-dom"}, folder, 0, "1000,400");
    const size_t at = run.out.find("<div id=\"result\">MEANS ");
    if (run.exitCode != 0 || at == std::string::npos) {
        std::fprintf(stderr, "player_bench: the page did not report (%s)\n%s\n", run.err.c_str(),
                     run.out.substr(0, 2000).c_str());
        return 1;
    }
    double draw[4] = {}, raster[4] = {}, cycle = 0;
    std::sscanf(run.out.c_str() + at, "<div id=\"result\">MEANS %lf %lf %lf %lf %lf %lf %lf %lf %lf", &draw[0],
                &draw[1], &draw[2], &draw[3], &raster[0], &raster[1], &raster[2], &raster[3], &cycle);
    std::string script;
    ReadWholeFile(player, script);
    std::printf("glntfx.js: %zu bytes (limit 65536)\n", script.size());
    std::printf("728 x 90, 20 banners, one round of the show (%.1f s) at 60 frames a second, %.0f frames:\n",
                cycle / 1000, draw[3]);
    std::printf("  the drawing calls           mean %.3f ms, 99%% under %.3f ms, worst %.3f ms\n", draw[0], draw[1],
                draw[2]);
    std::printf("  with the pixels rasterised  mean %.3f ms, 99%% under %.3f ms, worst %.3f ms  (goal: well under 2 ms)\n",
                raster[0], raster[1], raster[2]);
    return 0;
}
