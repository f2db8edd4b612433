// Drives the solving page of a sample puzzle in headless Chromium, as a pupil would, and runs
// an accessibility check on it.
//
//   node solve-page.mjs QUERNFOLD-CLI COLLECTION.QF3 SLOT SCRATCH-FOLDER [SCREENSHOT-FOLDER]
//
// The steps: type a whole word with the keyboard, Tab to the next word, check a wrong letter,
// reveal a word, reload and find the progress kept, complete the puzzle and see the message;
// then axe-core must find no serious or critical violation. With a screenshot folder it also
// takes pictures at desktop and phone width, mid-solve, and of the print layout.
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { createRequire } from "node:module";
import puppeteer from "puppeteer-core";

const require = createRequire(import.meta.url);
const [cli, collection, slot, scratch, shots] = process.argv.slice(2);
let failures = 0, passes = 0;
function check(ok, what) {
  if (ok) passes++;
  else { failures++; console.log("FAIL " + what); }
}

fs.mkdirSync(scratch, { recursive: true });
const page1 = path.join(scratch, "solve.html");
const made = spawnSync(cli, ["export", collection, slot, "--out", page1], { encoding: "utf8" });
if (made.status !== 0) { console.log("FAIL export: " + made.stderr); process.exit(1); }
const ipuzFile = path.join(scratch, "solve.ipuz");
spawnSync(cli, ["export", collection, slot, "--out", ipuzFile]);
const ipuz = JSON.parse(fs.readFileSync(ipuzFile, "utf8"));

const chromium = ["/usr/bin/chromium", "/usr/bin/chromium-browser"].find((p) => fs.existsSync(p));
const browser = await puppeteer.launch({
  executablePath: chromium,
  headless: true,
  args: ["--no-sandbox", "--disable-gpu", "--allow-file-access-from-files"],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1200, height: 900 });
  const requests = [];
  page.on("request", (r) => { if (!r.url().startsWith("file:")) requests.push(r.url()); });
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.goto("file://" + page1);

  // What the page shows, read from its cells.
  const cellText = (r, c) => page.$eval(`#grid [role=row]:nth-child(${r + 1}) > :nth-child(${c + 1}) .fill`, (e) => e.getAttribute("data-v") || "");
  const cellClass = (r, c) => page.$eval(`#grid [role=row]:nth-child(${r + 1}) > :nth-child(${c + 1})`, (e) => e.className);
  const cellLabel = (r, c) => page.$eval(`#grid [role=row]:nth-child(${r + 1}) > :nth-child(${c + 1})`, (e) => e.getAttribute("aria-label"));
  const focused = () => page.evaluate(() => {
    const el = document.activeElement, row = el.parentElement;
    return [Array.from(row.parentElement.children).indexOf(row), Array.from(row.children).indexOf(el)];
  });
  const status = () => page.$eval("#status", (e) => e.textContent);
  const press = async (key, times = 1) => { for (let i = 0; i < times; i++) await page.keyboard.press(key); };
  const click = (r, c) => page.click(`#grid [role=row]:nth-child(${r + 1}) > :nth-child(${c + 1})`);

  // The entries with their cells, from the ipuz export of the same puzzle.
  const start = {};
  ipuz.puzzle.forEach((row, r) => row.forEach((p, c) => {
    const n = p && typeof p === "object" ? p.cell : p;
    if (typeof n === "number" && n > 0) start[n] = [r, c];
  }));
  const isLetter = (r, c) => r >= 0 && c >= 0 && r < ipuz.dimensions.height && c < ipuz.dimensions.width &&
    ipuz.solution[r][c] !== null && ipuz.solution[r][c] !== "#";
  const entryCells = (n, across) => {
    const cells = [];
    let [r, c] = start[n];
    while (isLetter(r, c)) { cells.push([r, c]); across ? c++ : r++; }
    return cells;
  };
  const first = ipuz.clues.Across[0], second = ipuz.clues.Across[1], down = ipuz.clues.Down[0];
  const firstCells = entryCells(first.number, true);
  const answer = (cells) => cells.map(([r, c]) => ipuz.solution[r][c]);

  check(requests.length === 0, "the page fetches nothing: " + requests.join(" "));
  check(errors.length === 0, "no script errors: " + errors.join(" "));
  check((await page.content()).indexOf(answer(firstCells).join("")) < 0 || answer(firstCells).length < 4,
        "the first answer is not in the page's text");

  // Type the first across word; the cursor runs along it.
  await click(...firstCells[0]);
  const label = await cellLabel(...firstCells[0]);
  check(label.startsWith(`${first.number} across, ${firstCells.length} letters, ${first.clue}`), "cell label: " + label);
  for (const ch of answer(firstCells)) await page.keyboard.type(ch.toLowerCase());
  const typed = [];
  for (const [r, c] of firstCells) typed.push(await cellText(r, c));
  check(JSON.stringify(typed) === JSON.stringify(answer(firstCells)), "typed word: " + typed.join(""));
  check((await page.$eval(".clue.current", (e) => e.textContent)).includes(first.clue), "current clue highlighted");

  // Tab goes to the next across word, Shift+Tab back.
  await press("Tab");
  const secondCells = entryCells(second.number, true);
  check(JSON.stringify(await focused()) === JSON.stringify(secondCells[0]), "Tab to the next word");
  await page.keyboard.down("Shift"); await press("Tab"); await page.keyboard.up("Shift");
  check(JSON.stringify(await focused()) === JSON.stringify(firstCells[0]), "Shift+Tab back");

  // A wrong letter in the second word, then Check Letter marks it.
  await click(...secondCells[0]);
  const wrong = ipuz.solution[secondCells[0][0]][secondCells[0][1]] === "Q" ? "Z" : "Q";
  await page.keyboard.type(wrong);
  await click(...secondCells[0]);
  if ((await page.$eval(".clue.current", (e) => e.textContent)).includes(second.clue) === false) await press("Space");
  await page.click('button[data-act=check][data-scope=letter]');
  check((await cellClass(...secondCells[0])).includes("wrong"), "Check Letter marks the wrong letter");
  check((await cellLabel(...secondCells[0])).includes("wrong"), "the wrong letter is announced");
  await page.click('button[data-act=check][data-scope=puzzle]');
  check((await status()).includes("1 wrong letter"), "Check Puzzle counts: " + await status());

  // Reveal Word fills the second word.
  await click(...secondCells[1] || secondCells[0]);
  await page.click('button[data-act=reveal][data-scope=word]');
  const revealed = [];
  for (const [r, c] of secondCells) revealed.push(await cellText(r, c));
  check(JSON.stringify(revealed) === JSON.stringify(answer(secondCells)), "Reveal Word: " + revealed.join(""));
  check(!(await cellClass(...secondCells[0])).includes("wrong"), "revealed letter no longer wrong");

  // Space turns the direction: the down word through the cursor becomes current.
  await click(...start[down.number]);
  const before = await page.$eval(".clue.current", (e) => e.textContent);
  await press("Space");
  const after = await page.$eval(".clue.current", (e) => e.textContent);
  check(before !== after || !isLetter(start[down.number][0], start[down.number][1] + 1), "Space turns the direction");

  if (shots) {
    fs.mkdirSync(shots, { recursive: true });
    await page.screenshot({ path: path.join(shots, "solve-desktop.png"), fullPage: true });
  }

  // Reload: the progress is still there.
  await page.reload();
  const kept = [];
  for (const [r, c] of firstCells) kept.push(await cellText(r, c));
  check(JSON.stringify(kept) === JSON.stringify(answer(firstCells)), "progress kept after reload: " + kept.join(""));
  check((await cellText(...secondCells[0])) === answer(secondCells)[0], "revealed letters kept after reload");

  // Complete the puzzle by typing every remaining answer, and see the message.
  check(!(await status()).includes("complete"), "not complete yet");
  for (const clue of [...ipuz.clues.Across, ...ipuz.clues.Down]) {
    const across = ipuz.clues.Across.includes(clue);
    const cells = entryCells(clue.number, across);
    await click(...cells[0]);
    const current = await page.$eval(".clue.current", (e) => e.textContent);
    if (!current.startsWith(String(clue.number)) || !current.includes(clue.clue)) await press("Space");
    for (const [r, c] of cells) {
      const given = await page.$eval(`#grid [role=row]:nth-child(${r + 1}) > :nth-child(${c + 1})`, (e) => e.classList.contains("given"));
      if (!given) await page.keyboard.type(ipuz.solution[r][c]);
    }
  }
  check((await status()).includes("complete and right"), "completion message: " + await status());

  // Accessibility: no serious or critical violations.
  await page.addScriptTag({ path: require.resolve("axe-core/axe.min.js") });
  const axe = await page.evaluate(async () => await window.axe.run(document, { resultTypes: ["violations"] }));
  const serious = axe.violations.filter((v) => v.impact === "serious" || v.impact === "critical");
  check(serious.length === 0, "accessibility: " + serious.map((v) => `${v.id} (${v.nodes.length}): ${v.help} e.g. ${v.nodes[0].html.slice(0, 160)}`).join("; "));

  if (shots) {
    // Phone width, mid-solve: the grid scales and the on-screen keyboard shows.
    const phone = await browser.newPage();
    await phone.setViewport({ width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
    await phone.goto("file://" + page1);
    await phone.evaluate(() => localStorage.clear());
    await phone.reload();
    await phone.tap(`#grid [role=row]:nth-child(${firstCells[0][0] + 1}) > :nth-child(${firstCells[0][1] + 1})`);
    for (const ch of answer(firstCells).slice(0, 3)) await phone.tap(`#keyboard button[aria-label="${ch}"]`);
    const keyboardShown = await phone.$eval("#keyboard", (e) => getComputedStyle(e).display !== "none");
    check(keyboardShown, "the on-screen keyboard shows at phone width");
    const gridWidth = await phone.$eval("#grid", (e) => e.getBoundingClientRect().width);
    check(gridWidth <= 390, "the grid fits the phone's width: " + gridWidth);
    await phone.screenshot({ path: path.join(shots, "solve-phone.png"), fullPage: true });
    await phone.emulateMediaType("print");
    await phone.setViewport({ width: 794, height: 1123 });
    await phone.screenshot({ path: path.join(shots, "solve-print.png"), fullPage: true });
    const buttonsHidden = await phone.$eval(".tools", (e) => getComputedStyle(e).display === "none");
    check(buttonsHidden, "no buttons in print");
    await phone.pdf({ path: path.join(shots, "solve-print.pdf"), format: "A4" });
  }
} catch (e) {
  check(false, "exception: " + e.stack);
} finally {
  await browser.close();
}
console.log(`${passes} passed, ${failures} failed`);
process.exit(failures === 0 && passes > 0 ? 0 : 1);
