// The web page on a desktop in headless Chromium: its first frame against the
// native build's, keys that walk and save, an update that offers a reload and
// keeps the save, offline play, the end of the game by the keyboard, a save
// the browser refuses, the loading bar and a missing file, manifest and icons.
//   node page.test.js PAGE_DIR NATIVE_SCREEN_DIGEST SHOTS_DIR
"use strict";
const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const web = require("./lib.js");
const { until, check, started, position } = web;

const [pageDir, nativeDigest, shotsDir] = process.argv.slice(2);
const DESKTOP = { width: 1000, height: 900 };

function keys(page, key) {
    return down => down ? page.keyboard.down(key) : page.keyboard.up(key);
}

// A key pressed for a few of the game's passes, as a player taps it.
async function tap(page, key) {
    await page.keyboard.down(key);
    await web.passes(page, 3, "with " + key + " held");
    await page.keyboard.up(key);
}

async function startViewIsNative(page, when) {
    const digest = await web.startViewDigest(page);
    check(digest === nativeDigest, "the start view" + when + " equals the native build's frame (digest " +
        digest + ", native " + nativeDigest + ")");
}

// The desktop, from a copy of the page that is then built again with a
// changed file: the start view, walking and saving, the update, offline play.
async function desktop(browser, shot) {
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), "rpg-page-"));
    fs.cpSync(pageDir, copy, { recursive: true });
    const server = await web.serve(copy);
    const opened = Date.now();
    const page = await (await browser.createBrowserContext()).newPage();
    await page.setViewport(DESKTOP);
    const foreign = [];
    page.on("request", r => { if (!r.url().startsWith(server.url) && !r.url().startsWith("blob:")) foreign.push(r.url()); });
    try {
        await page.goto(server.url, { waitUntil: "domcontentloaded" });
        await shot(page, "loading");
        await until(page, "the first frame", started);
        console.log("figure: first frame " + (Date.now() - opened) + " ms after opening the page");
        await startViewIsNative(page, "");
        await shot(page, "playing");
        await until(page, "the service worker to control the page", () => navigator.serviceWorker.controller !== null);

        // Walk, then START and A save.
        let start;
        await web.withoutMonsters(page, async function () {
            start = await position(page);
            return await web.walk(page, "ArrowDown", keys(page, "ArrowDown"), 20) &&
                await web.walk(page, "ArrowRight", keys(page, "ArrowRight"), 20);
        });
        const saved = await position(page);
        check(saved[0] !== start[0] && saved[1] !== start[1], "the keys walk the player from " + start + " to " + saved);
        await tap(page, "Enter");
        await tap(page, "Space");
        await until(page, "the save to be kept in the browser", () => Module.savesKept === 1);

        // A new build with a changed file: the page offers the reload, the
        // new files come from a new cache, and the menu's Load finds the save.
        fs.appendFileSync(path.join(copy, "page.css"), "/* built again */\n");
        execFileSync("bash", [path.join(__dirname, "../../scripts/web-seal.sh"), copy]);
        await page.evaluate(() => navigator.serviceWorker.getRegistration().then(r => r.update()));
        await until(page, "the page to offer the new version", () => !document.getElementById("update").hidden);
        await shot(page, "update");
        await web.loadsAgain(page, "the Reload button", () => page.click("#reload"));
        await until(page, "the first frame of the new version", started);
        const fresh = await position(page);
        const css = await page.evaluate(() => fetch("page.css").then(r => r.text()));
        await until(page, "the cache of the build before to go", () => caches.keys().then(k => k.length === 1));
        check(css.includes("built again"), "after the update the new build's files are served");
        await tap(page, "Enter");
        await tap(page, "ArrowDown");
        await tap(page, "Space");
        await until(page, "the player to stand where the save was made",
            s => Module._web_player_x() === s[0] && Module._web_player_y() === s[1], saved);
        check(fresh.join() !== saved.join(), "after the update's reload the save loads: the player stands at " +
            saved + " again (a new game starts at " + fresh + ")");

        // Offline: no server, no network; the page and the game still start.
        server.offline = true;
        await page.setOfflineMode(true);
        await web.loadsAgain(page, "a reload offline", () => page.reload());
        await until(page, "the first frame offline", started);
        await startViewIsNative(page, " offline");
        await page.setOfflineMode(false);
        server.offline = false;

        // Escape ends the game; Enter on "Start again" starts a new one.
        await page.keyboard.press("Escape");
        await until(page, "the page to show the end of the game", () => !document.getElementById("ended").hidden);
        check(await page.evaluate(() => document.activeElement.id === "again"), "the end notice has the focus");
        await shot(page, "ended");
        await web.loadsAgain(page, "Enter on Start again", () => page.keyboard.press("Enter"));
        await until(page, "a new game after Enter on Start again", started);
        await web.walk(page, "ArrowDown", keys(page, "ArrowDown"), 10);
        console.log("ok: Escape ends the game, and Enter starts a new one that walks");

        // The manifest as the browser reads it, and every icon it or the page names.
        const client = await page.createCDPSession();
        const manifest = await client.send("Page.getAppManifest");
        const icons = JSON.parse(manifest.data || "{}").icons || [];
        check(manifest.errors.length === 0 && icons.length === 4,
            "the browser reads the manifest with " + icons.length + " icons " + JSON.stringify(manifest.errors));
        const sizes = await page.evaluate(async function (icons) {
            const links = [...document.querySelectorAll("link[rel=icon], link[rel=apple-touch-icon]")].map(l => ({ src: l.href, sizes: "192x192" }));
            return Promise.all(icons.concat(links).map(icon => new Promise(function (done) {
                const image = new Image();
                image.onload = () => done(icon.src + " " + image.naturalWidth + "x" + image.naturalHeight + " " + icon.sizes);
                image.onerror = () => done(icon.src + " did not load");
                image.src = new URL(icon.src, location.href);
            })));
        }, icons);
        check(sizes.length === 6 && sizes.every(s => /(\d+x\d+) \1$/.test(s)),
            "the manifest's icons, the favicon and the touch icon load at their sizes: " + sizes.join("; "));
        check(foreign.length === 0, "the page loads nothing from another host " + foreign.join(" "));
    } finally {
        await page.browserContext().close();
        server.close();
        fs.rmSync(copy, { recursive: true, force: true });
    }
}

// A browser that keeps nothing: the page says so and the game plays on.
async function refusingStorage(browser, server, shot) {
    const page = await web.open(browser, server.url, DESKTOP, () => {
        indexedDB.open = function () { throw new DOMException("storage refused", "QuotaExceededError"); };
    });
    await until(page, "the first frame without storage", started);
    await until(page, "the notice that this browser keeps no saves",
        () => !document.getElementById("notice").hidden && Module.saveFailures === 1);
    await tap(page, "Enter");
    await tap(page, "Space");
    await until(page, "the failed save to be reported", () => Module.saveFailures === 2);
    await web.walk(page, "ArrowDown", keys(page, "ArrowDown"), 10);
    console.log("ok: a save the browser refuses is shown on the page and the game plays on");
    await shot(page, "save-failed");
    await page.browserContext().close();
}

// Loading: the bar stays short of 100% while the .wasm's last kilobyte is
// held back, and says "Starting…" once it came; a missing .wasm is one sentence.
async function loading(browser, server, shot) {
    server.held = "gp2x-rpg.wasm";
    let page = await web.open(browser, server.url, DESKTOP, () => {
        window.statuses = [];
        new MutationObserver(() => document.getElementById("status") &&
            statuses.push(document.getElementById("status").textContent))
            .observe(document, { subtree: true, childList: true, characterData: true });
    });
    await until(page, "every byte but the held kilobyte to arrive", () => {
        const total = Object.values(JSON.parse(document.getElementById("sizes").textContent)).reduce((a, b) => a + b);
        return document.getElementById("progress").value * total >= total - 1024.5;
    });
    const waiting = await page.evaluate(() => [document.getElementById("status").textContent,
        document.getElementById("progress").value]);
    await shot(page, "loading-held");
    server.release();
    await until(page, "the first frame after the held kilobyte", started);
    const statuses = await page.evaluate(() => statuses.filter((s, i, all) => s !== all[i - 1]));
    const full = statuses.indexOf("Loading… 100%");
    check(waiting[1] < 1 && !waiting[0].includes("100%") && full >= 0 && statuses[full + 1] === "Starting…",
        "the bar shows " + waiting[0] + " while a kilobyte of the .wasm is missing, then " + statuses.slice(-2).join(", "));
    await page.browserContext().close();
    server.held = null;

    server.missing = "gp2x-rpg.wasm";
    page = await web.open(browser, server.url, DESKTOP);
    await until(page, "the sentence that the .wasm is missing",
        () => document.getElementById("progress").hidden && !document.getElementById("loading").hidden);
    const sentence = await page.evaluate(() => document.getElementById("status").textContent);
    check(/^The game could not start: [^.]*404[^.]*gp2x-rpg\.wasm\.$/.test(sentence), "a missing .wasm says: " + sentence);
    await shot(page, "missing-wasm");
    server.missing = null;
    await page.browserContext().close();
}

web.run("web page", pageDir, shotsDir, async function (browser, server, shot) {
    await desktop(browser, shot);
    await refusingStorage(browser, server, shot);
    await loading(browser, server, shot);
});
