// What the page's tests and its benchmark share: a static server of the page
// that can lose a file, hold one back or go away, headless Chromium, waits
// with deadlines, and the game's state read back through the page.
"use strict";
const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");
const puppeteer = require("puppeteer-core");

const TYPES = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png",
                ".wasm": "application/wasm", ".webmanifest": "application/manifest+json" };

// A static server of dir on a free port of 127.0.0.1. Its `missing` file
// answers 404; its `held` file is sent but for its last kilobyte until
// release() is called; while `offline` it drops every connection.
async function serve(dir) {
    dir = path.resolve(dir);
    const state = { missing: null, held: null, offline: false, sent: {} };
    let releaseHeld = null;
    const held = new Promise(function (done) { releaseHeld = done; });
    const server = http.createServer(async function (req, res) {
        if (state.offline) {
            req.socket.destroy();
            return;
        }
        const name = decodeURIComponent(new URL(req.url, "http://x").pathname).slice(1) || "index.html";
        const file = path.join(dir, name);
        if (name === state.missing || !file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            res.writeHead(404);
            res.end();
            return;
        }
        const body = fs.readFileSync(file);
        res.writeHead(200, { "Content-Type": TYPES[path.extname(file)] || "application/octet-stream",
                             "Content-Length": body.length, "Cache-Control": "no-cache" });
        if (name === state.held) {
            res.write(body.subarray(0, body.length - 1024));
            await held;
            res.end(body.subarray(body.length - 1024));
        } else {
            res.end(body);
        }
        state.sent[name] = (state.sent[name] || 0) + 1;
    });
    await new Promise(function (done) { server.listen(0, "127.0.0.1", done); });
    state.url = "http://127.0.0.1:" + server.address().port + "/";
    state.release = releaseHeld;
    state.close = function () { server.closeAllConnections(); server.close(); };
    return state;
}

async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "rpg-web-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
        headless: true,
        args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               "--user-data-dir=" + profile],
    });
    const close = browser.close.bind(browser);
    browser.close = async function () {
        await close();
        fs.rmSync(profile, { recursive: true, force: true });
    };
    return browser;
}

// Waits until fn() in the page is true; a failure names what it waited for.
async function until(page, what, fn, arg, timeout = 30000) {
    try {
        await page.waitForFunction(fn, { timeout: timeout, polling: "raf" }, arg);
    } catch (e) {
        throw new Error("waited " + timeout / 1000 + " s for " + what + ": " + e.message);
    }
}

// Does action() and waits until it has loaded the page again.
async function loadsAgain(page, what, action, timeout = 30000) {
    try {
        await Promise.all([page.waitForNavigation({ waitUntil: "domcontentloaded", timeout: timeout }), action()]);
    } catch (e) {
        throw new Error("waited " + timeout / 1000 + " s for " + what + " to load the page again: " + e.message);
    }
}

let failures = 0;
function check(ok, what) {
    console.log((ok ? "ok: " : "FAILED: ") + what);
    if (!ok)
        failures++;
}

// The game has drawn its first pass (and its screen is not blank).
const started = () => typeof Module !== "undefined" && Module.passes > 0 && Module._web_screen_pixels() !== 0 &&
    Module.HEAPU16.subarray(Module._web_screen_pixels() >> 1, (Module._web_screen_pixels() >> 1) + 320 * 240)
        .some(v => v !== 0);

async function position(page) {
    return page.evaluate(() => [Module._web_player_x(), Module._web_player_y()]);
}

// Waits until the game has played `count` more passes.
async function passes(page, count, what) {
    const from = await page.evaluate(() => Module.passes);
    await until(page, count + " passes " + what, ([from, count]) => Module.passes >= from + count, [from, count]);
}

// Holds a console direction with press(true), until the player has moved by
// at least `distance` pixels (along `direction`, [dx, dy], when given) or a
// monster is met (a walking frame meets one in 250), then calls press(false);
// true when the player walked all the way. A monster met is no failure: the
// caller starts a new game.
async function walk(page, what, press, distance, direction = null) {
    const [x, y] = await position(page);
    await press(true);
    await until(page, what + " to walk the player " + distance + " px or meet a monster",
        ([x, y, d, dir]) => Module._web_in_battle() !== 0 || d <= (dir === null
            ? Math.abs(Module._web_player_x() - x) + Math.abs(Module._web_player_y() - y)
            : (Module._web_player_x() - x) * dir[0] + (Module._web_player_y() - y) * dir[1]),
        [x, y, distance, direction]);
    await press(false);
    return page.evaluate(() => Module._web_in_battle() === 0);
}

// A page in a context of its own (its own storage and service workers).
async function open(browser, url, viewport, before, arg) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(viewport);
    if (before)
        await page.evaluateOnNewDocument(before, arg);
    await page.goto(url, { waitUntil: "domcontentloaded" });
    return page;
}

// Plays attempt(page) in new games until one is not cut short by a monster
// (attempt returns false then), five games at most: five meetings in a row
// within a few dozen pixels of walking happen about once in 10,000.
async function withoutMonsters(page, attempt) {
    for (let game = 1; ; game++) {
        if (await attempt(page))
            return;
        if (game === 5)
            throw new Error("five new games in a row met a monster");
        console.log("note: a monster was met on the walk; a new game");
        await loadsAgain(page, "a reload for a new game", () => page.reload());
        await until(page, "the first frame of a new game", started);
    }
}

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

async function startViewDigest(page) {
    const pixels = await page.evaluate(() => {
        const at = Module._web_screen_pixels() >> 1, pitch = Module._web_screen_pitch() >> 1;
        const out = [];
        for (let y = 0; y < 240; y++)
            out.push(...Module.HEAPU16.subarray(at + y * pitch, at + y * pitch + 320));
        return out;
    });
    return pixels.length === 320 * 240 ? screenDigest(pixels) : "a screen of " + pixels.length + " pixels";
}

function finish(name) {
    console.log(failures === 0 ? name + ": all checks passed" : name + ": " + failures + " checks failed");
    process.exit(failures === 0 ? 0 : 1);
}

// Runs a test program's checks, body(browser, server, shot), with one browser
// and the page served from pageDir; shot(page, name) keeps a screenshot in
// shotsDir. Exits with the count of failed checks, or on the first error.
function run(name, pageDir, shotsDir, body) {
    (async function () {
        fs.mkdirSync(shotsDir, { recursive: true });
        const shot = (page, label) => page.screenshot({ path: path.join(shotsDir, label + ".png") });
        const browser = await launch();
        const server = await serve(pageDir);
        try {
            await body(browser, server, shot);
        } finally {
            await browser.close();
            server.close();
        }
        finish(name);
    })().catch(function (e) {
        console.log("FAILED: " + e.message);
        process.exit(1);
    });
}

module.exports = { serve, launch, open, until, loadsAgain, check, started, position, passes, walk, withoutMonsters,
                   startViewDigest, run };
