// The modern site's stylesheet and script, written by every run.
#include <string>

#include "modern/page.h"

namespace modern {
namespace {

// Light and dark from the system setting; name colours hold 4.5:1 on
// both backgrounds (black lifted to grey in the dark, the others darkened
// in the light); wide tables scroll in their box with the name column
// kept in view, so no page is wider than a 360-pixel screen.
constexpr std::string_view CSS = R"css(:root{--bg:#fff;--alt:#f3f4f7;--fg:#1b1c20;--muted:#5b5d66;--line:#d9dbe2;--link:#1d5bb8;--bar:#3b78d6;color-scheme:light dark}
.c0{color:#000}.c1{color:#c00000}.c2{color:#1d7a1d}.c3{color:#7a6000}.c4{color:#1f3fd0}.c5{color:#00707a}.c6{color:#9a1a9a}
@media (prefers-color-scheme:dark){:root{--bg:#15161a;--alt:#1e2026;--fg:#e4e5ea;--muted:#a3a5ae;--line:#363842;--link:#8cb4ff;--bar:#5b93f0}
.c0{color:#a8a8b0}.c1{color:#ff7070}.c2{color:#4fd84f}.c3{color:#f0e040}.c4{color:#8fa8ff}.c5{color:#40d8e0}.c6{color:#f08af0}}
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%}
body{margin:0;background:var(--bg);color:var(--fg);font:16px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;overflow-wrap:anywhere}
a{color:var(--link)}
header{background:var(--alt);border-bottom:1px solid var(--line)}
nav{display:flex;flex-wrap:wrap;align-items:center;gap:.3rem 1rem;max-width:76rem;margin:0 auto;padding:.6rem 1rem}
nav .home{font-weight:700;text-decoration:none;color:var(--fg)}
#search{margin-left:auto;position:relative}
#search input{font:inherit;padding:.2rem .5rem;width:12rem;max-width:60vw;background:var(--bg);color:var(--fg);border:1px solid var(--line);border-radius:4px}
#search ul{position:absolute;right:0;z-index:2;margin:0;padding:0;list-style:none;background:var(--bg);border:1px solid var(--line);min-width:12rem;max-width:80vw}
#search ul:empty{display:none}
#search li a{display:block;padding:.25rem .5rem}
main{max-width:76rem;margin:0 auto;padding:0 1rem 2rem}
footer{max-width:76rem;margin:0 auto;padding:1rem;color:var(--muted);font-size:.875rem}
h1{font-size:1.6rem;margin:1rem 0 .25rem}
h2{font-size:1.2rem;margin:1.8rem 0 .5rem}
.sub{color:var(--muted);margin:0 0 1rem}
.tiles{display:grid;grid-template-columns:repeat(auto-fill,minmax(7rem,1fr));gap:.5rem;margin:1rem 0;padding:0}
.tiles div{background:var(--alt);border:1px solid var(--line);border-radius:6px;padding:.5rem .75rem}
.tiles dt{color:var(--muted);font-size:.875rem}
.tiles dd{margin:0;font-size:1.3rem;font-weight:600;font-variant-numeric:tabular-nums}
.scroll{overflow-x:auto;max-width:100%;margin:.5rem 0}
table{border-collapse:separate;border-spacing:0;font-variant-numeric:tabular-nums}
th,td{padding:.3rem .55rem;border-bottom:1px solid var(--line);text-align:right;white-space:nowrap}
thead th{background:var(--alt);font-weight:600;vertical-align:bottom}
.n{text-align:left;position:sticky;left:0;background:var(--bg);max-width:14rem;overflow:hidden;text-overflow:ellipsis}
thead .n{background:var(--alt)}
td.t{text-align:left}
.matrix td.self{color:var(--muted)}
.matrix td.self{background:var(--alt)}
.sortable th{cursor:pointer}
.pager{display:flex;flex-wrap:wrap;gap:.5rem;margin:1rem 0}
.prevnext{display:flex;justify-content:space-between;gap:1rem;margin:1rem 0}
.bars{width:100%;max-width:44rem;height:auto}
.bars rect{fill:var(--bar)}
.bars text{fill:var(--fg);font-size:13px}
.chart{width:100%;max-width:44rem;height:auto}
.chart text{fill:var(--fg);font-size:12px}
.chart .grid{stroke:var(--line)}
ul.plain{padding-left:1.2rem}
.score .ln{fill:none;stroke:var(--s);stroke-width:2.5;stroke-linejoin:round;vector-effect:non-scaling-stroke}
.s0{--s:#1d5bb8}.s1{--s:#c0392b}.s2{--s:#1e7a3a}.s3{--s:#8e44ad}.s4{--s:#b35900}.s5{--s:#00798c}.s6{--s:#a61e6e}.s7{--s:#5b6b00}.s8{--s:#7a5230}.s9{--s:#3b3b98}.s10{--s:#c2185b}.s11{--s:#4a5560}
@media (prefers-color-scheme:dark){.s0{--s:#6ea8ff}.s1{--s:#ff7b6b}.s2{--s:#5fd38a}.s3{--s:#c99bff}.s4{--s:#ffab4d}.s5{--s:#4fd1e0}.s6{--s:#ff7ac8}.s7{--s:#c5d648}.s8{--s:#d4a373}.s9{--s:#a0a4ff}.s10{--s:#ff8fab}.s11{--s:#aab4bf}}
.score .s6,.score .s7,.score .s8,.score .s9,.score .s10,.score .s11{stroke-dasharray:7 4}
.legend{display:flex;flex-wrap:wrap;gap:.2rem 1.2rem;list-style:none;padding:0;margin:.3rem 0 1rem}
.legend .key{display:inline-block;width:1.4rem;margin-right:.4rem;vertical-align:middle;border-top:3px solid var(--s)}
.legend li:nth-child(n+7) .key{border-top-style:dashed}
@media (max-width:40rem){.score text{font-size:20px}}
td.rule{white-space:normal;min-width:18rem;text-align:left;color:var(--muted)}
.awards th:nth-child(2),.awards th:last-child,.won th:last-child{text-align:left}
td small{color:var(--muted)}
.chat{list-style:none;padding:0;margin:.5rem 0;max-width:52rem}
.chat li{display:grid;grid-template-columns:3.6rem minmax(0,1fr);gap:.5rem;padding:.2rem 0;border-bottom:1px solid var(--line)}
.chat .at,.chat small{color:var(--muted);font-variant-numeric:tabular-nums}
.chat .at{text-align:right}
)css";

// The search box (the index inserted on first use) and sortable tables.
// Text goes in through textContent only: names never become markup.
constexpr std::string_view JS = R"js((function () {
  "use strict";
  var box = document.getElementById("search");
  if (box) {
    var root = box.getAttribute("data-root") || "";
    var input = document.createElement("input");
    input.type = "search";
    input.placeholder = "Find a player";
    input.setAttribute("aria-label", "Find a player");
    var hits = document.createElement("ul");
    box.textContent = "";
    box.appendChild(input);
    box.appendChild(hits);
    var asked = false;
    var show = function () {
      var query = input.value.trim().toLowerCase();
      var index = window.morvSearchIndex || [];
      hits.textContent = "";
      if (!query) return;
      for (var i = 0, shown = 0; i < index.length && shown < 15; i++) {
        if (index[i][0].toLowerCase().indexOf(query) < 0) continue;
        var link = document.createElement("a");
        link.href = root + "players/" + index[i][1] + ".html";
        link.textContent = index[i][0];
        var item = document.createElement("li");
        item.appendChild(link);
        if (index[i][2] !== null) {
          item.appendChild(document.createTextNode(" " + index[i][2]));
        }
        hits.appendChild(item);
        shown++;
      }
    };
    var load = function () {
      if (asked) return;
      asked = true;
      var script = document.createElement("script");
      script.src = root + "search-index.js";
      script.onload = show;
      document.head.appendChild(script);
    };
    input.addEventListener("focus", load);
    input.addEventListener("input", function () { load(); show(); });
  }
  var key = function (cell) {
    var text = cell.textContent.trim();
    var number = parseFloat(text.replace(/[:,]/g, ""));
    return isNaN(number) ? text.toLowerCase() : number;
  };
  document.querySelectorAll("table.sortable").forEach(function (table) {
    table.querySelectorAll("thead th").forEach(function (head, column) {
      var down = false;
      head.addEventListener("click", function () {
        var body = table.tBodies[0];
        var rows = Array.prototype.slice.call(body.rows);
        down = !down;
        rows.sort(function (a, b) {
          var x = key(a.cells[column]), y = key(b.cells[column]);
          var order = x < y ? -1 : x > y ? 1 : 0;
          return down ? -order : order;
        });
        rows.forEach(function (row) { body.appendChild(row); });
      });
    });
  });
})();
)js";

void write_asset(int folder, const std::string& shown_folder,
                 const char* name, std::string_view text) {
  outputfile file;
  file.open_at(folder, name, shown_folder + name);
  file.write(text);
  file.close();
}

}  // namespace

void write_assets(int folder, const std::string& shown_folder) {
  write_asset(folder, shown_folder, STYLESHEET, CSS);
  write_asset(folder, shown_folder, SCRIPT, JS);
}

}  // namespace modern
