// A puzzle whose title and clues hold markup, comment openers, entities and quotes: its solving
// page in headless Chromium shows the grid and every clue as typed, and its ipuz export carries
// them as entities and reads back through the program's own import unchanged.
//
//   node hostile-page.mjs QUERNFOLD-CLI SCRATCH-FOLDER
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import puppeteer from "puppeteer-core";

const [cli, scratch] = process.argv.slice(2);
let failures = 0, passes = 0;
function check(ok, what) {
  if (ok) passes++;
  else { failures++; console.log("FAIL " + what); }
}
function run(args) {
  const r = spawnSync(cli, args, { encoding: "utf8", cwd: scratch });
  if (r.status !== 0) { console.log("FAIL " + args.join(" ") + ": " + r.stderr); process.exit(1); }
  return r.stdout;
}

fs.rmSync(scratch, { recursive: true, force: true });
fs.mkdirSync(scratch, { recursive: true });
const title = `<!--<script> & "Q" </script>`;
const clues = {
  SEA: "<!--<script>",
  EGG: "</script><b>bold</b>",
  GAS: `Tom &amp; "Jerry" & 'Spike'`,
  SAGE: "a > b < c",
  AGES: `<img src=x onerror="alert(1)">`,
};
fs.writeFileSync(path.join(scratch, "words.txt"), Object.entries(clues).map(([w, c]) => `${w}:${c}`).join("\n") + "\n");
run(["generate", "--words", "words.txt", "--shape", "0", "--collection", "H.QF3", "--title", title,
     "--attempts", "200", "--seed", "3"]);
run(["export", "H.QF3", "0", "--out", "h.html"]);
run(["export", "H.QF3", "0", "--out", "h.ipuz"]);

// The ipuz: HTML-significant characters as entities, so readers that show HTML show the text.
const ipuzText = fs.readFileSync(path.join(scratch, "h.ipuz"), "utf8");
const ipuz = JSON.parse(ipuzText);
const decode = (s) => s.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&");
check(!/[<>]/.test(ipuz.title) && decode(ipuz.title) === title, "ipuz title: " + ipuz.title);
const placed = [...ipuz.clues.Across, ...ipuz.clues.Down];
check(placed.length >= 3, "words placed: " + placed.length);
for (const c of placed) {
  check(!/[<>]/.test(c.clue), "ipuz clue has markup: " + c.clue);
  check(decode(c.clue) === clues[c.answer], `ipuz clue of ${c.answer}: ${c.clue}`);
}

// The program's own reader takes the ipuz back: the puzzle built from it has the same clues.
run(["generate", "--words", "h.ipuz", "--shape", "0", "--collection", "BACK.QF3", "--attempts", "200", "--seed", "3"]);
run(["export", "BACK.QF3", "0", "--out", "back.ipuz"]);
const back = JSON.parse(fs.readFileSync(path.join(scratch, "back.ipuz"), "utf8"));
const backClues = Object.fromEntries([...back.clues.Across, ...back.clues.Down].map((c) => [c.answer, decode(c.clue)]));
for (const c of placed) check(backClues[c.answer] === undefined || backClues[c.answer] === clues[c.answer], `read back ${c.answer}: ${backClues[c.answer]}`);
check(Object.keys(backClues).length >= 3, "read back: " + JSON.stringify(backClues));

const chromium = ["/usr/bin/chromium", "/usr/bin/chromium-browser"].find((p) => fs.existsSync(p));
const browser = await puppeteer.launch({ executablePath: chromium, headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--allow-file-access-from-files"] });
try {
  const page = await browser.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  const dialogs = [];
  page.on("dialog", async (d) => { dialogs.push(d.message()); await d.dismiss(); });
  await page.goto("file://" + path.join(scratch, "h.html"));
  const cells = await page.$$eval("#grid [role=row] > *", (els) => els.length);
  check(cells === ipuz.dimensions.width * ipuz.dimensions.height, `grid cells: ${cells}`);
  check((await page.$eval("h1", (e) => e.textContent)) === title, "heading: " + (await page.$eval("h1", (e) => e.textContent)));
  check((await page.title()) === title, "page title: " + (await page.title()));
  const shown = await page.$$eval("button.clue", (bs) => bs.map((b) => b.lastChild.textContent));
  check(shown.length === placed.length, `clues shown: ${shown.length} of ${placed.length}`);
  for (const c of placed) check(shown.some((s) => s.startsWith(clues[c.answer])), "clue shown as typed: " + clues[c.answer]);
  check((await page.$$("b, img")).length === 0, "a clue became markup");
  check(errors.length === 0, "page errors: " + errors.join("; "));
  check(dialogs.length === 0, "a script of a clue ran: " + dialogs.join("; "));
} finally {
  await browser.close();
}
console.log(`${passes} checks passed, ${failures} failed`);
process.exit(failures ? 1 : 0);
