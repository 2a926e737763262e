#!/usr/bin/python3
"""The phone page without reception, in headless Chromium on localhost.

Usage: phone_offline_test.py HOST_PROGRAM SAMPLE_CATALOG_SQL [--screenshot OUT.png]

Opens the link and lets the page's service worker keep its shell; goes
offline with the DevTools network emulation and reloads: the last list is
shown from storage with when it was last synced. Marks two items, reloads
again offline: both are still shown as made and waiting. Goes online: both
land in the catalog, each once, noted with the phone's time of the tap and
no store (the Need tab). A mark made offline on a store tab lands with that
store and its own time too. Then a network that takes requests and never
answers: the page calls itself offline after its 4 s limit.
"""

import os
import secrets
import sqlite3
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_page_test as common  # noqa: E402
from phone_page_test import Host, browser, check, free_port, names_on_page, tap, wait_for  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402


def network(driver, offline, latency=0):
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": offline, "latency": latency, "downloadThroughput": -1, "uploadThroughput": -1})


def status(driver):
    return driver.find_element(By.ID, "status").text


def waiting_names(driver):
    return sorted(r.find_element(By.CSS_SELECTOR, ".name").text
                  for r in driver.find_elements(By.CSS_SELECTOR, ".item.waiting"))


def marked_names(driver):
    return sorted(r.find_element(By.CSS_SELECTOR, ".name").text
                  for r in driver.find_elements(By.CSS_SELECTOR, ".item.marked"))


# A name that is not this computer's as far as the page can tell, resolved by
# Chromium itself to loopback: the page is plain HTTP on "the network", and
# no request leaves this machine's loopback.
NETWORK_NAME = "grocelle.test"


def store_tab_mark(driver, stored):
    """A mark made offline on a store tab: it lands with that store and the
    phone's time of the tap, not the time it reached the computer."""
    store, name = stored("SELECT Store, ItemName FROM ShoppingLists WHERE QtyToBuy > 0 AND Checked = 0 "
                         "AND Store <> '' ORDER BY Store, ItemName LIMIT 1")[0]
    for button in driver.find_elements(By.CSS_SELECTOR, "#tabs button[data-store]"):
        if button.get_attribute("data-store") == store:
            button.click()
            break
    check(wait_for(lambda: name in names_on_page(driver) and status(driver) == ""), "the %s tab is shown" % store)
    network(driver, True)
    tapped_from = driver.execute_script("return Date.now()")
    tap(driver, name)
    tapped_until = driver.execute_script("return Date.now()")
    check(wait_for(lambda: waiting_names(driver) == [name]), "the store tab's mark waits")
    time.sleep(1.5)
    network(driver, False)
    check(wait_for(lambda: stored("SELECT Checked FROM ShoppingLists WHERE ItemName = ?", name)[0][0] != 0, 8.0),
          "online again, the store tab's mark lands")
    noted = stored("SELECT m.MarkedAt, m.Store FROM MarkLog m JOIN ShoppingLists s ON s.ID = m.ItemID "
                   "WHERE s.ItemName = ?", name)
    check(len(noted) == 1 and tapped_from <= noted[0][0] <= tapped_until and noted[0][1] == store,
          "%s is noted at %s at the phone's time of the tap: %s (tapped %d to %d)"
          % (name, store, noted, tapped_from, tapped_until))
    # Found and pressed in the page at once: a refresh of the list redraws the
    # tabs, and an element found before it would be stale.
    driver.execute_script("const b = document.querySelector('#tabs button[data-store=\"*\"]'); if (b) b.click();")


def main():
    program, sample = sys.argv[1], sys.argv[2]
    shot = sys.argv[sys.argv.index("--screenshot") + 1] if "--screenshot" in sys.argv else None
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        catalog = os.path.join(home, "shoplistdata.cdb")
        db = sqlite3.connect(catalog, isolation_level=None, timeout=10)
        with open(sample, encoding="utf-8") as f:
            db.executescript(f.read())

        def stored(sql, *args):
            return db.execute(sql, args).fetchall()

        port, key = free_port(), secrets.token_urlsafe(32)
        host = Host(program, home, port, key)
        driver = browser(profile, "--host-resolver-rules=MAP %s 127.0.0.1" % NETWORK_NAME)
        try:
            driver.get("http://127.0.0.1:%d/#k=%s" % (port, key))
            walking = [r[0] for r in stored(
                "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY DeptOrder, Dept, ItemName")]
            check(wait_for(lambda: names_on_page(driver) == walking), "the list is shown")
            check(driver.execute_script("return window.isSecureContext"), "localhost is a secure context")
            check(driver.find_element(By.ID, "note").text == "", "no word about a secure link on a secure one")
            check(wait_for(lambda: driver.execute_script(
                "return !!(navigator.serviceWorker && navigator.serviceWorker.controller)"), 10.0),
                "the service worker controls the page")
            kept = driver.execute_async_script(
                "var done = arguments[arguments.length - 1];"
                "caches.keys().then(function (n) { return caches.open(n[0]); })"
                ".then(function (c) { return c.keys(); })"
                ".then(function (r) { done(r.map(function (q) { return new URL(q.url).pathname; }).sort()); })"
                ".catch(function (e) { done(String(e)); });")
            # The barcode decoder is kept too where the program serves one.
            check([k for k in kept if k != "/decoder.js"] == ["/", "/icon-192.png", "/icon-512.png",
                                                             "/manifest.webmanifest"],
                  "the shell is kept: %s" % kept)
            manifest = driver.execute_async_script(
                "var done = arguments[arguments.length - 1];"
                "fetch(document.querySelector('link[rel=manifest]').href).then(function (r) { return r.json(); })"
                ".then(function (m) { done(m.name + '|' + m.icons.length); }, function (e) { done(String(e)); });")
            check(manifest == "Grocelle shopping list|2", "the manifest is read: %s" % manifest)

            # Offline, reloaded: the last list, and when it was synced.
            driver.execute_cdp_cmd("Network.enable", {})
            network(driver, True)
            driver.refresh()
            check(wait_for(lambda: names_on_page(driver) == walking), "offline, a reload still shows the list")
            check(wait_for(lambda: status(driver).startswith("Offline, last synced ")),
                  "it says it is offline and when it last synced (%s)" % status(driver))

            # Two marks made offline.
            unmarked = [r[0] for r in stored(
                "SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 AND Checked = 0 ORDER BY DeptOrder, Dept, ItemName")]
            first, second = unmarked[0], unmarked[2]
            tapped_from = driver.execute_script("return Date.now()")
            tap(driver, first)
            tap(driver, second)
            tapped_until = driver.execute_script("return Date.now()")
            check(wait_for(lambda: status(driver).endswith(", 2 changes waiting")),
                  "two changes wait (%s)" % status(driver))
            time.sleep(1.5)
            check(stored("SELECT COUNT(*) FROM ShoppingLists WHERE ItemName IN (?, ?) AND Checked = 0",
                         first, second)[0][0] == 2, "nothing reached the catalog while offline")

            # Reloaded again and again offline: both still shown as made and waiting.
            for _ in range(2):
                driver.refresh()
                check(wait_for(lambda: waiting_names(driver) == sorted([first, second])),
                      "after a reload both are shown as waiting (%s)" % waiting_names(driver))
            check(set([first, second]) <= set(marked_names(driver)), "and as marked")
            check(wait_for(lambda: status(driver).startswith("Offline, last synced ") and
                           status(driver).endswith(", 2 changes waiting")), "status: %s" % status(driver))
            if shot:
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                       {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
                time.sleep(0.5)
                driver.save_screenshot(shot)
                driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
                print("saved " + shot)

            # Online again: both land, each once.
            network(driver, False)
            check(wait_for(lambda: stored(
                "SELECT COUNT(*) FROM ShoppingLists WHERE ItemName IN (?, ?) AND Checked = 1",
                first, second)[0][0] == 2, 8.0), "online again, both marks land")
            check(wait_for(lambda: status(driver) == "" and waiting_names(driver) == [], 5.0),
                  "nothing is left waiting")
            time.sleep(2.0)
            for name in (first, second):
                marks = stored("SELECT COUNT(*) FROM JournalActions WHERE Label = ?", "Mark: " + name)[0][0]
                check(marks == 1, "%s was marked once (%d)" % (name, marks))
            check(host.tell("row " + first).split()[:2] in (["mark", "1"], ["mark", "-1"]),
                  "and the window shows the mark")
            for name in (first, second):
                noted = stored("SELECT m.MarkedAt, m.Store FROM MarkLog m JOIN ShoppingLists s ON s.ID = m.ItemID "
                               "WHERE s.ItemName = ?", name)
                check(len(noted) == 1 and tapped_from <= noted[0][0] <= tapped_until and noted[0][1] is None,
                      "%s is noted at the phone's time of the tap, at no store: %s (tapped %d to %d)"
                      % (name, noted, tapped_from, tapped_until))
            store_tab_mark(driver, stored)

            # Lie-fi: requests that are taken and never answered.
            network(driver, False, latency=6000)
            started = time.time()
            check(wait_for(lambda: status(driver).startswith("Offline"), 9.0),
                  "a network that never answers counts as offline after %.1f s" % (time.time() - started))
            network(driver, False)
            started = time.time()
            ok = wait_for(lambda: status(driver) == "", 15.0)
            check(ok, "and online again once it answers, after %.1f s" % (time.time() - started))

            # The same page over plain HTTP by a name on the network.
            driver.get("http://%s:%d/#k=%s" % (NETWORK_NAME, port, key))
            check(wait_for(lambda: "needs a secure link" in driver.find_element(By.ID, "note").text),
                  "over plain HTTP on %s the page says offline use needs a secure link" % NETWORK_NAME)
            check(not driver.execute_script("return window.isSecureContext"), "which it is not")
        finally:
            driver.quit()
            host.close()
            db.close()
    common.report()


if __name__ == "__main__":
    main()
