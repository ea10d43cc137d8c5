// Link check of a written modern site, without a browser: every href and
// src of every page is a relative link to a file of the site (never
// another host, never an absolute path, never out of the folder), every
// #anchor names an id of its page, every page is reachable from
// index.html by links alone (navigable with scripting off), and every
// player of the search index has a page.
// Usage: node links.js SITE_DIR
"use strict";
const fs = require("fs");
const path = require("path");

const site = path.resolve(process.argv[2] || ".");
const problems = [];
const problem = (text) => {
  if (problems.length < 50) problems.push(text);
  else if (problems.length === 50) problems.push("(further problems left out)");
};

function listFiles(folder, found = []) {
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const full = path.join(folder, entry.name);
    if (entry.isDirectory()) listFiles(full, found);
    else found.push(full);
  }
  return found;
}

// The pages quote every attribute with '"' and escape text, so an
// attribute can be read with a pattern; its entities are decoded.
const ENTITIES = { amp: "&", lt: "<", gt: ">", quot: '"', "#39": "'" };
const decode = (value) =>
  value.replace(/&(amp|lt|gt|quot|#39);/g, (_, name) => ENTITIES[name]);
const attributes = (html, names) => {
  const pattern = new RegExp(`\\s(?:${names})="([^"]*)"`, "g");
  return Array.from(html.matchAll(pattern), (match) => decode(match[1]));
};

const files = listFiles(site);
const pages = new Map();  // page path -> { ids, links }
for (const file of files.filter((name) => name.endsWith(".html"))) {
  const html = fs.readFileSync(file, "utf8");
  pages.set(file, {
    ids: new Set(attributes(html, "id")),
    links: attributes(html, "href|src|xlink:href"),
  });
}
const written = new Set(files);

// Resolves link of page to { file, anchor } or reports why it cannot.
function resolve(page, link) {
  const where = `${path.relative(site, page)}: "${link}"`;
  if (/^[a-z][a-z0-9+.-]*:/i.test(link) || link.startsWith("/")) {
    problem(`${where} leaves the site`);
    return null;
  }
  const hash = link.indexOf("#");
  const target = hash < 0 ? link : link.slice(0, hash);
  const anchor = hash < 0 ? null : link.slice(hash + 1);
  let file = page;
  if (target !== "") {
    let decoded;
    try {
      decoded = decodeURIComponent(target.split("?")[0]);
    } catch (error) {
      problem(`${where} is no valid URL`);
      return null;
    }
    file = path.resolve(path.dirname(page), decoded);
    if (!file.startsWith(site + path.sep)) {
      problem(`${where} points out of the site`);
      return null;
    }
    if (!written.has(file)) {
      problem(`${where}: no file ${path.relative(site, file)}`);
      return null;
    }
  }
  if (anchor !== null && anchor !== "") {
    const targetPage = pages.get(file);
    if (!targetPage || !targetPage.ids.has(decodeURIComponent(anchor))) {
      problem(`${where}: no id "${anchor}" there`);
    }
  }
  return file;
}

let linkCount = 0;
for (const [page, { links }] of pages) {
  for (const link of links) {
    ++linkCount;
    resolve(page, link);
  }
}

// Every page reachable from index.html by following links.
const index = path.join(site, "index.html");
if (!pages.has(index)) problem("no index.html");
const reached = new Set([index]);
const queue = [index];
while (queue.length > 0) {
  const page = queue.pop();
  for (const link of pages.get(page).links) {
    const hash = link.indexOf("#");
    const target = hash < 0 ? link : link.slice(0, hash);
    if (target === "" || /^[a-z][a-z0-9+.-]*:/i.test(target)) continue;
    let file;
    try {
      file = path.resolve(path.dirname(page), decodeURIComponent(target));
    } catch (error) {
      continue;
    }
    if (pages.has(file) && !reached.has(file)) {
      reached.add(file);
      queue.push(file);
    }
  }
}
for (const page of pages.keys()) {
  if (!reached.has(page)) {
    problem(`${path.relative(site, page)}: not reachable from index.html`);
  }
}

// The search index: window.morvSearchIndex=[[name, slug, rating], ...];
const searchFile = path.join(site, "search-index.js");
let searched = 0;
if (written.has(searchFile)) {
  const text = fs.readFileSync(searchFile, "utf8");
  const json = text.replace(/^window\.morvSearchIndex=/, "").replace(/;\s*$/, "");
  let entries = [];
  try {
    entries = JSON.parse(json);
  } catch (error) {
    problem(`search-index.js: not the expected data (${error.message})`);
  }
  for (const [name, slug] of entries) {
    ++searched;
    if (!/^[a-z0-9-]+$/.test(slug) ||
        !written.has(path.join(site, "players", `${slug}.html`))) {
      problem(`search-index.js: ${JSON.stringify(name)} has no page "${slug}"`);
    }
  }
} else {
  problem("no search-index.js");
}

console.log(`links: ${pages.size} pages, ${linkCount} links, ` +
            `${searched} search entries, ${problems.length} problems`);
for (const text of problems) console.log(`  ${text}`);
process.exit(problems.length === 0 ? 0 : 1);
