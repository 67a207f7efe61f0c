// The page in headless Chromium, served from 127.0.0.1: a session typed at
// the keyboard gives the native program's bytes in the console panel, the
// pictures have one letter group per letter, key H can be followed step by
// step, a replay link replays its lines, and the page asks nothing of any
// other site. Screenshots land in KORVEL_SCREENSHOTS (or the system's
// temporary folder).
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';

import puppeteer from 'puppeteer-core';

import { haveNative, native, webDir } from './support.mjs';
import { serve } from './server.mjs';

const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';
const screenshots = process.env.KORVEL_SCREENSHOTS ?? tmpdir();

let server;
let browser;
let profile;
const foreign = []; // requests to anywhere but the page's own server

before(async () => {
  server = await serve(webDir);
  profile = mkdtempSync(join(tmpdir(), 'korvel-chromium-'));
  browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: [
      '--headless',
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
});

after(async () => {
  await browser?.close();
  await server?.close();
  if (profile) {
    rmSync(profile, { recursive: true, force: true });
  }
});

async function openPage(fragment = '', viewport = { width: 1280, height: 800 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith(server.url) && !url.startsWith('data:') && !url.startsWith(`blob:${server.url}`)) {
      foreign.push(url);
    }
  });
  await page.goto(`${server.url}index.html${fragment}`);
  await page.waitForFunction(() => window.korvelTimings?.firstMenu != null, { timeout: 30000 });
  page.errors = errors;
  return page;
}

// Waits until the session has answered ANSWERS lines in all.
async function answered(page, answers, timeout = 30000) {
  await page.waitForFunction(
    (n) => document.body.dataset.answers === String(n) && document.body.dataset.ready === 'yes',
    { timeout },
    answers,
  );
}

// What the program printed in the panel, without the echoed typed lines.
function printed(page) {
  return page.evaluate(() =>
    [...document.getElementById('console').childNodes]
      .filter((node) => !(node instanceof HTMLElement && node.classList.contains('typed')))
      .map((node) => node.textContent)
      .join(''),
  );
}

// The letter groups of each picture shown, in order.
function letterGroups(page) {
  return page.evaluate(() =>
    [...document.querySelectorAll('#figures figure svg')].map((svg) => svg.querySelectorAll('g.letter').length),
  );
}

async function type(page, line) {
  await page.focus('#line');
  await page.keyboard.type(line);
  await page.keyboard.press('Enter');
}

// The native program's output for the typed lines, less what it prints
// after the end of its input (the line end of the menu read).
function nativeUpToTheLastPrompt(lines) {
  const text = native(lines.length > 0 ? `${lines.join('\n')}\n` : '').toString('latin1');
  return text.endsWith(' Q\n    > \n') ? text.slice(0, -1) : text;
}

describe('the page', { skip: !haveNative && 'no native korvel built to compare with' }, () => {
  test('a session typed at the keyboard, with its pictures', async () => {
    const page = await openPage();
    const lines = [];
    let pictures = 0;
    const step = async (...typedLines) => {
      for (const line of typedLines) {
        await type(page, line);
        lines.push(line);
      }
      await answered(page, lines.length);
    };
    const picturesShown = async () => {
      pictures += 1;
      await page.waitForFunction((n) => document.body.dataset.pictures === String(n), { timeout: 30000 }, pictures);
    };

    await step('C', 'ab', 'ba');
    await picturesShown();
    assert.equal(await printed(page), nativeUpToTheLastPrompt(lines));
    assert.deepEqual(await letterGroups(page), [2, 2, 2], 'B1 = ab, B2 = ba and the quotient aB');
    const saved = await page.$$eval('#figures figure a[download]', (links) => links.map((link) => link.download));
    assert.deepEqual(saved, ['ab', 'ab', 'ba', 'ba', 'aB', 'aB'].map((word, i) => `braid-${word}.${i % 2 ? 'tex' : 'svg'}`));
    const tikz = await page.$eval('#figures figure a[download$=".tex"]', (link) => fetch(link.href).then((r) => r.text()));
    assert.match(tikz, /\\begin\{tikzpicture\}/);
    assert.match(tikz, /Braid diagram of ab\b/);

    await step('N', 'abab');
    await picturesShown();
    assert.deepEqual(await letterGroups(page), [4, 4], 'abab and its form ...D..b, Delta = aba');

    await step('A', 'ba');
    await picturesShown();
    assert.deepEqual(await letterGroups(page), [2, 2]);

    await step('C', 'abc', 'A');
    await picturesShown();
    assert.deepEqual(await letterGroups(page), [3, 1, 4], 'the quotient CBAA');

    // Key H: the steps of aBAbaBAb (checked by hand against the native
    // output): letters and handle of each step, then the reduced word.
    await step('H', 'aBAbaBAb');
    await picturesShown();
    const expected = [
      [8, 1, 3],
      [8, 2, 5],
      [8, 1, 2],
      [6, 2, 5],
      [6, 1, 3],
      [6, 0, 0],
    ];
    const shown = async () =>
      page.evaluate(() => {
        const svg = document.querySelector('#step-figure svg');
        return {
          step: document.getElementById('steps').dataset.step,
          letters: svg.querySelectorAll('g.letter').length,
          handle: svg.querySelectorAll('.handle').length,
          caption: document.getElementById('step-caption').textContent,
          back: document.getElementById('back').disabled,
          next: document.getElementById('next').disabled,
        };
      });
    for (let i = 0; i < expected.length; i += 1) {
      if (i > 0) {
        await page.click('#next');
        await page.waitForFunction((n) => document.getElementById('steps').dataset.step === String(n), {}, i);
      }
      const [letters, first, last] = expected[i];
      const now = await shown();
      assert.equal(now.letters, letters, `step ${i}`);
      assert.equal(now.handle, first === 0 ? 0 : 1, `band of step ${i}`);
      assert.match(now.caption, first === 0 ? /reduced word/ : new RegExp(`letters ${first} to ${last}`));
      assert.equal(now.back, i === 0);
      assert.equal(now.next, i === expected.length - 1);
    }
    // Back with the keyboard: focus the Back button and press Enter.
    await page.focus('#back');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('steps').dataset.step === '4');
    // The slider goes straight to a step.
    await page.$eval('#step', (slider) => {
      slider.value = '2';
      slider.dispatchEvent(new Event('input'));
    });
    await page.waitForFunction(() => document.getElementById('steps').dataset.step === '2');
    assert.equal((await shown()).letters, 8);

    // Up in the input line brings back the last line typed.
    await page.focus('#line');
    await page.keyboard.press('ArrowUp');
    assert.equal(await page.$eval('#line', (input) => input.value), 'aBAbaBAb');
    await page.keyboard.press('ArrowUp');
    assert.equal(await page.$eval('#line', (input) => input.value), 'H');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.$eval('#line', (input) => input.value), '');

    // A key button sends its key; at the ordering prompt the buttons are
    // the three orderings, and the menu keys come back after the choice.
    await page.click('#keys button[data-key="h"]');
    lines.push('h');
    await answered(page, lines.length);
    const visibleKeys = () =>
      page.$$eval('#keys button', (buttons) =>
        buttons.filter((button) => !button.hidden && !button.disabled).map((button) => button.dataset.key),
      );
    await page.click('#keys button[data-key="O"]');
    lines.push('O');
    await answered(page, lines.length);
    assert.deepEqual(await visibleKeys(), ['R', 'F', 'U']);
    await page.click('#keys button[data-key="F"]');
    lines.push('F');
    await answered(page, lines.length);
    assert.deepEqual(await visibleKeys(), ['h', 'O', 'N', 'A', 'H', 'C', 'Q']);
    await type(page, 'C');
    assert.deepEqual(await visibleKeys(), [], 'no menu key at the braid prompts');
    await type(page, 'a');
    await type(page, 'b');
    lines.push('C', 'a', 'b');
    await answered(page, lines.length);
    assert.match(await printed(page), /a braid larger than 1 in the flipped R-ordering\.\n/);
    assert.equal(await printed(page), nativeUpToTheLastPrompt(lines));
    assert.ok(decodeURIComponent(new URL(page.url()).hash.slice(1)) === lines.join('\n'), 'the address replays the session');

    await page.screenshot({ path: join(screenshots, 'korvel-page-1280x800.png') });
    await page.setViewport({ width: 390, height: 844 });
    await page.screenshot({ path: join(screenshots, 'korvel-page-390x844.png'), fullPage: true });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} px wider than a phone screen`);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a person is told what was ignored of a braid word, and asked again for an ordering', async () => {
    const page = await openPage();
    await type(page, 'C');
    await type(page, '[1, 2]');
    await type(page, 'ab');
    await answered(page, 3);
    const note = 'Note: ignored "[", "1", ",", "2", "]"; a braid word is written with a..z (sigma_1..sigma_26) and A..Z (their inverses).\n';
    // The native piped bytes of the same lines, with the note after the line
    // typed at B1 (the typed lines themselves are left out of both).
    const piped = nativeUpToTheLastPrompt(['C', '[1, 2]', 'ab']);
    assert.ok(piped.includes('    > B1 =     > B2 = '));
    assert.equal(await printed(page), piped.replace('    > B1 = ', `    > B1 = ${note}`));
    const visibleKeys = () =>
      page.$$eval('#keys button', (buttons) =>
        buttons.filter((button) => !button.hidden && !button.disabled).map((button) => button.dataset.key),
      );
    await page.click('#keys button[data-key="O"]');
    await answered(page, 4);
    await type(page, 'x');
    await answered(page, 5);
    assert.match(await printed(page), /Please answer R \(original Ravelind ordering\), F .* or U .*\.\n> $/);
    assert.deepEqual(await visibleKeys(), ['R', 'F', 'U'], 'the ordering keys stay while it asks again');
    await page.click('#keys button[data-key="U"]');
    await answered(page, 6);
    assert.match(await printed(page), /From now on, the ordering is the DD-ordering\.\n/);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a replay link replays its lines', async () => {
    const page = await openPage('#C%0Aab%0Aba');
    await answered(page, 3);
    await page.waitForFunction(() => document.body.dataset.pictures === '1', { timeout: 30000 });
    assert.equal(await printed(page), nativeUpToTheLastPrompt(['C', 'ab', 'ba']));
    assert.deepEqual(await letterGroups(page), [2, 2, 2]);
    const typed = await page.$$eval('#console .typed', (spans) => spans.map((span) => span.textContent));
    assert.deepEqual(typed, ['C\n', 'ab\n', 'ba\n']);
    await page.close();
  });

  test('key B with bound 15, and Q ends the session', async () => {
    const page = await openPage();
    await type(page, 'B');
    await type(page, '15');
    await answered(page, 2, 120000);
    const timings = await page.evaluate(() => window.korvelTimings);
    const build = timings.answers[1];
    assert.equal(build.line, '15');
    // Figures for the report, not limits.
    console.log(`first menu after ${Math.round(timings.firstMenu)} ms; key B with bound 15 answered in ${Math.round(build.ms)} ms`);
    assert.equal(await printed(page), nativeUpToTheLastPrompt(['B', '15']));
    await type(page, 'Q');
    await page.waitForFunction(() => document.getElementById('status').textContent.includes('has ended'));
    assert.equal(await page.$eval('#line', (input) => input.disabled), true);
    // A new session, started in the middle of another long build, begins afresh.
    await page.click('#restart');
    await page.waitForFunction(() => document.body.dataset.ready === 'yes' && !document.getElementById('line').disabled);
    await type(page, 'B');
    await type(page, '15');
    await page.click('#restart');
    await page.waitForFunction(() => document.body.dataset.ready === 'yes' && document.body.dataset.answers === '0');
    await page.waitForFunction(() => document.getElementById('console').textContent.endsWith(' Q\n    > '));
    assert.equal(await printed(page), nativeUpToTheLastPrompt([]));
    assert.equal(new URL(page.url()).hash, '');
    await page.close();
  });

  test('nothing is asked of any other site', () => {
    assert.deepEqual(foreign, []);
  });
});
