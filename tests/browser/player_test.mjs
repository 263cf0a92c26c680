// Plays an exported puzzle page in Debian's Chromium as a person would: clicks a cell,
// types kana, checks, reveals, and prints to PDF.
// Usage: node player_test.mjs WRIGHT PUZZLE.pzs WORK_FOLDER
import { chromium } from "playwright-core";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import path from "node:path";

const [wright, puzzleFile, work] = process.argv.slice(2);
const page_file = path.join(work, "player.html");
execFileSync(wright, ["export", puzzleFile, "--format", "html", "--out", page_file]);

let passed = 0, failed = 0;
function check(name, condition) {
  if (condition) { passed++; console.log("ok   " + name); } else { failed++; console.log("FAIL " + name); }
}

// A stage's answers as the page knows them, read from the page's own data.
const html = readFileSync(page_file, "utf8");
const data = JSON.parse(html.match(/<script type="application\/json" id="puzzle-data">([\s\S]*?)<\/script>/)[1]);

const browser = await chromium.launch({
  executablePath: "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});
try {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto("file://" + path.resolve(page_file));
  const stage = data.stages[0];
  const section = page.locator('section.stage[data-stage="1"]');

  // Type every across answer from its first cell, in hiragana where the answer is katakana,
  // so the page's conversion is exercised too.
  const toHiragana = text => [...text].map(ch => {
    const code = ch.codePointAt(0);
    return code >= 0x30a1 && code <= 0x30f6 ? String.fromCodePoint(code - 0x60) : ch;
  }).join("");
  // Clicking a clue puts the cursor on its first empty cell.
  const typeAnswer = async (clue, convert) => {
    await section.locator("ol li", { hasText: `${clue.number}. ` }).first().click();
    const entries = [];
    for (const [x, y] of clue.cells) {
      entries.push(await section.locator(`.cell[data-x="${x}"][data-y="${y}"] .entry`).textContent());
    }
    const firstEmpty = Math.max(0, entries.findIndex(entry => entry === ""));
    const answer = clue.cells.map(([x, y]) => stage.cells[y][x]).join("");
    await page.keyboard.insertText(convert([...answer].slice(firstEmpty).join("")));
  };
  for (const clue of stage.across) await typeAnswer(clue, toHiragana);
  // Down answers fill the cells the across ones left.
  for (const clue of stage.down) await typeAnswer(clue, text => text);
  check("typing every answer completes the stage",
        (await section.getAttribute("data-state")) === "complete");
  check("the page says so", /Complete/.test(await section.locator(".status").textContent()));

  // A prize keyword: its cells framed and labelled, its answer row filled from them as the
  // grid is, and the keyword box checking what the solver types, in hiragana too.
  if (stage.keyword) {
    const { answer, cells, labels } = stage.keyword;
    check("every keyword cell has its double frame", (await section.locator(".grid .cell.keyword").count()) === cells.length);
    const [lx, ly] = cells[cells.length - 1];
    check("and its label", (await section.locator(`.cell[data-x="${lx}"][data-y="${ly}"] .mark`).textContent()) === labels[labels.length - 1]);
    const row = (await section.locator(".keyword-row .entry").allTextContents()).join("");
    check("the answer row reads the marked cells", row === answer);
    const box = section.locator(".keyword-box");
    const tryKeyword = async typed => {
      await box.locator(".keyword-input").fill(typed);
      await box.getByRole("button").click();
      return box.getAttribute("data-state");
    };
    check("a wrong keyword is not taken", (await tryKeyword([...answer].reverse().join("") + "ア")) === "wrong");
    check("the keyword typed in hiragana is", (await tryKeyword(toHiragana(answer))) === "right");
  }

  // A wrong letter, then "check grid", marks that cell.
  const [wx, wy] = stage.across[0].cells[0];
  const wrongCell = section.locator(`.cell[data-x="${wx}"][data-y="${wy}"]`);
  await wrongCell.click();
  const wrong = stage.cells[wy][wx] === "ン" ? "ア" : "ン";
  await page.keyboard.insertText(wrong);
  check("a wrong letter undoes completion",
        (await section.getAttribute("data-state")) === "playing");
  await section.getByRole("button", { name: data.lang === 1 ? "全体をチェック" : "Check grid" }).click();
  check("checking marks the wrong cell", /\bwrong\b/.test(await wrongCell.getAttribute("class")));

  // Revealing the letter puts the right one back and completes the stage again.
  await wrongCell.click();
  await section.getByRole("button", { name: data.lang === 1 ? "1文字ヒント" : "Reveal letter" }).click();
  check("reveal restores the letter", (await wrongCell.locator(".entry").textContent()) === stage.cells[wy][wx]);
  check("and the stage is complete again", (await section.getAttribute("data-state")) === "complete");

  // Progress survives a reload. The page's last write reaches the browser's storage a
  // moment after it is made, so a busy machine may need another reload to see it.
  let kept = false;
  for (let attempt = 0; attempt < 5 && !kept; ++attempt) {
    if (attempt > 0) await page.waitForTimeout(200);
    await page.reload();
    kept = (await page.locator('section.stage[data-stage="1"]').getAttribute("data-state")) === "complete";
  }
  check("progress is kept in the browser", kept);

  // Printing: one A4 page per stage, then the solutions.
  const pdf = await page.pdf({ format: "A4" });
  const pages = (pdf.toString("latin1").match(/\/Type\s*\/Page[^s]/g) || []).length;
  check(`printing gives a page per stage and per solution (${pages})`, pages === 2 * data.stages.length);
} finally {
  await browser.close();
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
