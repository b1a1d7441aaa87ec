// Frame pacing of the web page in headless Chromium during a 10 s walk: the
// game's passes per second, the intervals between the display refreshes that
// showed a new frame, and the share of refreshes that showed exactly one.
//   node tools/bench/web_pacing.js PAGE_DIR     (scripts/web-bench.sh runs it)
"use strict";
const web = require("../../tests/web/lib.js");

const WALK_MS = 10000;

function percentile(sorted, p) {
    return sorted[Math.min(sorted.length - 1, Math.floor(p * sorted.length))];
}

async function main() {
    const browser = await web.launch();
    const server = await web.serve(process.argv[2]);
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1000, height: 900 });
        const opened = Date.now();
        await page.goto(server.url, { waitUntil: "domcontentloaded" });
        await web.until(page, "the first frame", web.started);
        console.log("first frame: " + (Date.now() - opened) + " ms after opening the page");

        // Each display refresh notes its time and the passes drawn since the one before.
        await page.evaluate(() => {
            window.refreshes = [];
            let before = Module.passes;
            requestAnimationFrame(function tick(time) {
                refreshes.push([time, Module.passes - before]);
                before = Module.passes;
                if (!window.stopped)
                    requestAnimationFrame(tick);
            });
        });
        for (const key of ["ArrowRight", "ArrowLeft"]) {
            await page.keyboard.down(key);
            await new Promise(done => setTimeout(done, WALK_MS / 2));
            await page.keyboard.up(key);
        }
        const refreshes = await page.evaluate(() => { window.stopped = true; return refreshes; });
        const battle = await page.evaluate(() => Module._web_in_battle() !== 0);

        const seconds = (refreshes[refreshes.length - 1][0] - refreshes[0][0]) / 1000;
        const passes = refreshes.slice(1).reduce((sum, r) => sum + r[1], 0);
        const shown = refreshes.filter(r => r[1] > 0).map(r => r[0]);
        const gaps = shown.slice(1).map((t, i) => t - shown[i]).sort((a, b) => a - b);
        const ticks = refreshes.slice(1).map((r, i) => r[0] - refreshes[i][0]).sort((a, b) => a - b);
        const one = refreshes.slice(1).filter(r => r[1] === 1).length;
        console.log("walk: " + seconds.toFixed(1) + " s, " + refreshes.length + " display refreshes (every " +
            percentile(ticks, 0.5).toFixed(1) + " ms)" + (battle ? ", a monster met on the way" : ""));
        console.log("passes per second: " + (passes / seconds).toFixed(1));
        console.log("interval between presented frames: median " + percentile(gaps, 0.5).toFixed(1) +
            " ms, p95 " + percentile(gaps, 0.95).toFixed(1) + " ms, max " + gaps[gaps.length - 1].toFixed(1) + " ms");
        console.log("refreshes showing exactly one new frame: " + (100 * one / (refreshes.length - 1)).toFixed(1) +
            "% (none: " + (100 * refreshes.slice(1).filter(r => r[1] === 0).length / (refreshes.length - 1)).toFixed(1) +
            "%, two or more: " + (100 * refreshes.slice(1).filter(r => r[1] > 1).length / (refreshes.length - 1)).toFixed(1) + "%)");
    } finally {
        await browser.close();
        server.close();
    }
}

main().catch(function (e) {
    console.error("web-pacing: " + e.message);
    process.exit(1);
});
