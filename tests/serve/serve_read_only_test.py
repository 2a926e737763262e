#!/usr/bin/python3
"""grocelle --serve on a PostgreSQL catalog that may only be read: a
database set read-only, and a user who may only read. Each is served to
phones for reading; the list says it is read-only and a write is refused
with 403.

Usage: serve_read_only_test.py GROCELLE SAMPLE_CATALOG_SQL
Skipped without a test PostgreSQL server (scripts/test starts one).
"""

import json
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import serve_test as common  # noqa: E402
from serve_test import Server, check, free_port, request  # noqa: E402


def served_read_only(program, home, catalog_uri, key, what):
    port = free_port()
    server = Server(program, home, ["--catalog", catalog_uri, "--port", str(port)])
    try:
        check(server.started.is_set(), "%s: served (%s)" % (what, server.err[-2:]))
        check(any("read-only" in line for line in server.err), "%s: the log says read-only" % what)
        status, body = request(port, "GET", "/api/list", key=key)
        listed = json.loads(body or b"{}")
        check(status == 200 and any(i["name"] == "Milk" for i in listed.get("items", [])),
              "%s: the list is served (%d)" % (what, status))
        check(listed.get("readOnly") is True, "%s: and says it is read-only" % what)
        status, body = request(port, "POST", "/api/change", key=key,
                               body=json.dumps({"id": 1, "field": "QtyToBuy", "step": 1, "change": "read-only-1"}))
        check(status == 403 and json.loads(body).get("code") == "read-only",
              "%s: a write is refused with 403 (%d %s)" % (what, status, body))
        check(server.stop() == 0, "%s: stops cleanly" % what)
    finally:
        if server.process.poll() is None:
            server.process.kill()
            server.process.wait()


def main():
    program = sys.argv[1]
    uri = os.environ.get("GROCELLE_TEST_POSTGRES")
    pg_bin = os.environ.get("GROCELLE_PG_BIN")
    if not uri or not pg_bin:
        print("no test PostgreSQL server (scripts/test starts one); skipped")
        return 0
    socket_dir = re.search(r"host=([^&]+)", uri).group(1)
    database = "grocelle_read_only_%d" % os.getpid()
    reader = "grocelle_reader_%d" % os.getpid()
    psql = [os.path.join(pg_bin, "psql"), "-q", "-X", "-v", "ON_ERROR_STOP=1"]
    catalog_uri = "postgresql://postgres@/%s?host=%s" % (database, socket_dir)
    subprocess.run(psql + ["-d", uri, "-c", "CREATE DATABASE %s" % database], check=True)
    try:
        with tempfile.TemporaryDirectory() as home:
            # Made by the program while it may write, then a device for the phone.
            made = Server(program, home, ["--catalog", catalog_uri, "--port", str(free_port())])
            check(made.started.is_set(), "the catalog is made: %s" % made.err[-2:])
            key = made.key()
            made.stop()
            subprocess.run(psql + ["-d", catalog_uri, "-c",
                                   "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Milk', 1)"],
                           check=True)

            subprocess.run(psql + ["-d", uri, "-c", "ALTER DATABASE %s SET default_transaction_read_only = on"
                                   % database], check=True)
            served_read_only(program, home, catalog_uri, key, "a read-only database")
            subprocess.run(psql + ["-d", uri, "-c", "ALTER DATABASE %s RESET default_transaction_read_only"
                                   % database], check=True)

            subprocess.run(psql + ["-d", catalog_uri, "-c",
                                   "CREATE ROLE %s LOGIN; GRANT USAGE ON SCHEMA public TO %s; "
                                   "GRANT SELECT ON ALL TABLES IN SCHEMA public TO %s" % (reader, reader, reader)],
                           check=True)
            served_read_only(program, home, "postgresql://%s@/%s?host=%s" % (reader, database, socket_dir), key,
                             "a user who may only read")
    finally:
        subprocess.run(psql + ["-d", uri, "-c", "DROP DATABASE IF EXISTS %s" % database])
        subprocess.run(psql + ["-d", uri, "-c", "DROP ROLE IF EXISTS %s" % reader])
    if common.failures:
        print("%d check(s) failed" % len(common.failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
