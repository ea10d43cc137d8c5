// Runs axe-core in headless Chromium (through puppeteer-core) on each page
// given, in light and in dark (prefers-color-scheme emulated) at a desktop
// width, and again on a 360-pixel-wide phone screen, where the page must
// not scroll sideways.
// Prints each violation found (rule, impact, count, first places) and
// fails on any serious or critical one, or on a page wider than the
// screen. On the index, the search box must find a player from file://
// (its index is a script inserted on first use), hits shown checked too.
// Usage: node axe.js PAGE.html...
// Environment: CHROMIUM (default /usr/bin/chromium).
"use strict";
const fs = require("fs");
const path = require("path");
const puppeteer = require("puppeteer-core");

const axeSource = fs.readFileSync(require.resolve("axe-core"), "utf8");
const FAILING = new Set(["serious", "critical"]);

// The violations of the loaded page in scheme ("light" or "dark").
async function violations(page, scheme) {
  await page.emulateMediaFeatures([
    { name: "prefers-color-scheme", value: scheme },
  ]);
  const results = await page.evaluate(() =>
    window.axe.run(document, { resultTypes: ["violations"] }));
  return results.violations.map((violation) => ({
    rule: violation.id,
    impact: violation.impact,
    count: violation.nodes.length,
    where: violation.nodes.slice(0, 3).map((node) => node.target.join(" ")),
    help: violation.help,
  }));
}

// Loads file on a 360-pixel-wide phone screen; returns how many pixels
// the page is wider than the screen.
async function loadOnPhone(page, file) {
  await page.setViewport({ width: 360, height: 740, isMobile: true,
                           hasTouch: true, deviceScaleFactor: 1 });
  await page.goto(`file://${file}`, { waitUntil: "load" });
  return page.evaluate(() => document.documentElement.scrollWidth -
                             document.documentElement.clientWidth);
}

// Types the start of the first indexed name into the search box; returns
// "" when a hit links to a player page, else what went wrong.
async function search(page) {
  const input = await page.$("#search input");
  if (!input) return "no search box";
  await input.focus();
  await page.waitForFunction(() => window.morvSearchIndex, { timeout: 5000 });
  const name = await page.evaluate(() => window.morvSearchIndex[0][0]);
  await input.type(name.slice(0, 2));
  const hit = await page.waitForSelector("#search li a", { timeout: 5000 })
    .catch(() => null);
  const href = hit && await hit.evaluate((link) => link.getAttribute("href"));
  return href && /^players\/[a-z0-9-]+\.html$/.test(href)
    ? "" : `no hit for "${name.slice(0, 2)}"`;
}

async function main() {
  const files = process.argv.slice(2).map((file) => path.resolve(file));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    // Root (as in CI) needs --no-sandbox; no other host is ever asked.
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run",
           "--disable-background-networking", "--disable-component-update",
           "--disable-sync"],
  });
  let failures = 0;
  let notes = 0;
  try {
    const page = await browser.newPage();
    page.on("pageerror", (error) => {
      console.log(`  script error: ${error.message}`);
      ++failures;
    });
    for (const file of files) {
      const shown = path.relative(process.cwd(), file);
      // Colours in both schemes on a desktop screen, then what a phone's
      // narrow screen adds (boxes that scroll, width) in the light one.
      await page.setViewport({ width: 1280, height: 900 });
      await page.goto(`file://${file}`, { waitUntil: "load" });
      await page.evaluate(axeSource);
      const runs = [["light", "light"], ["dark", "dark"], ["phone", "light"]];
      const counts = [];
      const details = [];
      for (const [label, scheme] of runs) {
        if (label === "phone") {
          const overflow = await loadOnPhone(page, file);
          if (overflow > 0) {
            details.push(`  phone: ${overflow} px wider than the screen`);
            ++failures;
          }
          await page.evaluate(axeSource);
        }
        const found = await violations(page, scheme);
        const failing = found.filter((v) => FAILING.has(v.impact));
        failures += failing.length;
        notes += found.length - failing.length;
        counts.push(`${label} ${found.length}`);
        for (const v of found) {
          details.push(`  ${label}: ${v.impact} ${v.rule} (${v.count}): ` +
                       `${v.help}; ${v.where.join(", ")}`);
        }
      }
      if (path.basename(file) === "index.html") {
        const wrong = await search(page);
        counts.push(`search ${wrong === "" ? "works" : wrong}`);
        if (wrong !== "") ++failures;
        // The hits shown, as a visitor sees them.
        for (const v of await violations(page, "light")) {
          if (FAILING.has(v.impact)) ++failures;
          details.push(`  search: ${v.impact} ${v.rule} (${v.count}): ` +
                       `${v.help}; ${v.where.join(", ")}`);
        }
      }
      console.log(`axe ${shown}: rules violated ${counts.join(", ")}`);
      for (const line of details) console.log(line);
    }
  } finally {
    await browser.close();
  }
  console.log(`axe: ${files.length} pages in light, dark and on a phone, ` +
              `${failures} serious or critical, ${notes} lesser`);
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(`axe.js: ${error.stack || error}`);
  process.exit(2);
});
