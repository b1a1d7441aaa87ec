// Run before the tools' WebAssembly under node, which has no browser: SDL's
// pad driver asks the browser's navigator for pads and here finds none.
if (typeof navigator === "undefined")
    globalThis.navigator = {};
