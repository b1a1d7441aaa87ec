// The page around the game: loading every file with one progress bar, the
// whole-number scaling, the touch controls, pads and their notices, the full
// screen button, the end of the game, and the service worker's updates.
"use strict";
(function () {
    const WIDTH = 320, HEIGHT = 240;
    const root = document.documentElement;
    const canvas = document.getElementById("canvas");
    const play = document.getElementById("play");
    const bar = document.getElementById("bar");
    const statusLine = document.getElementById("status");
    const progress = document.getElementById("progress");
    const notice = document.getElementById("notice");
    const padsLine = document.getElementById("pads");
    const dpad = document.getElementById("dpad");
    const again = document.getElementById("again");
    let running = false, ended = false, failed = false;

    // One plain sentence in place of the loading bar; the first failure stays.
    function fail(sentence) {
        if (failed || running)
            return;
        failed = true;
        statusLine.textContent = sentence;
        progress.hidden = true;
        document.getElementById("loading").hidden = false;
    }

    // -- Layout: the picture takes the largest whole number of device pixels
    // per game pixel that fits beside the controls (or above the table).
    function layout() {
        const touch = root.classList.contains("touch");
        const portrait = window.innerHeight >= window.innerWidth;
        root.classList.toggle("portrait", touch && portrait);
        root.classList.toggle("landscape", touch && !portrait);
        const w = window.innerWidth, h = window.innerHeight, barHeight = bar.offsetHeight + 8;
        let width, height;
        if (touch && portrait) {
            const controls = Math.max(170, Math.min(w * 0.55, h * 0.35));
            width = w;
            height = h - controls - barHeight;
            play.style.setProperty("--dpad", Math.floor(Math.min(w * 0.46, controls - 16)) + "px");
            play.style.setProperty("--face", Math.floor(Math.min(w * 0.22, controls / 2)) + "px");
        } else if (touch) {
            const side = Math.floor(Math.max(120, Math.min(w * 0.22, 220)));
            width = w - 2 * side;
            height = h - barHeight;
            play.style.setProperty("--side", side + "px");
            play.style.setProperty("--dpad", Math.floor(Math.min(side - 12, h * 0.6)) + "px");
            play.style.setProperty("--face", Math.floor(Math.min(side * 0.55, h * 0.3)) + "px");
        } else if (document.fullscreenElement === play) {
            width = w;
            height = h - barHeight;
        } else {
            width = Math.min(play.clientWidth, 960);
            height = h - 120;
        }
        const dpr = window.devicePixelRatio || 1;
        const scale = Math.max(1, Math.floor(Math.min(width * dpr / WIDTH, height * dpr / HEIGHT)));
        // Through the style sheet: SDL sets the canvas's own size when a window resizes.
        play.style.setProperty("--width", WIDTH * scale / dpr + "px");
        play.style.setProperty("--height", HEIGHT * scale / dpr + "px");
    }
    window.addEventListener("resize", layout);
    document.addEventListener("fullscreenchange", layout);
    matchMedia("(resolution: 1dppx)").addEventListener("change", layout);

    // A browser without the Fullscreen API (an iPhone's) gets no button.
    document.getElementById("full").hidden = !document.fullscreenEnabled;
    document.getElementById("full").addEventListener("click", function () {
        play.requestFullscreen().catch(function () {});
        canvas.focus();
    });
    again.addEventListener("click", function () {
        location.reload();
    });

    // -- Touch controls: each finger holds the control under it; a finger
    // sliding over the D-pad holds the direction it points to from the
    // middle. The game hears only the changes of what all fingers hold.
    const fingers = new Map();
    let held = new Set();

    function controlAt(x, y) {
        const box = dpad.getBoundingClientRect();
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) {
            const dx = x - (box.left + box.width / 2), dy = y - (box.top + box.height / 2);
            if (Math.max(Math.abs(dx), Math.abs(dy)) < box.width * 0.1)
                return null;
            return Math.abs(dx) > Math.abs(dy) ? (dx > 0 ? "right" : "left") : (dy > 0 ? "down" : "up");
        }
        const under = document.elementFromPoint(x, y);
        const key = under && under.closest("#face [aria-label]");
        return key ? key.getAttribute("aria-label") : null;
    }

    function settle() {
        const now = new Set(fingers.values());
        for (const name of held)
            if (!now.has(name))
                tell(name, false);
        for (const name of now)
            if (!held.has(name))
                tell(name, true);
        held = now;
        for (const control of document.querySelectorAll(".controls [aria-label]"))
            control.classList.toggle("held", held.has(control.getAttribute("aria-label")));
    }

    // Each name is written once into the game's memory, then passed by address.
    const names = new Map();
    function tell(name, down) {
        if (!running || ended)
            return;
        if (!names.has(name)) {
            const bytes = new TextEncoder().encode(name + "\0");
            const at = Module._malloc(bytes.length);
            Module.HEAPU8.set(bytes, at);
            names.set(name, at);
        }
        Module._web_hold(names.get(name), down ? 1 : 0);
    }

    function releaseAll() {
        fingers.clear();
        settle();
    }

    function track(e) {
        e.preventDefault();
        for (const touch of e.changedTouches) {
            const lifted = e.type === "touchend" || e.type === "touchcancel";
            const name = lifted ? null : controlAt(touch.clientX, touch.clientY);
            if (name)
                fingers.set(touch.identifier, name);
            else
                fingers.delete(touch.identifier);
        }
        settle();
    }
    for (const group of document.querySelectorAll(".controls"))
        for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
            group.addEventListener(type, track, { passive: false });
    document.addEventListener("visibilitychange", function () {
        if (document.hidden)
            releaseAll();
    });
    window.addEventListener("pagehide", releaseAll);

    // The controls show on a touch screen and hide once a key or a pad is used.
    function useTouch(on) {
        if (root.classList.contains("touch") === on)
            return;
        if (!on)
            releaseAll();
        root.classList.toggle("touch", on);
        layout();
    }
    useTouch(navigator.maxTouchPoints > 0 || matchMedia("(pointer: coarse)").matches);
    window.addEventListener("touchstart", function () { useTouch(true); }, { capture: true, passive: true });

    // Keys: registered before the game's, so that once the game has ended
    // Enter, Space and Tab reach the page's own button again.
    for (const type of ["keydown", "keypress", "keyup"])
        window.addEventListener(type, function (e) {
            if (e.isTrusted && type === "keydown")
                useTouch(false);
            if (ended || failed)
                e.stopImmediatePropagation();
        }, true);

    // -- Pads: the game reads them through SDL; the page names them as they
    // come and go, hides the touch controls once one is used, and lets A
    // press "Start again" once the game has ended.
    const padNames = new Map();
    function padCame(pad) {
        if (pad && !padNames.has(pad.index)) {
            padNames.set(pad.index, pad.id);
            padsLine.textContent = "Pad connected: " + pad.id;
        }
    }
    window.addEventListener("gamepadconnected", function (e) { padCame(e.gamepad); });
    window.addEventListener("gamepaddisconnected", function (e) {
        padNames.delete(e.gamepad.index);
        padsLine.textContent = "Pad disconnected: " + e.gamepad.id;
    });
    let padButtonsBefore = 0;
    (function watchPads() {
        let pressed = 0;
        for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
            if (!pad)
                continue;
            padCame(pad);
            pad.buttons.forEach(function (b, i) {
                if (b.pressed)
                    pressed |= 1 << i;
            });
        }
        const newly = pressed & ~padButtonsBefore;
        padButtonsBefore = pressed;
        if (newly)
            useTouch(false);
        if (ended && (newly & 1))
            again.click();
        requestAnimationFrame(watchPads);
    })();

    // -- The game: its three files fetched with one bar over all their bytes,
    // then "Starting…" until the first pass is drawn.
    let passes = 0;
    window.Module = {
        canvas: canvas,
        preRun: [function () {
            // As ./play.sh: every pad in SDL's game-controller layout, sharp pixels.
            Module.ENV.SDL12COMPAT_USE_GAME_CONTROLLERS = "1";
            Module.ENV.SDL12COMPAT_SCALE_METHOD = "nearest";
        }],
        onPass: function () {
            Module.passes = ++passes;
            if (passes === 1) {
                running = true;
                document.getElementById("loading").hidden = true;
                if (!root.classList.contains("touch"))
                    canvas.focus();
                held = new Set(); // what fingers held while loading is told now
                settle();
                keepOffline();
            }
        },
        onSaveKept: function () {
            Module.savesKept = (Module.savesKept || 0) + 1;
        },
        onSaveFailed: function (why) {
            Module.saveFailures = (Module.saveFailures || 0) + 1;
            notice.textContent = "Your save could not be kept in this browser (" + why +
                "); the game plays on, and the save is lost when the page closes.";
            notice.hidden = false;
        },
        onGameEnded: function () {
            releaseAll();
            ended = true;
            document.getElementById("ended").hidden = false;
            again.focus();
        },
        onAbort: function (what) {
            fail("The game stopped: " + what + ".");
        },
        print: function (text) { console.log(text); },
        printErr: function (text) { console.error(text); },
    };
    window.addEventListener("error", function (e) {
        fail("The game could not start: " + e.message + ".");
    });
    window.addEventListener("unhandledrejection", function (e) {
        fail("The game could not start: " + (e.reason && e.reason.message || e.reason) + ".");
    });

    async function fetchAll(sizes) {
        const names = Object.keys(sizes);
        const total = names.reduce(function (sum, name) { return sum + sizes[name]; }, 0);
        let arrived = 0;
        const files = {};
        await Promise.all(names.map(async function (name) {
            let response;
            try {
                response = await fetch(name);
            } catch (e) {
                throw new Error("The game could not start: " + name + " could not be fetched (no connection).");
            }
            if (!response.ok)
                throw new Error("The game could not start: the server answered " + response.status + " " +
                    (response.status === 404 ? "(not found) " : "") + "for " + name + ".");
            const reader = response.body.getReader();
            const parts = [];
            let length = 0;
            for (;;) {
                const { done, value } = await reader.read();
                if (failed) {
                    reader.cancel();
                    return;
                }
                if (done)
                    break;
                parts.push(value);
                length += value.length;
                arrived += value.length;
                progress.value = arrived / total;
                statusLine.textContent = "Loading… " + Math.floor(100 * arrived / total) + "%";
            }
            const whole = new Uint8Array(length);
            let at = 0;
            for (const part of parts) {
                whole.set(part, at);
                at += part.length;
            }
            files[name] = whole.buffer;
        }));
        return files;
    }

    async function start() {
        if (typeof WebAssembly !== "object") {
            fail("The game cannot run in this browser: it has no WebAssembly.");
            return;
        }
        if (typeof indexedDB === "undefined") {
            notice.textContent = "This browser keeps no saves (it has no IndexedDB); the game plays on, " +
                "and a save is lost when the page closes.";
            notice.hidden = false;
        }
        let files;
        try {
            files = await fetchAll(JSON.parse(document.getElementById("sizes").textContent));
        } catch (e) {
            fail(e.message);
            return;
        }
        statusLine.textContent = "Starting…";
        const file = ending => files[Object.keys(files).find(name => name.endsWith(ending))];
        Module.wasmBinary = file(".wasm");
        Module.getPreloadedPackage = function () { return file(".data"); };
        const script = document.createElement("script");
        script.src = URL.createObjectURL(new Blob([file(".js")], { type: "text/javascript" }));
        document.body.appendChild(script);
    }

    // -- The service worker keeps this build's files for offline play, once
    // the game has started (not to fetch them twice while loading); a new
    // build waits until the player chooses to reload.
    function offerUpdate(worker) {
        document.getElementById("update").hidden = false;
        document.getElementById("reload").onclick = function () {
            navigator.serviceWorker.addEventListener("controllerchange", function () { location.reload(); });
            worker.postMessage("take over");
        };
    }
    function keepOffline() {
        if (!("serviceWorker" in navigator) || !window.isSecureContext)
            return;
        navigator.serviceWorker.register("sw.js").then(function (registration) {
            if (registration.waiting && navigator.serviceWorker.controller)
                offerUpdate(registration.waiting);
            // A player coming back to the page hears of a build made meanwhile.
            document.addEventListener("visibilitychange", function () {
                if (!document.hidden)
                    registration.update().catch(function () {});
            });
            registration.addEventListener("updatefound", function () {
                const worker = registration.installing;
                worker.addEventListener("statechange", function () {
                    if (worker.state === "installed" && navigator.serviceWorker.controller)
                        offerUpdate(worker);
                });
            });
        }).catch(function (e) {
            console.error("no offline play: " + e.message);
        });
    }

    layout();
    start();
})();
