#!/usr/bin/python3
"""The phone page in the phone's language, in headless Chromium.

Usage: phone_language_test.py HOST_PROGRAM SAMPLE_CATALOG_SQL

A German phone on a computer whose locale is German sees German texts,
the computer's refusals in German and amounts written the German way in
euros; an English phone on an English computer sees the page exactly as it
always was. In every language, no text of the page is cut at 390 px.
"""

import os
import re
import secrets
import sqlite3
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phone_page_test import Host, browser, check, free_port, names_on_page, report, wait_for  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402


def german(amount):
    whole, cents = ("%.2f" % amount).split(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return ".".join(groups) + "," + cents + "\u00a0€"


def open_page(program, sample, home, profile, computer_lang, phone_lang):
    db = sqlite3.connect(os.path.join(home, "shoplistdata.cdb"), isolation_level=None, timeout=10)
    with open(sample, encoding="utf-8") as f:
        db.executescript(f.read())
    db.execute("UPDATE ShoppingLists SET Price = 1234.5, QtyToBuy = 1 WHERE ItemName = "
               "(SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY ItemName LIMIT 1)")
    total = db.execute("SELECT SUM(QtyToBuy * Price) FROM ShoppingLists WHERE QtyToBuy > 0").fetchone()[0]
    port, key = free_port(), secrets.token_urlsafe(32)
    saved = {name: os.environ.pop(name, None) for name in ("LC_ALL", "LC_MONETARY", "LC_NUMERIC", "LANG")}
    os.environ["LANG"] = computer_lang
    try:
        host = Host(program, home, port, key)
    finally:
        os.environ.pop("LANG")
        os.environ.update({name: value for name, value in saved.items() if value is not None})
    driver = browser(profile, "--lang=" + phone_lang, "--accept-lang=" + phone_lang)
    driver.get("http://127.0.0.1:%d/#k=%s" % (port, key))
    check(wait_for(lambda: len(names_on_page(driver)) > 0), "the list is shown (%s)" % phone_lang)
    return host, driver, total


# The text as the page wrote it: WebDriver's .text turns a non-breaking space
# into a plain one.
def text_of(driver, element_id):
    return driver.find_element(By.ID, element_id).get_attribute("textContent")


def amounts_of(driver):
    return [e.get_attribute("textContent") for e in driver.find_elements(By.CSS_SELECTOR, ".item .amount")
            if e.get_attribute("textContent")]


def refused_add(driver, name):
    box = driver.find_element(By.ID, "name")
    box.clear()
    box.send_keys(name)
    driver.find_element(By.ID, "add").click()


def german_refusals(driver, home):
    """What the computer refuses reaches a German phone in German."""
    # An item deleted on the computer while the phone still shows it, tapped
    # before the next poll takes it away (tried again in the rare case the
    # poll was quicker).
    db = sqlite3.connect(os.path.join(home, "shoplistdata.cdb"), isolation_level=None, timeout=10)
    gone = None
    for _ in range(3):
        item = driver.execute_script("var r = document.querySelector('.item'); return r && r.getAttribute('data-id');")
        db.execute("DELETE FROM ShoppingLists WHERE ID = ?", (int(item),))
        if driver.execute_script("var b = document.querySelector('.item[data-id=\"' + arguments[0] + '\"] .tap');"
                                 " if (b) { b.click(); } return !!b;", item):
            gone = item
            break
    db.close()
    check(gone is not None, "an item deleted on the computer is tapped on the phone")
    want = "Es gibt keinen Artikel %s." % gone
    check(wait_for(lambda: text_of(driver, "status") == want, 10.0),
          "an item gone is told in German: %r" % text_of(driver, "status"))
    refused_add(driver, "Drachenfrucht")
    want = "\u201eDrachenfrucht\u201c ist nicht im Katalog. Neue Artikel werden am Computer angelegt."
    check(wait_for(lambda: text_of(driver, "status") == want, 10.0),
          "a name not in the catalog is told in German: %r" % text_of(driver, "status"))


def german_phone(program, sample):
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        host, driver, total = open_page(program, sample, home, profile, "de_DE.UTF-8", "de")
        try:
            check(driver.execute_script("return navigator.language").startswith("de"), "the phone speaks German")
            want = german(total)
            got = wait_for(lambda: text_of(driver, "listTotal") == want and want) and text_of(driver, "listTotal")
            check(got == want, "the list total is written the German way: %r (wanted %r)" % (got, want))
            check(text_of(driver, "add") == "Hinzufügen", "the Add button is German")
            check(text_of(driver, "share") == "Teilen", "the Share button is German")
            check(text_of(driver, "totals").startswith("Liste "), "the totals are labelled in German")
            check(driver.find_element(By.ID, "name").get_attribute("placeholder") == "Artikel hinzufügen",
                  "the name box asks in German")
            check(driver.find_element(By.CSS_SELECTOR, "#tabs button").text == "Bedarf", "the need tab is German")
            amounts = amounts_of(driver)
            check(amounts and all(re.fullmatch(r"[0-9.]+,[0-9]{2}\u00a0€", a) for a in amounts),
                  "row amounts are written the German way: %r" % amounts[:3])
            check(german(1234.5) in amounts, "a row of 1234.50 shows 1.234,50 €")
            german_refusals(driver, home)
            # The network itself goes away: a poll in flight then fails too
            # instead of answering "online" after the event. One already
            # sent may only give up at the page's own time limit (4 s).
            # Emulation applies only while the DevTools network domain is on.
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
            driver.execute_script("window.dispatchEvent(new Event('offline'))")
            check(wait_for(lambda: text_of(driver, "status").startswith("Offline, zuletzt abgeglichen "), 12.0),
                  "the status line is German: %r" % text_of(driver, "status"))
        finally:
            driver.quit()
            host.close()


def markup_as_symbol(program, sample):
    """A Currency setting that looks like markup is shown as text."""
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        with open(os.path.join(home, "Grocelle.conf"), "w", encoding="utf-8") as conf:
            conf.write("[General]\nCurrency=<s>E</s>\n")
        host, driver, _ = open_page(program, sample, home, profile, "de_DE.UTF-8", "de")
        try:
            check(wait_for(lambda: text_of(driver, "listTotal").endswith("\u00a0<s>E</s>")),
                  "the total carries the symbol as typed: %r" % text_of(driver, "listTotal"))
            amounts = amounts_of(driver)
            check(amounts and all(a.endswith("\u00a0<s>E</s>") for a in amounts),
                  "row amounts carry the symbol as text: %r" % amounts[:2])
            check(not driver.find_elements(By.CSS_SELECTOR, "#list s"), "no markup reached the list")
        finally:
            driver.quit()
            host.close()


def english_phone(program, sample):
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        host, driver, total = open_page(program, sample, home, profile, "en_US.UTF-8", "en-US")
        try:
            want = "$%.2f" % total
            got = wait_for(lambda: text_of(driver, "listTotal") == want and want) and text_of(driver, "listTotal")
            check(got == want, "the list total is as it always was: %r (wanted %r)" % (got, want))
            check(text_of(driver, "add") == "Add" and text_of(driver, "share") == "Share", "the buttons are English")
            check(text_of(driver, "totals").startswith("List "), "the totals are labelled in English")
            amounts = amounts_of(driver)
            check("1234.50" in amounts and all(re.fullmatch(r"[0-9]+\.[0-9]{2}", a) for a in amounts),
                  "row amounts are plain figures: %r" % amounts[:3])
            refused_add(driver, "Dragon fruit")
            want = '"Dragon fruit" is not in the catalog. New items are made on the computer.'
            check(wait_for(lambda: text_of(driver, "status") == want, 10.0),
                  "a refusal is told in the computer's own words: %r" % text_of(driver, "status"))
        finally:
            driver.quit()
            host.close()


# Each visible button, label, heading and summary whose text is wider than
# its box, with both widths.
CUT_TEXTS = """
return Array.from(document.querySelectorAll('button, label, summary, h2, #totals span, #status'))
  .filter(function (e) { return e.offsetParent !== null && e.clientWidth > 0; })
  .filter(function (e) { return e.scrollWidth > e.clientWidth; })
  .map(function (e) { return (e.id || e.tagName) + ' "' + e.textContent + '" ' + e.scrollWidth + '>' + e.clientWidth; });
"""


def texts_fit(program, sample):
    """German, French and Spanish phones 390 px wide see every text whole, and
    a store name too long for its tab ends in an ellipsis with the whole name
    as the tab's tip."""
    for computer_lang, phone_lang in (("de_DE.UTF-8", "de"), ("fr_FR.UTF-8", "fr"), ("es_ES.UTF-8", "es")):
        with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
            host, driver, _ = open_page(program, sample, home, profile, computer_lang, phone_lang)
            try:
                check(driver.execute_script("return document.documentElement.clientWidth") <= 390,
                      "the page is 390 px wide (%s)" % phone_lang)
                cut = driver.execute_script(CUT_TEXTS)
                check(not cut, "no text is cut (%s): %r" % (phone_lang, cut))
                tab = driver.find_element(By.CSS_SELECTOR, '#tabs button[data-store="Green Grocer"]')
                check(tab.get_attribute("textContent") == "Green Groc\u2026" and
                      tab.get_attribute("title") == "Green Grocer",
                      "a long store name is cut with an ellipsis and given whole as the tip: %r" %
                      tab.get_attribute("textContent"))
            finally:
                driver.quit()
                host.close()


def main():
    program, sample = sys.argv[1], sys.argv[2]
    texts_fit(program, sample)
    german_phone(program, sample)
    markup_as_symbol(program, sample)
    english_phone(program, sample)
    report()


if __name__ == "__main__":
    main()
