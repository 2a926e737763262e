#!/usr/bin/python3
"""Two phones on one household server, in two headless Chromium sessions.

Usage: phone_household_test.py GROCELLE SAMPLE_CATALOG_SQL

grocelle --serve runs on loopback with two devices, Anna's phone and Ben's
phone. Ben's goes offline; both press + on Apples: online again, the
quantity has risen by two. Both mark Tomatoes, Ben's offline: the mark lands
once, and Ben's page names the item and Anna's phone in a notice that goes
by itself and stays among the recent ones. Then Ben's phone is removed: its
page says so at once, keeps the list greyed out and takes no more taps.
"""

import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_page_test as common  # noqa: E402
from phone_page_test import browser, check, free_port, names_on_page, tap, wait_for  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402


def service_environment(home):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["GROCELLE_HOME"] = home
    return env


def add_device(program, home, name):
    made = subprocess.run([program, "--add-device", name], env=service_environment(home), capture_output=True,
                          text=True, timeout=30)
    return re.search(r"#k=([A-Za-z0-9_-]{43})", made.stdout).group(1)


class Serve:
    """grocelle --serve, until stopped."""

    def __init__(self, program, home, catalog, port):
        self.process = subprocess.Popen([program, "--serve", "--catalog", catalog, "--port", str(port)],
                                        env=service_environment(home), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        self.started = threading.Event()
        threading.Thread(target=self._read, daemon=True).start()
        self.started.wait(20)

    def _read(self):
        for line in self.process.stderr:
            if "serving " in line:
                self.started.set()

    def stop(self):
        self.process.terminate()
        try:
            return self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            return self.process.wait()


def network(driver, offline):
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": offline, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})


def status(driver):
    return driver.find_element(By.ID, "status").get_attribute("textContent")


def press(driver, name, act):
    for row in driver.find_elements(By.CSS_SELECTOR, ".item"):
        if row.find_element(By.CSS_SELECTOR, ".name").text == name:
            row.find_element(By.CSS_SELECTOR, "button[data-act=%s]" % act).click()
            return
    raise AssertionError("no row " + name)


def shown_qty(driver, name):
    for row in driver.find_elements(By.CSS_SELECTOR, ".item"):
        if row.find_element(By.CSS_SELECTOR, ".name").text == name:
            return int(row.find_element(By.CSS_SELECTOR, ".qty").text.split()[0])
    return None


def queued(driver):
    return driver.execute_script("return (JSON.parse(localStorage.getItem('grocelle.queue')) || []).length")


def presses_add_up(anna, ben, stored):
    before = stored("SELECT QtyToBuy FROM ShoppingLists WHERE ItemName = 'Apples'")[0][0]
    network(ben, True)
    press(ben, "Apples", "plus")
    press(anna, "Apples", "plus")
    check(wait_for(lambda: stored("SELECT QtyToBuy FROM ShoppingLists WHERE ItemName = 'Apples'")[0][0]
                   == before + 1, 8.0), "Anna's + lands")
    network(ben, False)
    check(wait_for(lambda: stored("SELECT QtyToBuy FROM ShoppingLists WHERE ItemName = 'Apples'")[0][0]
                   == before + 2, 10.0), "Ben's + sent later lands too: two presses make two")
    for name, driver in (("Anna", anna), ("Ben", ben)):
        check(wait_for(lambda: shown_qty(driver, "Apples") == before + 2, 5.0),
              "%s's page shows %d" % (name, before + 2))
    check(ben.find_element(By.ID, "recentList").get_attribute("textContent") == "", "a step makes no notice")


def a_mark_lands_once(anna, ben, stored):
    network(ben, True)
    tap(ben, "Tomatoes")
    tap(anna, "Tomatoes")
    check(wait_for(lambda: stored("SELECT Checked FROM ShoppingLists WHERE ItemName = 'Tomatoes'")[0][0] != 0, 8.0),
          "Anna's mark lands")
    network(ben, False)
    want = "Tomatoes was already marked by Anna's phone."
    check(wait_for(lambda: status(ben) == want, 10.0), "Ben's page names the item and the phone: %r" % status(ben))
    marks = stored("SELECT COUNT(*) FROM JournalActions WHERE Label = 'Mark: Tomatoes'")[0][0]
    check(marks == 1, "the mark landed once (%d)" % marks)
    check(wait_for(lambda: status(ben) == "", 10.0), "the notice goes by itself: %r" % status(ben))
    recent = ben.find_element(By.ID, "recentList").get_attribute("textContent")
    check(want in recent, "and stays among the recent notices: %r" % recent)
    check(status(anna) == "", "Anna's page has nothing to tell: %r" % status(anna))


def a_removed_phone_knows(program, home, ben, stored):
    shown = names_on_page(ben)
    removed = subprocess.run([program, "--remove-device", "Ben's phone"], env=service_environment(home),
                             capture_output=True, text=True, timeout=30)
    check(removed.returncode == 0, "Ben's phone is removed")
    started = time.time()
    check(wait_for(lambda: "link was removed" in status(ben), 5.0), "Ben's page says its link was removed: %r"
          % status(ben))
    took = time.time() - started
    check(took < 3.0, "at once (%.1f s)" % took)
    check("grocelle --add-device" in status(ben) and "Tools > Phone List" in status(ben),
          "and how to get a new one")
    check(ben.execute_script("return document.body.classList.contains('locked')"), "the list is marked read-only")
    check(names_on_page(ben) == shown, "and still shown")
    # Clicked by script: the greyed list takes no pointer at all.
    ben.execute_script("document.querySelectorAll('.item .tap, .item button[data-act=plus]')"
                       ".forEach(function (b) { b.click(); });")
    time.sleep(0.5)
    check(queued(ben) == 0 and not ben.find_elements(By.CSS_SELECTOR, ".item.waiting"),
          "a tap is not queued")
    before = stored("SELECT COUNT(*) FROM JournalActions")[0][0]
    time.sleep(1.5)
    check(stored("SELECT COUNT(*) FROM JournalActions")[0][0] == before, "and nothing reaches the catalog")


def main():
    program, sample = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as anna_profile, \
            tempfile.TemporaryDirectory() as ben_profile:
        catalog = os.path.join(home, "shoplistdata.cdb")
        db = sqlite3.connect(catalog, isolation_level=None, timeout=10)
        with open(sample, encoding="utf-8") as f:
            db.executescript(f.read())

        def stored(sql, *args):
            return db.execute(sql, args).fetchall()

        anna_key, ben_key = add_device(program, home, "Anna's phone"), add_device(program, home, "Ben's phone")
        port = free_port()
        server = Serve(program, home, catalog, port)
        check(server.started.is_set(), "the server is up")
        anna = browser(anna_profile)
        ben = browser(ben_profile)
        try:
            for driver, key in ((anna, anna_key), (ben, ben_key)):
                driver.get("http://127.0.0.1:%d/#k=%s" % (port, key))
                check(wait_for(lambda: "Apples" in names_on_page(driver), 10.0), "the list is shown")
            ben.execute_cdp_cmd("Network.enable", {})
            presses_add_up(anna, ben, stored)
            a_mark_lands_once(anna, ben, stored)
            a_removed_phone_knows(program, home, ben, stored)
        finally:
            anna.quit()
            ben.quit()
            check(server.stop() == 0, "the server stops cleanly")
            db.close()
    common.report()


if __name__ == "__main__":
    main()
