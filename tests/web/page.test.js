// The web page in headless Chromium, served from a local static server: its
// first frame against the native build's, keys that walk and save, a reload
// that loads that save, a save the browser refuses, and the end of the game.
//   node page.test.js PAGE_DIR NATIVE_SCREEN_DIGEST SHOTS_DIR
"use strict";
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");

const [pageDir, nativeDigest, shotsDir] = process.argv.slice(2);
const WIDTH = 320, HEIGHT = 240;
const TYPES = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                ".wasm": "application/wasm", ".data": "application/octet-stream", ".png": "image/png" };

// The replay tool's digest of a screen: FNV-1a over its 16-bit pixels' bytes
// in memory order (low byte first), row after row.
function screenDigest(pixels) {
    const prime = 1099511628211n, mask = (1n << 64n) - 1n;
    let digest = 14695981039346656037n;
    for (const v of pixels)
        for (const byte of [v & 255, v >> 8])
            digest = ((digest ^ BigInt(byte)) * prime) & mask;
    return digest.toString(16).padStart(16, "0");
}

let failures = 0;
function check(ok, what) {
    console.log((ok ? "ok: " : "FAILED: ") + what);
    if (!ok)
        failures++;
}

// A static server of the page's folder on a free port of 127.0.0.1.
function serve(dir) {
    const server = http.createServer(function (req, res) {
        const name = decodeURIComponent(new URL(req.url, "http://x").pathname);
        const file = path.join(dir, name === "/" ? "index.html" : name);
        if (!file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            res.writeHead(404);
            res.end();
            return;
        }
        res.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream" });
        fs.createReadStream(file).pipe(res);
    });
    return new Promise(function (done) {
        server.listen(0, "127.0.0.1", function () { done(server); });
    });
}

// Waits until fn() in the page is true; a failure names what it waited for.
async function until(page, what, fn, arg, timeout = 30000) {
    try {
        await page.waitForFunction(fn, { timeout: timeout, polling: "raf" }, arg);
    } catch (e) {
        throw new Error("waited " + timeout / 1000 + " s for " + what + ": " + e.message);
    }
}

const started = () => typeof Module !== "undefined" && Module.calledRun && Module._web_screen_pixels() !== 0 &&
    Module.HEAPU16.subarray(Module._web_screen_pixels() >> 1, (Module._web_screen_pixels() >> 1) + 320 * 240)
        .some(v => v !== 0);

async function position(page) {
    return page.evaluate(() => [Module._web_player_x(), Module._web_player_y()]);
}

// Holds a key until the player has moved by at least `distance` pixels, or
// until a monster is met (a walking frame meets one in 250); true when the
// player walked all the way.
async function walk(page, key, distance) {
    const [x, y] = await position(page);
    await page.keyboard.down(key);
    await until(page, key + " to walk the player " + distance + " px or meet a monster",
        ([x, y, d]) => Module._web_in_battle() !== 0 ||
            Math.abs(Module._web_player_x() - x) + Math.abs(Module._web_player_y() - y) >= d,
        [x, y, distance]);
    await page.keyboard.up(key);
    return page.evaluate(() => Module._web_in_battle() === 0);
}

// A key pressed for a few of the game's frames, as a player taps it.
async function tap(page, key) {
    await page.keyboard.down(key);
    await page.evaluate(() => new Promise(done => {
        let n = 4;
        (function next() { if (--n === 0) done(); else requestAnimationFrame(next); })();
    }));
    await page.keyboard.up(key);
}

async function main() {
    const server = await serve(path.resolve(pageDir));
    const url = "http://127.0.0.1:" + server.address().port + "/";
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "rpg-web-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        headless: true,
        args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               "--user-data-dir=" + profile],
    });
    fs.mkdirSync(shotsDir, { recursive: true });
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1000, height: 900 });
        const foreign = [];
        page.on("request", r => { if (!r.url().startsWith(url)) foreign.push(r.url()); });
        page.on("console", m => { if (process.env.WEB_TEST_VERBOSE) console.log("page: " + m.text()); });

        // Loading, then the first frame.
        const opened = Date.now();
        await page.goto(url, { waitUntil: "domcontentloaded" });
        await page.screenshot({ path: path.join(shotsDir, "loading.png") });
        await until(page, "the first frame", started);
        console.log("figure: first frame " + (Date.now() - opened) + " ms after opening the page");

        // The start view, in the screen's own 16-bit colours.
        const pixels = await page.evaluate(() => {
            const at = Module._web_screen_pixels() >> 1, pitch = Module._web_screen_pitch() >> 1;
            const out = [];
            for (let y = 0; y < 240; y++)
                out.push(...Module.HEAPU16.subarray(at + y * pitch, at + y * pitch + 320));
            return out;
        });
        const digest = screenDigest(pixels);
        check(pixels.length === WIDTH * HEIGHT && digest === nativeDigest,
            "the start view equals the native build's frame (digest " + digest + ", native " + nativeDigest + ")");
        await page.screenshot({ path: path.join(shotsDir, "playing.png") });

        // Walk, then START and A save. A monster met on the way ends that
        // walk: the page is loaded again for a new game, five games at most
        // (five meetings in a row within 40 px happen about once in 14,000).
        let start;
        for (let game = 1; ; game++) {
            start = await position(page);
            if (await walk(page, "ArrowDown", 20) && await walk(page, "ArrowRight", 20))
                break;
            if (game === 5)
                throw new Error("five new games in a row met a monster within 40 px of walking");
            console.log("note: a monster was met on the walk; a new game");
            await page.reload({ waitUntil: "domcontentloaded" });
            await until(page, "the first frame of a new game", started);
        }
        const saved = await position(page);
        check(saved[0] !== start[0] && saved[1] !== start[1], "the keys walk the player from " + start + " to " + saved);
        await tap(page, "Enter");
        await tap(page, "Space");
        await until(page, "the save to be kept in the browser", () => Module.savesKept === 1);

        // After a reload the menu's Load brings the player back there.
        await page.reload({ waitUntil: "domcontentloaded" });
        await until(page, "the first frame after the reload", started);
        const fresh = await position(page);
        await tap(page, "Enter");
        await tap(page, "ArrowDown");
        await tap(page, "Space");
        await until(page, "the player to stand where the save was made",
            s => Module._web_player_x() === s[0] && Module._web_player_y() === s[1], saved);
        check(fresh.join() !== saved.join(), "after the reload the save loads: the player stands at " + saved +
            " again (a new game starts at " + fresh + ")");

        // Escape ends the game; the page says so and offers a new start.
        await page.keyboard.press("Escape");
        await until(page, "the page to show the end of the game", () => !document.getElementById("ended").hidden);
        await page.screenshot({ path: path.join(shotsDir, "ended.png") });
        await Promise.all([page.waitForNavigation({ waitUntil: "domcontentloaded" }), page.click("#again")]);
        await until(page, "a new game after Start again", started);
        console.log("ok: Escape ends the game and Start again starts a new one");
        check(foreign.length === 0, "the page loads nothing from another host " + foreign.join(" "));

        // A browser that keeps nothing: the page says so and the game plays on.
        const refusing = await browser.newPage();
        await refusing.setViewport({ width: 1000, height: 900 });
        await refusing.evaluateOnNewDocument(() => {
            indexedDB.open = function () { throw new DOMException("storage refused", "QuotaExceededError"); };
        });
        await refusing.goto(url, { waitUntil: "domcontentloaded" });
        await until(refusing, "the first frame without storage", started);
        await until(refusing, "the notice that this browser keeps no saves",
            () => !document.getElementById("notice").hidden && Module.saveFailures === 1);
        await tap(refusing, "Enter");
        await tap(refusing, "Space");
        await until(refusing, "the failed save to be reported", () => Module.saveFailures === 2);
        await walk(refusing, "ArrowDown", 10);
        console.log("ok: a save the browser refuses is shown on the page and the game plays on");
        await refusing.screenshot({ path: path.join(shotsDir, "save-failed.png") });
    } finally {
        await browser.close();
        server.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
    console.log(failures === 0 ? "web page: all checks passed" : "web page: " + failures + " checks failed");
    process.exit(failures === 0 ? 0 : 1);
}

main().catch(function (e) {
    console.log("FAILED: " + e.message);
    process.exit(1);
});
