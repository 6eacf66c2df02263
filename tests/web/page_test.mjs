// The page in headless Chromium, driven over the DevTools protocol: the demonstration held at
// frame 50, the up arrow pressed, held again at frame 100; its checksum must be the desktop's at
// that frame and its picture the desktop's render of it. Then the page loses focus, which lets the
// arrow go, and at frame 110 the checksum must again be the desktop's. A browser without WebGL
// and a blocked vev.data must each be told on the page.
// Usage: node page_test.mjs PAGE_URL NATIVE_PNG NATIVE_CHECKSUM_100 NATIVE_CHECKSUM_110 OUT_DIR
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { inflateSync } from "node:zlib";

const [pageUrl, nativePng, nativeChecksum100, nativeChecksum110, outDir] = process.argv.slice(2);
const width = 800;
const height = 600;
// A pixel differs when a channel is off by more than this: the two GL implementations round
// and rasterise edges a little apart.
const channelTolerance = 32;
const mostDifferingShare = 0.03;

// A browser on a DevTools pipe (fd 3 in, fd 4 out, messages ended by a zero byte).
class Browser {
  constructor(extraFlags) {
    this.profile = mkdtempSync(join(tmpdir(), "vev-chromium-"));
    this.process = spawn("chromium", [
      "--headless=new", "--remote-debugging-pipe", "--no-sandbox", "--disable-gpu",
      "--enable-unsafe-swiftshader", "--no-first-run", "--mute-audio",
      `--user-data-dir=${this.profile}`, `--window-size=${width},${height}`, ...extraFlags,
      "about:blank",
    ], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
    this.nextId = 1;
    this.pending = new Map();
    this.buffer = "";
    this.process.stdio[4].on("data", (chunk) => this.receive(chunk.toString("utf8")));
  }

  receive(text) {
    this.buffer += text;
    let end;
    while ((end = this.buffer.indexOf("\0")) >= 0) {
      const message = JSON.parse(this.buffer.slice(0, end));
      this.buffer = this.buffer.slice(end + 1);
      const waiting = this.pending.get(message.id);
      if (!waiting) continue;
      this.pending.delete(message.id);
      if (message.error) waiting.reject(new Error(JSON.stringify(message.error)));
      else waiting.resolve(message.result);
    }
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.process.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + "\0");
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject }));
  }

  // A new tab, its page and runtime domains on.
  async openPage() {
    const { targetId } = await this.send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await this.send("Target.attachToTarget", { targetId, flatten: true });
    const page = (method, params) => this.send(method, params, sessionId);
    // A tab in the background gets no animation frames.
    await page("Page.bringToFront");
    await page("Page.enable");
    await page("Runtime.enable");
    return page;
  }

  async close() {
    const exited = new Promise((resolve) => this.process.once("exit", resolve));
    this.send("Browser.close").catch(() => this.process.kill());
    await exited;
    // Its helper processes may still be writing the profile for a moment.
    rmSync(this.profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  }
}

async function evaluate(page, expression) {
  const { result, exceptionDetails } =
      await page("Runtime.evaluate", { expression, returnByValue: true });
  if (exceptionDetails) throw new Error(`${expression}: ${exceptionDetails.text}`);
  return result.value;
}

// Polls `expression` until it is truthy; fails after `seconds`.
async function waitFor(page, expression, what, seconds = 120) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const value = await evaluate(page, expression);
    if (value) return value;
    if (Date.now() > deadline) {
      const shown = await evaluate(page, "document.getElementById('message').textContent");
      throw new Error(`waited ${seconds} s for ${what}; the page says: ${shown}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// An 8-bit RGB or RGBA PNG, not interlaced (what Chromium and vev-scene write), as RGBA bytes.
function decodePng(bytes) {
  let offset = 8;
  let header;
  const data = [];
  while (offset < bytes.length) {
    const length = bytes.readUInt32BE(offset);
    const type = bytes.toString("latin1", offset + 4, offset + 8);
    const body = bytes.subarray(offset + 8, offset + 8 + length);
    if (type === "IHDR") {
      header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8],
                 colour: body[9], interlace: body[12] };
    } else if (type === "IDAT") {
      data.push(body);
    }
    offset += 12 + length;
  }
  if (header.depth !== 8 || header.interlace !== 0 || ![2, 6].includes(header.colour)) {
    throw new Error(`unsupported PNG: ${JSON.stringify(header)}`);
  }
  const channels = header.colour === 6 ? 4 : 3;
  const stride = header.width * channels;
  const raw = inflateSync(Buffer.concat(data));
  const rows = Buffer.alloc(stride * header.height);
  for (let y = 0; y < header.height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const upLeft = y > 0 && x >= channels ? rows[(y - 1) * stride + x - channels] : 0;
      rows[y * stride + x] = (line[x] + unfilter(filter, left, up, upLeft)) & 0xff;
    }
  }
  const rgba = Buffer.alloc(header.width * header.height * 4, 255);
  for (let i = 0; i < header.width * header.height; ++i) {
    rows.copy(rgba, i * 4, i * channels, i * channels + 3);
  }
  return { width: header.width, height: header.height, rgba };
}

function unfilter(filter, left, up, upLeft) {
  switch (filter) {
    case 0: return 0;
    case 1: return left;
    case 2: return up;
    case 3: return (left + up) >> 1;
    case 4: {
      const p = left + up - upLeft;
      const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
      return pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
    }
    default: throw new Error(`bad PNG filter ${filter}`);
  }
}

function differingShare(a, b) {
  if (a.width !== b.width || a.height !== b.height) {
    throw new Error(`sizes differ: ${a.width}x${a.height} and ${b.width}x${b.height}`);
  }
  let differing = 0;
  for (let i = 0; i < a.rgba.length; i += 4) {
    for (let c = 0; c < 3; ++c) {
      if (Math.abs(a.rgba[i + c] - b.rgba[i + c]) > channelTolerance) {
        ++differing;
        break;
      }
    }
  }
  return differing / (a.width * a.height);
}

// Page.navigate answers before the new document is there: until then, expressions would run in
// the old one.
async function navigate(page, url) {
  await page("Page.navigate", { url });
  await waitFor(page, `location.href === ${JSON.stringify(url)} && ` +
                      "document.readyState !== 'loading'", url);
}

// The attack pilot's fight with the up arrow pressed from frame 51 to 100, as the desktop's
// vev-scene flies it from the key script "51 down 38" and "101 up 38": the checksum and picture
// at frame 100, the checksum at frame 110.
async function flyWithUpArrow(browser) {
  const page = await browser.openPage();
  await page("Emulation.setDeviceMetricsOverride",
             { width, height, deviceScaleFactor: 1, mobile: false });
  await navigate(page, `${pageUrl}?pilot=attack&hold=50`);
  await waitFor(page, "shell && Module._vev_steps_taken(shell) === 50", "frame 50");
  const key = { code: "ArrowUp", key: "ArrowUp", windowsVirtualKeyCode: 38 };
  await page("Input.dispatchKeyEvent", { type: "rawKeyDown", ...key });
  await evaluate(page, "Module._vev_hold_at(shell, 100)");
  await waitFor(page, "Module._vev_steps_taken(shell) === 100", "frame 100");
  const checksum100 = await evaluate(page, "UTF8ToString(Module._vev_checksum(shell))");
  const frameMs = await evaluate(page, "Module._vev_mean_frame_ms(shell)");
  // The page's own overlays are not part of the picture compared.
  await evaluate(page, "for (const id of ['toolbar', 'status']) " +
                       "document.getElementById(id).style.display = 'none'");
  await new Promise((resolve) => setTimeout(resolve, 200));
  const { data } = await page("Page.captureScreenshot", { format: "png" });
  await evaluate(page, "window.dispatchEvent(new FocusEvent('blur'))");
  await evaluate(page, "Module._vev_hold_at(shell, 110)");
  await waitFor(page, "Module._vev_steps_taken(shell) === 110", "frame 110");
  const checksum110 = await evaluate(page, "UTF8ToString(Module._vev_checksum(shell))");
  // Which key presses the page keeps from the browser: the game's, not the browser's own.
  const kept = await evaluate(page, "['F5', 'ArrowUp'].filter((code) => { " +
                              "const e = new KeyboardEvent('keydown', " +
                              "{ code, key: code, bubbles: true, cancelable: true }); " +
                              "canvas.dispatchEvent(e); return e.defaultPrevented; }).join()");
  return { checksum100, checksum110, frameMs, kept, screenshot: Buffer.from(data, "base64") };
}

async function messageOf(browser, url, blocked = []) {
  const page = await browser.openPage();
  if (blocked.length) {
    await page("Network.enable");
    await page("Network.setBlockedURLs", { urls: blocked });
  }
  await navigate(page, url);
  return waitFor(page, "(() => { const m = document.getElementById('message'); " +
                       "return m.style.display === 'block' && !/…$/.test(m.textContent) && " +
                       "m.textContent; })()", `a message on ${url}`, 30);
}

function check(condition, failure) {
  if (condition) return;
  console.error(`page test: ${failure}`);
  process.exitCode = 1;
}

const browser = new Browser([]);
try {
  const flown = await flyWithUpArrow(browser);
  writeFileSync(join(outDir, "chromium-frame-100.png"), flown.screenshot);
  const share = differingShare(decodePng(flown.screenshot), decodePng(readFileSync(nativePng)));
  console.log(`page: frame 100 checksum ${flown.checksum100}, ${(share * 100).toFixed(2)} % of ` +
              `pixels differ from the desktop's render; the page's work ${flown.frameMs.toFixed(1)} ms ` +
              "a stepped frame");
  check(flown.checksum100 === nativeChecksum100,
        `frame 100 has checksum ${flown.checksum100}, the desktop's ${nativeChecksum100}`);
  check(flown.checksum110 === nativeChecksum110,
        `after the lost focus, frame 110 has checksum ${flown.checksum110}, the desktop's ` +
        nativeChecksum110);
  check(share <= mostDifferingShare, `${(share * 100).toFixed(2)} % of pixels differ`);
  check(flown.kept === "ArrowUp", `the page keeps the key presses ${flown.kept} from the browser`);
  const blocked = await messageOf(browser, pageUrl, ["*vev.data"]);
  check(/vev\.data\) could not be downloaded/.test(blocked), `blocked vev.data told: ${blocked}`);
} finally {
  await browser.close();
}

const withoutWebGl = new Browser(["--disable-webgl"]);
try {
  const told = await messageOf(withoutWebGl, pageUrl);
  check(/no WebGL/.test(told), `a browser without WebGL told: ${told}`);
} finally {
  await withoutWebGl.close();
}
