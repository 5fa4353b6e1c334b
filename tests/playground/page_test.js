// The playground page in headless chromium, opened by links (#file=NAME&net=DATA&OPTIONS&prim=K
// &kruskal=J): its element "trace" must hold exactly mst-trace --json's document for the same file
// and options, its element "message" mst-trace's words after "mst-trace: NAME: ", and its frame
// the steps the link asks for.
// usage: node page_test.js PAGE MST_TRACE CHROMIUM SCRATCH
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { spawnSync } = require('child_process');

const [page, trace, chromium, scratch] = process.argv.slice(2).map((a) => path.resolve(a));
fs.mkdirSync(scratch, { recursive: true });
const cases = [
  { name: 'matrix1.txt', text: fs.readFileSync(path.join(__dirname, '../../networks/matrix1.txt')), steps: 'prim=3&kruskal=2' },
  // An arrow key pressed on the playground itself steps the routines of its step page.
  { name: 'matrix1.txt', text: fs.readFileSync(path.join(__dirname, '../../networks/matrix1.txt')), steps: 'prim=4&kruskal=3',
    link: 'prim=3&kruskal=2', keys: ['ArrowRight'] },
  { name: 'towns.csv', text: 'from,to,km\nSaint-Étienne,Lyon,62\nLyon,"Paris, France",465\nSaint-Étienne,"Paris, France",520\n' },
  { name: 'decimals.txt', text: 'a b 2.5\nb c 1.25\n' },
  { name: 'decimals.txt', text: 'a b 2.5\nb c 1.25\n', options: ['scale', '100'] },
  { name: 'latin.txt', text: Buffer.from('Z\xfcrich Bern 5\nBern Basel 3\n', 'latin1'), options: ['encoding', 'cp1252'] },
];
const unescape = (s) => s.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"').replace(/&amp;/g, '&');
const element = (dom, id) => {
  const m = new RegExp(`<[a-z]+ id="${id}"[^>]*>([^]*?)</`).exec(dom);
  return m ? unescape(m[1]) : null;
};
let failures = 0;
cases.forEach((c, k) => {
  const bytes = Buffer.from(c.text);
  const net = zlib.deflateRawSync(bytes, { level: 9 }).toString('base64url');
  const options = c.options ? `&${c.options[0]}=${encodeURIComponent(c.options[1])}` : '';
  const asked = c.link || c.steps;
  let link = `file://${page}#file=${encodeURIComponent(c.name)}&net=${net}${options}${asked ? '&' + asked : ''}`;
  if (c.keys) {
    // A copy of the page that presses the keys on itself once its steps are shown.
    const pressing = path.join(scratch, 'pressing.html');
    const press = `<script>setTimeout(function () { ${JSON.stringify(c.keys)}.forEach(function (key) {
      document.body.dispatchEvent(new KeyboardEvent('keydown', { key: key, bubbles: true })); }); }, 2000);</script>`;
    const source = fs.readFileSync(page, 'utf8');
    fs.writeFileSync(pressing, source.slice(0, source.lastIndexOf('</body>')) + press + source.slice(source.lastIndexOf('</body>')));
    link = link.replace(`file://${page}`, `file://${pressing}`);
  }
  const dump = spawnSync('timeout', ['120', chromium, '--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
    `--user-data-dir=${path.join(scratch, 'profile')}`, '--virtual-time-budget=10000', '--dump-dom', link],
    { maxBuffer: 1 << 28 }).stdout.toString('utf8');
  const dir = path.join(scratch, String(k));
  fs.mkdirSync(dir, { recursive: true });
  fs.writeFileSync(path.join(dir, c.name), bytes);
  const args = c.options ? [`--${c.options[0]}`, c.options[1]] : [];
  const run = spawnSync(trace, [...args, '--json', '--', c.name], { cwd: dir });
  const said = run.stderr.toString('utf8').split('\n').filter(Boolean).map((l) => l.slice(`mst-trace: ${c.name}: `.length));
  const fail = (what) => { failures++; console.log(`FAIL ${c.name} ${args.join(' ')}: ${what}`); };
  if (element(dump, 'trace') !== (run.status === 0 ? run.stdout.toString('utf8') : '')) fail('the trace differs from mst-trace --json');
  if (element(dump, 'message') !== said.join('\n')) fail(`message "${element(dump, 'message')}", where mst-trace says "${said.join('\n')}"`);
  if (c.steps && !dump.includes(`data-shown="${c.steps.replace(/&/g, "&amp;")}"`)) fail(`the frame does not show ${c.steps}`);
});
console.log(`${cases.length} links, ${failures} failures`);
process.exit(failures > 0 ? 1 : 0);
