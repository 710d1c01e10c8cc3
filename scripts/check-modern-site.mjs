// Looks at a served modern site in headless Chromium as a phone does: no page of the sample
// scrolls sideways at 360 px, and the search page finds a cocktail by a typed ingredient.
// Usage: node check-modern-site.mjs PUPPETEER_CORE_DIR BASE_URL PROFILE_DIR INGREDIENT COCKTAIL
import { createRequire } from "node:module";

const [puppeteerDir, base, profile, ingredient, cocktail] = process.argv.slice(2);
const puppeteer = createRequire(puppeteerDir + "/")("puppeteer-core");
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync"],
});
const problems = [];
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  const pages = ["index.html", "search.html", "all.html", "bases.html", "initials.html", "author-none.html"];
  await page.goto(base + "all.html");
  const cocktailPages = await page.$$eval(".cocktails a", (links) => links.map((a) => a.getAttribute("href")));
  pages.push(...cocktailPages.slice(0, 5));
  for (const name of pages) {
    await page.goto(base + name, { waitUntil: "load" });
    const [scrollWidth, width] = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    if (scrollWidth > width) problems.push(`${name} scrolls sideways at 360 px: ${scrollWidth} > ${width}`);
  }
  await page.goto(base + "search.html", { waitUntil: "load" });
  await page.type("#search-ingredient", ingredient);
  await page.waitForFunction(
    (name) => [...document.querySelectorAll("#results a")].some((a) => a.textContent === name), { timeout: 10000 },
    cocktail).catch(() => problems.push(`typing ${ingredient} into the search page does not find ${cocktail}`));
} finally {
  await browser.close();
}
for (const problem of problems) console.error(problem);
process.exit(problems.length === 0 ? 0 : 1);
