#!/usr/bin/env python3
"""Opens the HTML guide in headless Chromium, as a reader's browser draws it,
and fails unless every table row has its header's columns (no cell split by
a stray '|', no comment shown as text), every picture loads and every link
inside the page leads to an element with its id. With a second argument,
keeps a picture of the first page and of the messages table there.

usage: guide_in_browser.py GUIDE.html [SCREENSHOT_DIR]"""
import html, json, os, re, subprocess, sys, tempfile

CHECK = """<script>
window.addEventListener('load', () => {
  const faults = [];
  const tables = [...document.querySelectorAll('table')];
  tables.forEach((t, i) => {
    const width = t.rows[0].cells.length;
    for (const r of t.rows) {
      if (r.cells.length !== width) faults.push(`table ${i + 1}: "${r.innerText}" has ${r.cells.length} of ${width} columns`);
      if (/<!--|-->/.test(r.innerText)) faults.push(`table ${i + 1}: a comment shows in "${r.innerText}"`);
    }
  });
  const pictures = [...document.images];
  pictures.filter(p => !p.complete || p.naturalWidth === 0).forEach(p => faults.push(`picture ${p.getAttribute('src')} does not load`));
  const links = [...document.querySelectorAll('a[href^="#"]')];
  links.filter(a => !document.getElementById(decodeURIComponent(a.getAttribute('href').slice(1))))
       .forEach(a => faults.push(`link ${a.getAttribute('href')} leads nowhere`));
  const out = document.createElement('pre');
  out.id = 'checked';
  out.textContent = JSON.stringify({tables: tables.length, pictures: pictures.length, links: links.length, faults});
  document.body.append(out);
});
</script>"""

# The messages table alone: a headless screenshot of a scrolled page is blank.
TABLE_ONLY = """<script>
window.addEventListener('load', () => {
  const heading = document.getElementById('34-メッセージと対処');
  let table = heading;
  while (table.tagName !== 'TABLE') table = table.nextElementSibling;
  document.body.replaceChildren(heading, table);
});
</script>"""


def chromium(guide, script, *args):
    """Chromium's run on a copy of the guide, beside it, with a script added."""
    folder = os.path.dirname(os.path.abspath(guide))
    with tempfile.NamedTemporaryFile('w', suffix='.html', dir=folder, encoding='utf-8') as page:
        page.write(open(guide, encoding='utf-8').read().replace('</body>', script + '</body>'))
        page.flush()
        # As root Chromium runs only without its sandbox.
        return subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--hide-scrollbars',
                               '--virtual-time-budget=20000', *args, 'file://' + page.name],
                              capture_output=True, text=True, timeout=120).stdout


def main(guide, shots=None):
    dom = chromium(guide, CHECK, '--dump-dom')
    found = re.search(r'<pre id="checked">(.*?)</pre>', dom, re.S)
    if not found:
        sys.exit('the browser did not finish the page:\n' + dom[-2000:])
    result = json.loads(html.unescape(found.group(1)))
    print(f"{result['tables']} tables, {result['pictures']} pictures, {result['links']} links")
    if result['tables'] < 40 or result['pictures'] < 10 or result['links'] < 50:
        result['faults'].append('the page holds less than the guide')
    if shots:
        for picture, script in (('guide-first-page.png', ''), ('guide-table.png', TABLE_ONLY)):
            chromium(guide, script, f'--screenshot={os.path.join(os.path.abspath(shots), picture)}',
                     '--window-size=1000,1200')
    print('\n'.join(result['faults']))
    return 1 if result['faults'] else 0


if __name__ == '__main__':
    sys.exit(main(*sys.argv[1:]))
