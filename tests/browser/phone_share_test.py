#!/usr/bin/python3
"""The phone page's Share button in headless Chromium, which has no share
sheet: the list goes to the clipboard as a checklist in walking order.

Usage: phone_share_test.py HOST_PROGRAM SAMPLE_CATALOG_SQL
"""

import os
import secrets
import sqlite3
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phone_page_test import Host, browser, check, free_port, names_on_page, report, wait_for  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402


def expected_text(db):
    lines, dept = [], None
    for name, qty, unit, item_dept, checked in db.execute(
            "SELECT ItemName, QtyToBuy, UnitOfPurchase, Dept, Checked FROM ShoppingLists WHERE QtyToBuy > 0 "
            "ORDER BY DeptOrder, ItemName"):
        if item_dept != dept:
            if item_dept:
                lines.append(("\n" if lines else "") + "## " + item_dept)
            dept = item_dept
        words = [w for w in (str(qty), (unit or "").strip(), name) if w]
        lines.append(("- [x] " if checked else "- [ ] ") + " ".join(words))
    return "\n".join(lines) + "\n"


def main():
    program, sample = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as profile:
        db = sqlite3.connect(os.path.join(home, "shoplistdata.cdb"), isolation_level=None, timeout=10)
        with open(sample, encoding="utf-8") as f:
            db.executescript(f.read())
        db.execute("UPDATE ShoppingLists SET Checked = 1 WHERE ItemName = "
                   "(SELECT ItemName FROM ShoppingLists WHERE QtyToBuy > 0 ORDER BY ItemName LIMIT 1)")
        port, key = free_port(), secrets.token_urlsafe(32)
        host = Host(program, home, port, key)
        driver = browser(profile)
        try:
            origin = "http://127.0.0.1:%d" % port
            driver.execute_cdp_cmd("Browser.grantPermissions", {
                "origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            driver.get(origin + "/#k=" + key)
            check(wait_for(lambda: len(names_on_page(driver)) > 0), "the list is shown")
            check(driver.execute_script("return typeof navigator.share") == "undefined",
                  "this browser has no share sheet")
            driver.find_element(By.ID, "share").click()
            check(wait_for(lambda: driver.execute_script("return window.grocelleShared") == "clipboard"),
                  "Share fell back to the clipboard")
            check("copied" in driver.find_element(By.ID, "status").text, "the page says the list is copied")
            pasted = driver.execute_async_script(
                "var done = arguments[0]; navigator.clipboard.readText().then(done, function (e) { done('!' + e); });")
            want = expected_text(db)
            check(pasted == want, "the clipboard holds the checklist in walking order")
            if pasted != want:
                print("got:\n%s\nwanted:\n%s" % (pasted, want))
        finally:
            driver.quit()
            host.close()
    report()


if __name__ == "__main__":
    main()
