#!/usr/bin/python3
"""Resident memory of grocelle --serve under a long run of phone requests.

Usage: serve_memory.py GROCELLE [--items N] [--requests N]

Makes a catalog of N items (100,000 by default; about half on the list),
starts grocelle --serve on it on loopback, and sends the requests a phone
sends: mostly "nothing changed" polls, with a mark now and then. Prints the
resident memory after the 1,000th request and after the last, each with its
ratio to the budget: at most 80 MB in all, and less than 5 MB of growth from
the 1,000th request on. The 1,000th request is the baseline of the growth.
"""

import argparse
import http.client
import json
import os
import re
import signal
import sqlite3
import subprocess
import tempfile
import time

BUDGET_MB = 80.0
GROWTH_BUDGET_MB = 5.0


def resident_mb(pid):
    with open("/proc/%d/status" % pid, encoding="ascii") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def make_catalog(path, items):
    db = sqlite3.connect(path)
    db.execute("CREATE TABLE ShoppingLists (ID integer, ItemName varchar(30) COLLATE NOCASE, QtyToBuy smallint,"
               " UnitOfPurchase varchar(30) COLLATE NOCASE, ItemNameDetail varchar(50) COLLATE NOCASE,"
               " Dept varchar(30) COLLATE NOCASE, Store varchar(30) COLLATE NOCASE, GiftFor varchar(15) COLLATE"
               " NOCASE, checked bit, DeptOrder integer, Price float, Coupon int)")
    db.executemany("INSERT INTO ShoppingLists VALUES (?, ?, ?, 'each', '', ?, ?, '', 0, ?, 1.25, 0)",
                   ((n, "Item %06d" % n, n % 2, "Dept %d" % (n % 40), "Store %d" % (n % 5), n % 40)
                    for n in range(1, items + 1)))
    db.commit()
    db.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--items", type=int, default=100000)
    parser.add_argument("--requests", type=int, default=10000)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as home:
        catalog = os.path.join(home, "catalog.cdb")
        make_catalog(catalog, args.items)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env["GROCELLE_HOME"] = home
        with socket_port() as port:
            pass
        server = subprocess.Popen([args.program, "--serve", "--catalog", catalog, "--port", str(port)], env=env,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        key = None
        for line in server.stdout:
            found = re.search(r"#k=([A-Za-z0-9_-]{43})", line)
            if found:
                key = found.group(1)
                break
        time.sleep(0.5)
        connection = http.client.HTTPConnection("127.0.0.1", port, timeout=60)
        headers = {"X-Grocelle-Key": key, "Content-Type": "application/json"}
        version = ""
        at_thousand = None
        started = time.time()
        for n in range(1, args.requests + 1):
            if n % 50 == 0:
                item = 2 * (n // 50) % args.items + 1
                connection.request("POST", "/api/change", headers=headers,
                                   body=json.dumps({"id": item, "field": "Checked", "from": 0, "to": 1}))
            else:
                connection.request("GET", "/api/list?since=" + version, headers=headers)
            answer = json.loads(connection.getresponse().read() or b"{}")
            version = answer.get("version", version)
            if n == min(1000, args.requests):
                at_thousand = resident_mb(server.pid)
        final = resident_mb(server.pid)
        took = time.time() - started
        server.send_signal(signal.SIGTERM)
        server.wait(30)
    growth = final - at_thousand
    print("serve resident memory, %d items, %d requests (%.1f s):" % (args.items, args.requests, took))
    print("  after request 1,000: %6.1f MB" % at_thousand)
    print("  after request %5d: %6.1f MB   ratio to the %.0f MB budget: %.2f"
          % (args.requests, final, BUDGET_MB, final / BUDGET_MB))
    print("  growth from 1,000:  %6.1f MB   ratio to the %.0f MB budget: %.2f"
          % (growth, GROWTH_BUDGET_MB, growth / GROWTH_BUDGET_MB))


class socket_port:
    """A free loopback port."""

    def __enter__(self):
        import socket
        self.socket = socket.socket()
        self.socket.bind(("127.0.0.1", 0))
        return self.socket.getsockname()[1]

    def __exit__(self, *error):
        self.socket.close()


if __name__ == "__main__":
    main()
