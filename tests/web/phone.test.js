// The web page on a phone and with pads, in headless Chromium: the layout in
// portrait and landscape, fingers on the touch controls, and a stand-in pad
// (the browser's pad list replaced) present at load or connected later.
//   node phone.test.js PAGE_DIR SHOTS_DIR
"use strict";
const web = require("./lib.js");
const { until, check, started, position } = web;

const [pageDir, shotsDir] = process.argv.slice(2);
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const LANDSCAPE = { ...PHONE, width: 844, height: 390, isLandscape: true };
const PAD_A = 0, PAD_LEFT_SHOULDER = 4, PAD_START = 9, PAD_RIGHT = 15;

// Fingers on the touch screen: each change sends every finger still down.
function touchScreen(client) {
    const points = new Map();
    const send = type => client.send("Input.dispatchTouchEvent", { type: type, touchPoints: [...points.values()] });
    return {
        down: (id, [x, y]) => { points.set(id, { x, y, id }); return send("touchStart"); },
        move: (id, [x, y]) => { points.set(id, { x, y, id }); return send("touchMove"); },
        up: id => { points.delete(id); return points.size ? send("touchMove") : send("touchEnd"); },
        lift: () => { points.clear(); return send("touchEnd"); },
    };
}

function centre(page, label) {
    return page.$eval(`[aria-label="${label}"]`, e => {
        const r = e.getBoundingClientRect();
        return [r.left + r.width / 2, r.top + r.height / 2];
    });
}

// The picture and every control inside the window, none over another, no
// sideways scroll, the picture at a whole number of device pixels per game
// pixel and the controls where this orientation puts them.
async function fits(page, orientation) {
    await until(page, "the page to lay itself out for " + orientation,
        o => document.documentElement.classList.contains(o), orientation);
    const f = await page.evaluate(() => {
        const box = e => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
        return { width: innerWidth, height: innerHeight, scroll: document.documentElement.scrollWidth,
                 tall: document.documentElement.scrollHeight,
                 dpr: devicePixelRatio, canvas: box(document.getElementById("canvas")),
                 dpad: box(document.getElementById("dpad")), face: box(document.getElementById("face")),
                 controls: [...document.querySelectorAll(".controls [aria-label]")]
                     .map(e => [e.getAttribute("aria-label"), box(e)]) };
    });
    const inside = b => b[0] >= 0 && b[1] >= 0 && b[2] <= f.width && b[3] <= f.height && b[2] > b[0];
    const apart = (a, b) => a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1];
    // Whole to within the browser's layout unit, 1/64 of a CSS pixel.
    const scale = Math.round((f.canvas[2] - f.canvas[0]) * f.dpr / 320);
    const whole = Math.abs((f.canvas[2] - f.canvas[0]) * f.dpr - 320 * scale) <= f.dpr / 64 &&
        Math.abs((f.canvas[3] - f.canvas[1]) * f.dpr - 240 * scale) <= f.dpr / 64;
    const placed = orientation === "portrait" ? f.dpad[1] >= f.canvas[3] && f.face[1] >= f.canvas[3]
        : f.dpad[2] <= f.canvas[0] && f.face[0] >= f.canvas[2];
    check(f.controls.map(c => c[0]).join() === "up,left,right,down,A,START" && inside(f.canvas) &&
        f.controls.every(c => inside(c[1]) && apart(c[1], f.canvas)) && f.scroll <= f.width && f.tall <= f.height && placed &&
        whole,
        orientation + ": the picture at " + scale + " device pixels a pixel and the six controls " +
        (orientation === "portrait" ? "below it" : "on either side") + " fit " + f.width + " x " + f.height +
        " with no scroll (" + f.scroll + " x " + f.tall + ")");
}

async function phone(browser, server, shot) {
    const page = await web.open(browser, server.url, PHONE);
    await until(page, "the first frame on the phone", started);
    await fits(page, "portrait");
    await shot(page, "phone-portrait");

    // One finger holds right, slides to down; up held with A still walks;
    // lifting the fingers stops the walk.
    const fingers = touchScreen(await page.createCDPSession());
    const [right, down, up, a] = [await centre(page, "right"), await centre(page, "down"),
        await centre(page, "up"), await centre(page, "A")];
    let stopped;
    await web.withoutMonsters(page, async function () {
        if (!await web.walk(page, "a finger on right", d => d && fingers.down(0, right), 12, [1, 0]) ||
            !await web.walk(page, "the finger slid to down", d => d && fingers.move(0, down), 12, [0, 1]) ||
            !await web.walk(page, "a finger on up and one on A",
                d => d && fingers.move(0, up).then(() => fingers.down(1, a)), 12, [0, -1]))
            return fingers.lift().then(() => false);
        await fingers.up(1);
        await fingers.up(0);
        await web.passes(page, 5, "after the fingers were lifted");
        stopped = await position(page);
        await web.passes(page, 30, "with no finger down");
        return true;
    });
    const still = await position(page);
    check(still.join() === stopped.join(), "fingers walk right, slide to down, walk up with A held, and stop " +
        "when lifted (at " + stopped + ", then " + still + ")");

    await page.setViewport(LANDSCAPE);
    await fits(page, "landscape");
    await shot(page, "phone-landscape");

    await page.keyboard.press("ArrowLeft");
    check(await page.$eval("#dpad", e => getComputedStyle(e).display === "none"),
        "the touch controls hide once a key is used");
    await page.browserContext().close();
}

// A stand-in pad in the standard layout, as a browser presents one: it
// appears in navigator.getGamepads() and, when it comes later, with a
// gamepadconnected event.
function standInPad(presentAtLoad) {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
    const pad = { id: "Stand-in pad (STANDARD GAMEPAD)", index: 0, connected: true, mapping: "standard",
                  timestamp: performance.now(), axes: [0, 0, 0, 0], buttons: buttons };
    let present = presentAtLoad;
    navigator.getGamepads = () => [present ? pad : null, null, null, null];
    window.standIn = {
        connect() {
            present = true;
            const event = new Event("gamepadconnected");
            event.gamepad = pad;
            window.dispatchEvent(event);
        },
        press(button, down) {
            buttons[button] = { pressed: down, touched: down, value: down ? 1 : 0 };
            pad.timestamp = performance.now();
        },
    };
}

async function pad(browser, server, presentAtLoad) {
    const when = presentAtLoad ? "present at load" : "connected after three seconds of play";
    const page = await web.open(browser, server.url, { width: 1000, height: 900 }, standInPad, presentAtLoad);
    await until(page, "the first frame", started);
    const press = button => down => page.evaluate((b, d) => standIn.press(b, d), button, down);
    await web.withoutMonsters(page, async function () {
        if (!presentAtLoad) {
            await web.passes(page, 190, "before the pad comes");
            await page.evaluate(() => standIn.connect());
        }
        await until(page, "the page to name the pad", () =>
            document.getElementById("pads").textContent === "Pad connected: Stand-in pad (STANDARD GAMEPAD)");
        return web.walk(page, "the pad's D-pad right", press(PAD_RIGHT), 12);
    });
    await press(PAD_START)(true);
    await until(page, "the pad's START to open the menu", () => Module._web_menu_open() !== 0);
    await press(PAD_START)(false);
    console.log("ok: a pad " + when + " is named, its D-pad walks and its START opens the menu");
    if (presentAtLoad) {
        await press(PAD_LEFT_SHOULDER)(true);
        await until(page, "the pad's shoulder button to end the game", () => !document.getElementById("ended").hidden);
        await web.loadsAgain(page, "the pad's A on Start again", () => press(PAD_A)(true));
        await until(page, "a new game after the pad's A on Start again", started);
        console.log("ok: the pad's shoulder button ends the game and its A starts a new one");
    }
    await page.browserContext().close();
}

web.run("phone and pads", pageDir, shotsDir, async function (browser, server, shot) {
    await phone(browser, server, shot);
    await pad(browser, server, true);
    await pad(browser, server, false);
});
