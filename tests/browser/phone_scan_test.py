#!/usr/bin/python3
"""Scanning on the phone page, in headless Chromium with a fake camera.

Usage: phone_scan_test.py HOST_PROGRAM SAMPLE_CATALOG_SQL

The camera is Chromium's fake device playing a generated video of a printed
EAN-13 code that one item of the catalog has. A scan in a store tab marks
the item in the basket; one in the Need tab adds one; offline, the scan
waits in the page's queue and lands once when the page is online again. A
code no item has opens the chooser. Without the page's decoder (a build
without npm) the test says so and skips.
"""

import os
import secrets
import sqlite3
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_page_test as common  # noqa: E402
from phone_page_test import Host, browser, check, free_port, names_on_page, wait_for  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

L = ["0001101", "0011001", "0010011", "0111101", "0100011", "0110001", "0101111", "0111011", "0110111", "0001011"]
R = ["".join("1" if b == "0" else "0" for b in c) for c in L]
G = [c[::-1] for c in R]
PARITY = ["LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"]
SKIP = 77


def ean13_modules(code):
    left = "".join((L if p == "L" else G)[int(d)] for p, d in zip(PARITY[int(code[0])], code[1:7]))
    return "101" + left + "01010" + "".join(R[int(d)] for d in code[7:]) + "101"


def write_video(path, code, width=640, height=480, scale=4, frames=5):
    """A Y4M video of the code printed black on white, as a camera sees it."""
    bars = ean13_modules(code)
    x0 = (width - len(bars) * scale) // 2
    white, black = bytes([235]), bytes([16])
    line = bytearray(white * width)
    for i, bar in enumerate(bars):
        if bar == "1":
            line[x0 + i * scale:x0 + (i + 1) * scale] = black * scale
    plane = b"".join(bytes(line) if height // 4 <= y < 3 * height // 4 else white * width for y in range(height))
    chroma = bytes([128]) * (width * height // 2)
    with open(path, "wb") as f:
        f.write(b"YUV4MPEG2 W%d H%d F10:1 Ip A1:1 C420jpeg\n" % (width, height))
        for _ in range(frames):
            f.write(b"FRAME\n" + plane + chroma)


def scan(driver):
    driver.execute_script("document.getElementById('scan').click()")


def main():
    program, sample = sys.argv[1], sys.argv[2]
    code = "4006381333931"
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        catalog = os.path.join(home, "shoplistdata.cdb")
        db = sqlite3.connect(catalog, isolation_level=None, timeout=10)
        with open(sample, encoding="utf-8") as f:
            db.executescript(f.read())

        def stored(sql, *args):
            return db.execute(sql, args).fetchall()

        video = os.path.join(home, "camera.y4m")
        write_video(video, code)
        port, key = free_port(), secrets.token_urlsafe(32)
        host = Host(program, home, port, key)
        item, store, qty = stored("SELECT ItemName, Store, QtyToBuy FROM ShoppingLists WHERE QtyToBuy > 0 "
                                  "AND Checked = 0 AND Store <> '' ORDER BY ItemName LIMIT 1")[0]
        item_id = stored("SELECT ID FROM ShoppingLists WHERE ItemName = ?", item)[0][0]
        db.execute("INSERT INTO Barcodes (ID, Code, ItemID) VALUES (1, ?, ?)", (code, item_id))
        driver = browser(profile, "--use-fake-device-for-media-stream", "--use-fake-ui-for-media-stream",
                         "--use-file-for-fake-video-capture=" + video)
        try:
            driver.get("http://127.0.0.1:%d/#k=%s" % (port, key))
            check(wait_for(lambda: item in names_on_page(driver)), "the list is shown")
            decoder = driver.execute_async_script(
                "var done = arguments[arguments.length - 1];"
                "fetch('/decoder.js').then(function (r) { done(r.status); }, function () { done(0); });")
            if decoder != 200 and not driver.execute_script("return 'BarcodeDetector' in window"):
                print("SKIP: the page serves no decoder (built without npm) and the browser has none")
                sys.exit(SKIP)

            # A store tab: the scan marks the item in the basket.
            driver.execute_script("document.querySelector('#tabs button[data-store=\"' + arguments[0] + '\"]')"
                                  ".click()", store)
            check(wait_for(lambda: item in names_on_page(driver)), "the %s tab is shown" % store)
            scan(driver)
            check(wait_for(lambda: stored("SELECT Checked FROM ShoppingLists WHERE ID = ?", item_id)[0][0] != 0,
                           15.0), "a scan in the %s tab marks %s" % (store, item))
            check(wait_for(lambda: driver.find_element(By.ID, "scanner").get_attribute("hidden") is not None),
                  "and the camera closes")

            # The Need tab: one more of it.
            driver.execute_script("document.querySelector('#tabs button[data-store=\"*\"]').click()")
            scan(driver)
            check(wait_for(lambda: stored("SELECT QtyToBuy FROM ShoppingLists WHERE ID = ?", item_id)[0][0] == qty + 1,
                           15.0), "a scan in the Need tab adds one to %s" % item)

            # Offline: the scan waits, and lands once.
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
            scan(driver)
            check(wait_for(lambda: driver.execute_script(
                "return (JSON.parse(localStorage.getItem('grocelle.queue')) || [])"
                ".filter(function (c) { return c.kind === 'scan'; }).length") == 1, 15.0),
                "offline, the scan waits in the queue")
            time.sleep(1.0)
            check(stored("SELECT QtyToBuy FROM ShoppingLists WHERE ID = ?", item_id)[0][0] == qty + 1,
                  "and nothing reached the catalog")
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
            check(wait_for(lambda: stored("SELECT QtyToBuy FROM ShoppingLists WHERE ID = ?", item_id)[0][0] == qty + 2,
                           10.0), "online again, it lands")
            time.sleep(1.5)
            check(stored("SELECT QtyToBuy FROM ShoppingLists WHERE ID = ?", item_id)[0][0] == qty + 2, "once")

            # A code no item has: the chooser asks which item it is.
            db.execute("DELETE FROM Barcodes")
            scan(driver)
            check(wait_for(lambda: driver.find_element(By.ID, "chooser").get_attribute("hidden") is None, 15.0),
                  "an unknown code opens the chooser")
            check(code in driver.find_element(By.ID, "chooserText").text, "which names the code")
        finally:
            driver.quit()
            host.close()
            db.close()
    common.report()


if __name__ == "__main__":
    main()
