// The page around the game: loading progress, whole-number scaling, the full
// screen button, the pad's game-controller layout, and the notices the game
// sends (a save the browser did not keep, the end of the game).
"use strict";
(function () {
    const canvas = document.getElementById("canvas");
    const screenBox = document.getElementById("screen");
    const statusLine = document.getElementById("status");
    const progress = document.getElementById("progress");
    const notice = document.getElementById("notice");
    const WIDTH = 320, HEIGHT = 240;

    // The largest whole number of screen pixels per game pixel that fits.
    function fit() {
        const full = document.fullscreenElement === screenBox;
        const width = full ? window.innerWidth : Math.min(screenBox.parentNode.clientWidth, 960);
        const height = full ? window.innerHeight : window.innerHeight - 120;
        const scale = Math.max(1, Math.floor(Math.min(width / WIDTH, height / HEIGHT)));
        canvas.style.width = WIDTH * scale + "px";
        canvas.style.height = HEIGHT * scale + "px";
        if (!full)
            screenBox.style.height = HEIGHT * scale + "px";
    }
    window.addEventListener("resize", fit);
    document.addEventListener("fullscreenchange", fit);
    fit();

    document.getElementById("full").addEventListener("click", function () {
        screenBox.requestFullscreen().catch(function () {});
        canvas.focus();
    });
    document.getElementById("again").addEventListener("click", function () {
        location.reload();
    });

    let firstFrame = null;
    window.Module = {
        canvas: canvas,
        preRun: [function () {
            // As ./play.sh: every pad in SDL's game-controller layout, sharp pixels.
            Module.ENV.SDL12COMPAT_USE_GAME_CONTROLLERS = "1";
            Module.ENV.SDL12COMPAT_SCALE_METHOD = "nearest";
        }],
        setStatus: function (text) {
            const m = text.match(/\((\d+(?:\.\d+)?)\/(\d+)\)/);
            if (m) {
                progress.value = Number(m[1]) / Number(m[2]);
                statusLine.textContent = "Loading… " + Math.round(100 * progress.value) + "%";
            } else if (text) {
                statusLine.textContent = text;
            }
        },
        onRuntimeInitialized: function () {
            document.getElementById("loading").hidden = true;
            canvas.focus();
        },
        onSaveKept: function () {
            Module.savesKept = (Module.savesKept || 0) + 1;
        },
        onSaveFailed: function (why) {
            Module.saveFailures = (Module.saveFailures || 0) + 1;
            notice.textContent = "Your save could not be kept in this browser (" + why +
                "). The game plays on; it will be lost when the page closes.";
            notice.hidden = false;
        },
        onGameEnded: function () {
            document.getElementById("ended").hidden = false;
            document.getElementById("again").focus();
        },
        print: function (text) { console.log(text); },
        printErr: function (text) { console.error(text); },
    };
    window.addEventListener("error", function (e) {
        statusLine.textContent = "The game could not start: " + e.message;
    });
})();
