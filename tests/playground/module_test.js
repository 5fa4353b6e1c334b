// The playground's module (as the shipped page holds it) against the native companions: on every
// file of folders, its trace must be mst-trace --json's byte for byte, or its refusal mst-trace's
// words after "mst-trace: NAME: "; and its step page mst-trace --page's, byte for byte (the
// layout uses the basic operations alone, which every build rounds alike). Where a page differs,
// the first node drawn more than 0.5 points away is named.
// usage: node module_test.js PAGE MST_TRACE FOLDER...
'use strict';
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const [pagePath, tracePath, ...folders] = process.argv.slice(2).map((a) => path.resolve(a));
const page = fs.readFileSync(pagePath, 'utf8');
const scripts = page.split('<script>').slice(1).map((s) => s.slice(0, s.indexOf('</script>')));
const code = scripts.find((s) => s.includes('PlaygroundModule'));
if (!code) {
  console.error(`${pagePath}: no module in the page`);
  process.exit(1);
}
const factory = new Function('require', '__dirname', '__filename', `${code}\nreturn PlaygroundModule;`)(
  require, path.dirname(pagePath), pagePath);

// Each node's centre in a page's drawing, by node number, from its ellipse.
function nodes(page) {
  const centres = [];
  for (const m of page.matchAll(/<g id="n(\d+)" class="node">[^]*?<ellipse[^>]*? cx="([-\d.]+)" cy="([-\d.]+)"/g)) {
    centres[+m[1] - 1] = [+m[2], +m[3]];
  }
  return centres;
}

// mst-trace on the file alone, as the module sees it: no names file beside it.
const alone = fs.mkdtempSync(path.join(require('os').tmpdir(), 'playground-'));
function native(folder, args, name) {
  fs.copyFileSync(path.join(folder, name), path.join(alone, name));
  const run = spawnSync(tracePath, [...args, '--', name], { cwd: alone, maxBuffer: 1 << 28 });
  fs.rmSync(path.join(alone, name));
  return { status: run.status, out: run.stdout.toString('utf8'), err: run.stderr.toString('utf8') };
}

Promise.resolve(factory()).then((M) => {
  const call = (name, bytes, page) => {
    const at = M._malloc(bytes.length + 1);
    M.HEAPU8.set(bytes, at);
    const read = M.ccall('playground_run', 'number', ['string', 'number', 'number', 'string', 'number'],
                         [name, at, bytes.length, '', page ? 1 : 0]);
    M._free(at);
    return { read, message: M.UTF8ToString(M._playground_message()), trace: M.UTF8ToString(M._playground_trace()),
             page: M.UTF8ToString(M._playground_page()) };
  };
  let failures = 0, read = 0, refused = 0, pages = 0, files = 0;
  for (const folder of folders) for (const name of fs.readdirSync(folder).sort()) {
    if (!fs.statSync(path.join(folder, name)).isFile()) continue;
    files++;
    const bytes = fs.readFileSync(path.join(folder, name));
    const mine = call(name, bytes, true);
    const theirs = native(folder, ['--json'], name);
    const fail = (what) => { failures++; console.log(`FAIL ${name}: ${what}`); };
    if (theirs.status === 0) {
      if (!mine.read) { fail(`refused (${mine.message}), where mst-trace reads it`); continue; }
      if (mine.trace !== theirs.out) fail('the trace differs from mst-trace --json');
      const notes = theirs.err.split('\n').filter(Boolean).map((l) => l.slice(`mst-trace: ${name}: `.length)).join('\n');
      if (mine.message !== notes) fail(`notes "${mine.message}" where mst-trace says "${notes}"`);
      pages++;
      const theirPage = native(folder, ['--page'], name);
      if (mine.page !== theirPage.out) fail('the step page differs from mst-trace --page');
      const a = nodes(mine.page), b = nodes(theirPage.out);
      if (a.length !== b.length || a.length === 0) fail(`${a.length} nodes drawn, where mst-trace draws ${b.length}`);
      for (let k = 1; k < a.length; k++) {
        const dx = (a[k][0] - a[0][0]) - (b[k][0] - b[0][0]), dy = (a[k][1] - a[0][1]) - (b[k][1] - b[0][1]);
        if (Math.hypot(dx, dy) > 0.5) { fail(`node ${k + 1} is drawn ${Math.hypot(dx, dy).toFixed(2)} points away`); break; }
      }
      read++;
    } else {
      const said = theirs.err.split('\n')[0].slice(`mst-trace: ${name}: `.length);
      if (mine.read) fail(`read, where mst-trace refuses it: ${said}`);
      else if (mine.message !== said) fail(`refused with "${mine.message}" where mst-trace says "${said}"`);
      refused++;
    }
  }
  // The race, as mst-race reports it, on the first shipped network.
  const bytes = fs.readFileSync(path.join(folders[0], 'matrix1.txt'));
  const at = M._malloc(bytes.length + 1);
  M.HEAPU8.set(bytes, at);
  const race = M.UTF8ToString(M.ccall('playground_race', 'number', ['string', 'number', 'number', 'string', 'number'],
                                      ['matrix1.txt', at, bytes.length, '', 3]));
  M._free(at);
  if (!/^matrix1.txt: 10 nodes, 22 edges; microseconds per call, median of 3 repetitions/.test(race) ||
      !/^prim +[0-9.]+/m.test(race) || !/^kruskal +[0-9.]+/m.test(race) || !/Of the two textbook routines, /.test(race)) {
    failures++;
    console.log(`FAIL the race's report:\n${race}`);
  }
  console.log(`${files} files: ${read} read alike (${pages} pages compared), ${refused} refused alike, ` +
              `${failures} failures`);
  fs.rmSync(alone, { recursive: true });
  process.exit(failures > 0 || files === 0 ? 1 : 0);
});
