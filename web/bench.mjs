// Times the WebAssembly build in Node: creating the module, opening a session
// up to its first menu, and key B with bound 15 (best of a few runs).
//   node web/bench.mjs [build-web folder]
import { resolve } from 'node:path';
import { performance } from 'node:perf_hooks';

const dir = resolve(process.argv[2] ?? 'build-web');
const { createKorvel } = await import(`${dir}/korvel.mjs`);

const time = async (what) => {
  const start = performance.now();
  const value = await what();
  return [performance.now() - start, value];
};

const [load, korvel] = await time(() => createKorvel());
const [open] = await time(() => korvel.open());
let best = Infinity;
for (let i = 0; i < 3; i += 1) {
  const session = await korvel.open();
  await session.feed('B');
  const [build] = await time(() => session.feed('15'));
  best = Math.min(best, build);
  await session.close();
}
console.log(`compile the module: ${load.toFixed(0)} ms`);
console.log(`open a session up to the first menu: ${open.toFixed(0)} ms`);
console.log(`key B with bound 15: ${best.toFixed(0)} ms (best of 3)`);
let bestRun = Infinity;
for (let i = 0; i < 3; i += 1) {
  const [whole] = await time(() => korvel.run('B\n15\nQ\n'));
  bestRun = Math.min(bestRun, whole);
}
console.log(`run() of a whole session of key B with bound 15: ${bestRun.toFixed(0)} ms (best of 3)`);
