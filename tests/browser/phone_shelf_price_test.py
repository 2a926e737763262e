#!/usr/bin/python3
"""A shelf price tapped on the phone without reception, in headless Chromium.

Usage: phone_shelf_price_test.py HOST_PROGRAM SAMPLE_CATALOG_SQL

On a store tab, a tap on a row's price opens a number box (the decimal
keypad); Escape lets it go without a word to the computer. Offline, a price
typed and kept with Enter waits with the other changes; back online it lands
once in the price book, at that store, with the phone's time of the tap, and
becomes the item's own price. The Cheapest view then shows each store's part
of the list.
"""

import os
import secrets
import sqlite3
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phone_page_test as common  # noqa: E402
from phone_offline_test import network, status, waiting_names  # noqa: E402
from phone_page_test import Host, browser, check, free_port, names_on_page, wait_for  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402


def open_price_box(driver, item_id):
    driver.find_element(By.CSS_SELECTOR, '.item[data-id="%d"] button.shelf' % item_id).click()
    return driver.find_element(By.CSS_SELECTOR, '.item[data-id="%d"] input.shelf' % item_id)


def shelf_price(driver, stored):
    item_id, name, store = stored("SELECT ID, ItemName, Store FROM ShoppingLists WHERE QtyToBuy > 0 "
                                  "AND Store <> '' ORDER BY Store, ItemName LIMIT 1")[0]
    driver.execute_script("const b = document.querySelector('#tabs button[data-store=\"' + arguments[0] + '\"]');"
                          "if (b) b.click();", store)
    check(wait_for(lambda: name in names_on_page(driver) and status(driver) == ""), "the %s tab is shown" % store)

    box = open_price_box(driver, item_id)
    check(box.get_attribute("inputmode") == "decimal", "a tap on the price opens a decimal box")
    box.send_keys("9" + Keys.ESCAPE)
    check(wait_for(lambda: not driver.find_elements(By.CSS_SELECTOR, "input.shelf")), "Escape closes it")

    network(driver, True)
    tapped_from = driver.execute_script("return Date.now()")
    box = open_price_box(driver, item_id)
    tapped_until = driver.execute_script("return Date.now()")
    time.sleep(1.2)  # typing takes a while: the tap's time is kept, not the Enter's
    box.send_keys(Keys.CONTROL, "a")
    box.send_keys("2.75" + Keys.ENTER)
    check(wait_for(lambda: waiting_names(driver) == [name]), "offline, the price waits to be sent")
    time.sleep(1.0)
    check(stored("SELECT COUNT(*) FROM PricePoints")[0][0] == 0, "nothing reached the catalog while offline")

    network(driver, False)
    check(wait_for(lambda: stored("SELECT COUNT(*) FROM PricePoints")[0][0] > 0, 8.0),
          "online again, the price lands")
    check(wait_for(lambda: status(driver) == "" and waiting_names(driver) == [], 5.0), "nothing is left waiting")
    time.sleep(1.5)
    points = stored("SELECT ItemID, Store, Price, SeenAt, Source FROM PricePoints")
    check(len(points) == 1 and points[0][:3] == (item_id, store, 2.75) and points[0][4] == "shelf",
          "one shelf point of %s at %s: %s" % (name, store, points))
    check(len(points) == 1 and tapped_from <= points[0][3] <= tapped_until,
          "kept with the time of the tap: %s (tapped %d to %d)" % (points, tapped_from, tapped_until))
    check(stored("SELECT Price FROM ShoppingLists WHERE ID = ?", item_id)[0][0] == 2.75,
          "and it is the item's own price now")

    # The Cheapest view: each store's part of the list, read from the computer.
    driver.find_element(By.CSS_SELECTOR, "#tabs button[data-view]").click()
    parts = len(stored("SELECT DISTINCT Store FROM ShoppingLists WHERE QtyToBuy > 0"))
    check(wait_for(lambda: len(driver.find_elements(By.CSS_SELECTOR, "#cheapestParts li")) == parts),
          "the Cheapest view shows each of the %d stores' parts" % parts)
    check(driver.find_element(By.ID, "cheapestText").text.startswith("No store is known to be cheaper"),
          "and that no store is known to be cheaper: %s" % driver.find_element(By.ID, "cheapestText").text)
    driver.find_element(By.ID, "cheapestClose").click()


def main():
    program, sample = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        catalog = os.path.join(home, "shoplistdata.cdb")
        db = sqlite3.connect(catalog, isolation_level=None, timeout=10)
        with open(sample, encoding="utf-8") as f:
            db.executescript(f.read())

        def stored(sql, *args):
            return db.execute(sql, args).fetchall()

        port, key = free_port(), secrets.token_urlsafe(32)
        host = Host(program, home, port, key)
        driver = browser(profile)
        try:
            driver.get("http://127.0.0.1:%d/#k=%s" % (port, key))
            check(wait_for(lambda: len(names_on_page(driver)) > 0), "the list is shown")
            driver.execute_cdp_cmd("Network.enable", {})
            shelf_price(driver, stored)
        finally:
            driver.quit()
            host.close()
            db.close()
    common.report()


if __name__ == "__main__":
    main()
