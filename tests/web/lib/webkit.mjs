// WebKitGTK for the browser tests: its MiniBrowser driven by WebKitWebDriver over plain W3C
// WebDriver HTTP calls, on the X display the test runs under. The page it gives answers the part
// of puppeteer's Page that the end-to-end tests use (goto, evaluate, waitForFunction,
// waitForSelector, $, $eval, $$eval, click, keyboard, mouse, screenshot), so the same tests run
// in every engine. WebDriver has no console events: the page's warnings, errors and uncaught
// exceptions are gathered by a script the page is given after each navigation, and collected
// into page.messages and page.exceptions with every call.
import { spawn } from 'node:child_process';
import { request } from 'node:http';
import { createServer } from 'node:net';

const kMiniBrowser = process.env.WEBKIT_MINIBROWSER ||
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kPollMs = 100;

// Puppeteer's key names as WebDriver's key values.
const kKeys = {
  Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Backspace: '\uE003', Space: ' ',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Meta: '\uE03D',
};
const keyValue = (key) => kKeys[key] || (/^Key[A-Z]$/.test(key) ? key[3].toLowerCase() : key);

// Gathers what a console would show as problems; a second install is a no-op.
const kCollector = `
  if (!window.__tamsirelProblems) {
    const seen = window.__tamsirelProblems = [];
    for (const type of ['error', 'warn']) {
      const original = console[type].bind(console);
      console[type] = (...parts) => { seen.push({ type, text: parts.map(String).join(' ') }); original(...parts); };
    }
    addEventListener('error', (e) => seen.push({ type: 'exception', text: String(e.error || e.message) }));
    addEventListener('unhandledrejection', (e) => seen.push({ type: 'exception', text: String(e.reason) }));
  }`;

function freePort() {
  return new Promise((resolve, reject) => {
    const server = createServer();
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

class WebDriverSession {
  constructor(base) {
    this.base = base;
    this.id = null;
  }

  // One WebDriver command over node's own HTTP client (the tests run node with its fetch off).
  call(method, path, body) {
    const url = `${this.base}${this.id ? `/session/${this.id}` : ''}${path}`;
    const payload = body === undefined ? undefined : JSON.stringify(body);
    return new Promise((resolve, reject) => {
      const sent = request(url, {
        method,
        headers: payload === undefined ? {} :
          { 'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(payload) },
      }, (response) => {
        const chunks = [];
        response.on('data', (chunk) => chunks.push(chunk));
        response.on('error', reject);
        response.on('end', () => {
          let reply;
          try {
            reply = JSON.parse(Buffer.concat(chunks).toString('utf8'));
          } catch (error) {
            reject(new Error(`WebDriver ${method} ${path}: status ${response.statusCode}, no JSON`));
            return;
          }
          if (response.statusCode >= 400) {
            const { error, message } = reply.value || {};
            reject(new Error(`WebDriver ${method} ${path}: ${error}: ${message}`));
          } else {
            resolve(reply.value);
          }
        });
      });
      sent.on('error', reject);
      sent.end(payload);
    });
  }
}

class Keyboard {
  constructor(page) { this.page = page; }
  down(key) { return this.page.actions([{ type: 'keyDown', value: keyValue(key) }]); }
  up(key) { return this.page.actions([{ type: 'keyUp', value: keyValue(key) }]); }
  press(key) {
    const value = keyValue(key);
    return this.page.actions([{ type: 'keyDown', value }, { type: 'keyUp', value }]);
  }
}

class Mouse {
  constructor(page) { this.page = page; }
  move(x, y) {
    return this.page.pointer([{ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' }]);
  }
  down() { return this.page.pointer([{ type: 'pointerDown', button: 0 }]); }
  up() { return this.page.pointer([{ type: 'pointerUp', button: 0 }]); }
  async click(x, y) {
    await this.page.pointer([
      { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
      { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 },
    ]);
  }
}

class WebKitPage {
  constructor(session) {
    this.session = session;
    this.messages = [];
    this.exceptions = [];
    this.keyboard = new Keyboard(this);
    this.mouse = new Mouse(this);
  }

  actions(keys) {
    return this.session.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: keys }] });
  }

  pointer(steps) {
    return this.session.call('POST', '/actions', {
      actions: [{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: steps }],
    });
  }

  async goto(url) {
    await this.session.call('POST', '/url', { url });
    await this.session.call('POST', '/execute/sync', { script: kCollector, args: [] });
  }

  // Runs `source` (a function's text) in the page with `args`; awaits what it returns.
  async run(source, args) {
    const script = `const done = arguments[arguments.length - 1];
      ${kCollector}
      const drain = () => window.__tamsirelProblems.splice(0);
      Promise.resolve().then(() => (${source})(...Array.from(arguments).slice(0, -1)))
        .then((value) => done({ value: value === undefined ? null : value, problems: drain() }),
              (error) => done({ error: String(error && error.stack || error), problems: drain() }));`;
    const reply = await this.session.call('POST', '/execute/async', { script, args });
    for (const problem of reply.problems) {
      if (problem.type === 'exception') this.exceptions.push(new Error(problem.text));
      else this.messages.push(problem);
    }
    if (reply.error !== undefined) throw new Error(`in the page: ${reply.error}`);
    return reply.value;
  }

  evaluate(fn, ...args) { return this.run(fn.toString(), args); }

  async waitForFunction(fn, { timeout = 30000 } = {}, ...args) {
    const until = Date.now() + timeout;
    for (;;) {
      const value = await this.run(fn.toString(), args);
      if (value) return value;
      if (Date.now() > until) throw new Error(`Waiting failed: ${timeout}ms exceeded`);
      await sleep(kPollMs);
    }
  }

  async waitForSelector(selector, { timeout = 30000 } = {}) {
    try {
      await this.waitForFunction((s) => document.querySelector(s) !== null, { timeout }, selector);
    } catch {
      throw new Error(`Waiting for selector \`${selector}\` failed`);
    }
    return this.$(selector);
  }

  $eval(selector, fn, ...args) {
    return this.run(`(s, ...a) => (${fn})(document.querySelector(s), ...a)`, [selector, ...args]);
  }

  $$eval(selector, fn, ...args) {
    return this.run(`(s, ...a) => (${fn})([...document.querySelectorAll(s)], ...a)`, [selector, ...args]);
  }

  // A handle that finds its element again by the selector it was found with.
  async $(selector) {
    if (!(await this.evaluate((s) => document.querySelector(s) !== null, selector))) return null;
    const page = this;
    return {
      boundingBox: () => page.$eval(selector, (e) => {
        const r = e.getBoundingClientRect();
        return { x: r.x, y: r.y, width: r.width, height: r.height };
      }),
      click: () => page.click(selector),
    };
  }

  async click(selector) {
    const handle = await this.$(selector);
    if (!handle) throw new Error(`No element found for selector: ${selector}`);
    const box = await handle.boundingBox();
    await this.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
  }

  async screenshot() {
    return Buffer.from(await this.session.call('GET', '/screenshot'), 'base64');
  }
}

// Starts WebKitWebDriver and a MiniBrowser session with a window of about `width` x `height`;
// { newPage, close } as launchBrowser gives. A session has one page.
export async function launchWebKit({ width = 800, height = 600 } = {}) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`],
    { detached: true, stdio: ['ignore', 'ignore', 'inherit'] });
  const stopDriver = () => { try { process.kill(-driver.pid); } catch { /* already gone */ } };
  const session = new WebDriverSession(`http://127.0.0.1:${port}`);
  try {
    for (let tries = 0; ; ++tries) {
      try {
        await session.call('GET', '/status');
        break;
      } catch (error) {
        if (tries > 100) throw error;
        await sleep(kPollMs);
      }
    }
    const made = await session.call('POST', '/session', {
      capabilities: {
        alwaysMatch: {
          browserName: 'MiniBrowser',
          'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] },
        },
      },
    });
    session.id = made.sessionId;
    await session.call('POST', '/timeouts', { script: 600000 });
    // The window's size is the viewport's plus the browser's own frame: set it so the page gets
    // width x height, as the other engines' viewport does.
    await session.call('POST', '/window/rect', { x: 0, y: 0, width, height });
    const inner = await session.call('POST', '/execute/sync',
      { script: 'return [innerWidth, innerHeight];', args: [] });
    if (inner[0] !== width || inner[1] !== height) {
      await session.call('POST', '/window/rect',
        { x: 0, y: 0, width: 2 * width - inner[0], height: 2 * height - inner[1] });
    }
  } catch (error) {
    stopDriver();
    throw error;
  }
  return {
    newPage: async () => new WebKitPage(session),
    close: async () => {
      await session.call('DELETE', '').catch(() => {});
      stopDriver();
    },
  };
}
