#!/usr/bin/python3
"""grocelle --serve as a service runs it: the real program, from a shell
without any display, on loopback.

Usage: serve_test.py GROCELLE SAMPLE_CATALOG_SQL CASE

CASE is one of: start_stop, burst, read_only, refusals, devices, idle_flood,
tls, caddy, listen.
"""

import http.client
import json
import os
import pwd
import re
import resource
import shutil
import signal
import socket
import ssl
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what, flush=True)
    if not condition:
        failures.append(what)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def bare_environment(home):
    """The environment of a service: no display of any kind."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY")}
    env["GROCELLE_HOME"] = home
    return env


def seed_catalog(path, sql_file, extra_items=0):
    db = sqlite3.connect(path, isolation_level=None, timeout=10)
    with open(sql_file, encoding="utf-8") as f:
        db.executescript(f.read())
    db.execute("BEGIN")
    for n in range(extra_items):
        db.execute("INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy, UnitOfPurchase, ItemNameDetail, Dept, Store,"
                   " GiftFor, checked, DeptOrder, Price, Coupon) VALUES (?, ?, 1, '', '', 'Dept', 'Shop', '', 0, 0,"
                   " 1.0, 0)", (1000 + n, "Item %04d" % n))
    db.execute("COMMIT")
    db.close()


class Server:
    """One run of grocelle --serve, its output read as it comes."""

    every = []  # ended by main() whatever happens to the case

    def __init__(self, program, home, args, preexec=None, wait=True):
        self.process = subprocess.Popen([program, "--serve"] + args, env=bare_environment(home),
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                        preexec_fn=preexec)
        Server.every.append(self.process)
        self.out = []
        self.err = []
        self.started = threading.Event()
        self.printed = threading.Event()  # the link is out on stdout
        threading.Thread(target=self._read, args=(self.process.stdout, self.out), daemon=True).start()
        threading.Thread(target=self._read, args=(self.process.stderr, self.err), daemon=True).start()
        if wait:
            self.started.wait(20)
            if self.started.is_set():
                self.printed.wait(5)

    def _read(self, stream, lines):
        for line in stream:
            lines.append(line.rstrip("\n"))
            if "serving " in line:
                self.started.set()
            if "http://" in line or "https://" in line:
                self.printed.set()

    def key(self):
        for line in self.out:
            found = re.search(r"#k=([A-Za-z0-9_-]{43})", line)
            if found:
                return found.group(1)
        return None

    def stop(self, sig=signal.SIGTERM, timeout=15):
        self.process.send_signal(sig)
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            return None

    def finish(self, timeout=15):
        try:
            code = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            code = None
        time.sleep(0.1)  # the readers take the last lines
        return code


def request(port, method, path, key=None, body=None, headers=None, timeout=5):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=timeout)
    sent = dict(headers or {})
    if key is not None:
        sent["X-Grocelle-Key"] = key
    if body is not None:
        sent["Content-Type"] = "application/json"
    connection.request(method, path, body=body, headers=sent)
    answer = connection.getresponse()
    data = answer.read()
    connection.close()
    return answer.status, data


def case_start_stop(program, sql, work):
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port)])
    check(server.started.is_set(), "starts without any display and logs one start line: %s" % server.err)
    check(any("\u2588" in line or "\u2580" in line for line in server.out), "draws the QR code in the terminal")
    key = server.key()
    check(key is not None, "prints the link of the first phone with its key in the fragment")
    status, page = request(port, "GET", "/")
    check(status == 200 and b"<script>" in page, "serves the page")
    status, body = request(port, "GET", "/api/list", key=key)
    items = json.loads(body).get("items", []) if status == 200 else []
    check(status == 200 and any(item["name"] == "Apples" for item in items), "serves the list of the catalog")
    status, body = request(port, "POST", "/api/change", key=key,
                           body=json.dumps({"id": 1, "field": "Checked", "from": 0, "to": 1}))
    check(status == 200 and json.loads(body).get("applied") is True, "takes a mark")
    code = server.stop()
    server.finish()
    check(code == 0, "SIGTERM ends it with exit code 0 (got %s)" % code)
    check(any("stopped" in line for line in server.err), "logs the stop")
    check(all(line.startswith("grocelle: ") for line in server.err), "every log line is its own: %s" % server.err)
    db = sqlite3.connect(catalog)
    check(db.execute("SELECT checked FROM ShoppingLists WHERE ID = 1").fetchone()[0] == 1, "the mark is stored")
    db.close()

    server = Server(program, home, ["--catalog", catalog, "--port", str(port)])
    check(server.key() is None, "a second start prints no key: only its hash is kept")
    conf = open(os.path.join(home, "Grocelle.conf"), encoding="utf-8").read()
    check(key not in conf, "the settings do not hold the key")
    status, _ = request(port, "GET", "/api/list", key=key)
    check(status == 200, "the first phone's link still works after a restart")
    code = server.stop(signal.SIGINT)
    check(code == 0, "SIGINT ends it with exit code 0 (got %s)" % code)


def case_burst(program, sql, work):
    """SIGTERM while four clients mark items as fast as they can."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql, extra_items=4000)
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port)])
    key = server.key()
    acknowledged = set()
    lock = threading.Lock()
    stop_clients = threading.Event()
    counts = [0]

    def client(offset):
        connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
        for n in range(offset, 4000, 4):
            if stop_clients.is_set():
                return
            item = 1000 + n
            try:
                connection.request("POST", "/api/change", headers={"X-Grocelle-Key": key,
                                                                   "Content-Type": "application/json"},
                                   body=json.dumps({"id": item, "field": "Checked", "from": 0, "to": 1}))
                answer = connection.getresponse()
                data = answer.read()
            except (OSError, http.client.HTTPException):
                # Refused or cut off: this mark was not acknowledged. A new
                # connection finds the server gone or stopping.
                try:
                    connection.close()
                    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
                except OSError:
                    return
                continue
            if answer.status == 200 and json.loads(data).get("applied") is True:
                with lock:
                    acknowledged.add(item)
                    counts[0] += 1

    threads = [threading.Thread(target=client, args=(i,)) for i in range(4)]
    for thread in threads:
        thread.start()
    deadline = time.time() + 30
    while counts[0] < 50 and time.time() < deadline:
        time.sleep(0.01)
    code = server.stop()
    stop_clients.set()
    for thread in threads:
        thread.join(20)
    server.finish()
    check(code == 0, "exit code 0 after SIGTERM in a burst (got %s)" % code)
    db = sqlite3.connect(catalog)
    marked = {row[0] for row in db.execute("SELECT ID FROM ShoppingLists WHERE ID >= 1000 AND checked <> 0")}
    db.close()
    check(len(acknowledged) >= 50, "the burst was under way (%d acknowledged)" % len(acknowledged))
    check(acknowledged <= marked, "every acknowledged mark is in the catalog (%d missing)"
          % len(acknowledged - marked))
    check(marked <= acknowledged, "no mark is in the catalog that was not acknowledged (%d extra)"
          % len(marked - acknowledged))


def as_nobody():
    """For a root run: the server as an ordinary user, whom permissions bind."""
    if os.geteuid() != 0:
        return None
    user = pwd.getpwnam("nobody")

    def drop():
        os.setgroups([])
        os.setgid(user.pw_gid)
        os.setuid(user.pw_uid)
    return drop


def case_read_only(program, sql, work):
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    listing = subprocess.run([program, "--add-device", "Kitchen"], env=bare_environment(home),
                             capture_output=True, text=True, timeout=30)
    key = re.search(r"#k=([A-Za-z0-9_-]{43})", listing.stdout).group(1)
    os.chmod(catalog, 0o444)
    os.chmod(home, 0o555)
    os.chmod(os.path.join(home, "Grocelle.conf"), 0o444)
    before = open(catalog, "rb").read()
    port = free_port()
    drop = as_nobody()
    if drop:
        # The build folder may be closed to other users: the ordinary user
        # runs a copy, and reads a copy of the leak checker's settings.
        copy = os.path.join(work, "grocelle")
        shutil.copy(program, copy)
        program = copy
        options = os.environ.get("LSAN_OPTIONS", "")
        found = re.search(r"suppressions=([^:]+)", options)
        if found and os.path.exists(found.group(1)):
            shutil.copy(found.group(1), os.path.join(work, "lsan.supp"))
            os.environ["LSAN_OPTIONS"] = options.replace(found.group(1), os.path.join(work, "lsan.supp"))
        for path in (work, os.path.join(work, "grocelle"), os.path.join(work, "lsan.supp")):
            if os.path.exists(path):
                os.chmod(path, 0o755)
    try:
        server = Server(program, home, ["--catalog", catalog, "--port", str(port)], preexec=drop)
        check(server.started.is_set(), "starts on a read-only catalog: %s" % server.err)
        check(any("read-only" in line for line in server.err), "says the catalog is read-only")
        status, body = request(port, "GET", "/api/list", key=key)
        check(status == 200 and b"Apples" in body, "serves the list of a read-only catalog")
        check(json.loads(body).get("readOnly") is True, "and the list says it is read-only")
        status, body = request(port, "POST", "/api/change", key=key,
                               body=json.dumps({"id": 1, "field": "Checked", "from": 0, "to": 1}))
        check(status == 403 and b"read-only" in body, "refuses a write with 403 and a reason (%d %s)" % (status, body))
        code = server.stop()
        check(code == 0, "stops cleanly (got %s)" % code)
    finally:
        os.chmod(home, 0o755)
    check(open(catalog, "rb").read() == before, "the file is unchanged")


def case_refusals(program, sql, work):
    """What must end the program at once, with a reason and a non-zero code."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    env = bare_environment(home)

    def run(args):
        return subprocess.run([program] + args, env=env, capture_output=True, text=True, timeout=30)

    holder = socket.socket()
    holder.bind(("0.0.0.0", 0))
    holder.listen(1)
    busy = holder.getsockname()[1]
    done = run(["--serve", "--catalog", catalog, "--port", str(busy)])
    check(done.returncode != 0 and ("Port %d is in use" % busy) in done.stderr,
          "a port in use: %d %s" % (done.returncode, done.stderr.strip()))
    holder.close()

    done = run(["--serve", "--frobnicate"])
    check(done.returncode == 2 and "Unknown option" in done.stderr and "frobnicate" in done.stderr,
          "an unknown option: %d %s" % (done.returncode, done.stderr.strip()))
    done = run(["--serve", "--port", "seventy"])
    check(done.returncode == 2 and "--port" in done.stderr, "a port that is no number: %s" % done.stderr.strip())
    done = run(["--serve", "--port"])
    check(done.returncode == 2 and "Missing value after '--port'" in done.stderr, "an option without its value")

    notes = os.path.join(home, "notes.txt")
    with open(notes, "w", encoding="utf-8") as f:
        f.write("not a catalog\n")
    done = run(["--serve", "--catalog", notes, "--port", str(free_port())])
    check(done.returncode == 1 and "not a Grocelle catalog" in done.stderr,
          "a file that is not a catalog: %d %s" % (done.returncode, done.stderr.strip()))
    check(open(notes, encoding="utf-8").read() == "not a catalog\n", "and the file is left alone")
    done = run(["--serve", "--catalog", os.path.join(notes, "c.cdb"),
                "--port", str(free_port())])
    check(done.returncode == 1 and done.stderr.strip() != "", "a catalog that cannot be made: %s"
          % done.stderr.strip())
    done = run(["--serve", "--catalog", "postgresql://nobody@127.0.0.1:1/none", "--port", str(free_port())])
    check(done.returncode == 1 and done.stderr.strip() != "", "a catalog server that cannot be reached: %s"
          % done.stderr.strip())

    # A German user's service: the catalog's words in the log are English too.
    env.update({"LANG": "de_DE.UTF-8", "LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": ""})
    done = run(["--serve", "--catalog", "postgresql://nobody@127.0.0.1:1/none", "--port", str(free_port())])
    check(done.returncode == 1 and "The PostgreSQL server 127.0.0.1:1/none cannot be reached" in done.stderr,
          "a catalog server that cannot be reached, logged in English under German: %s" % done.stderr.strip())
    done = run(["--serve", "--catalog", notes, "--port", str(free_port())])
    check(done.returncode == 1 and "not a Grocelle catalog" in done.stderr,
          "a file that is not a catalog, logged in English under German: %s" % done.stderr.strip())


def case_devices(program, sql, work):
    """A link per phone: made, listed, used, revoked at once; keys only in a header."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    env = bare_environment(home)
    # A settings file of the single-secret version: its phone keeps working.
    legacy = "L" * 43
    with open(os.path.join(home, "Grocelle.conf"), "w", encoding="utf-8") as f:
        f.write("[General]\nPhoneSecret=%s\n" % legacy)

    def run(args):
        return subprocess.run([program] + args, env=env, capture_output=True, text=True, timeout=30)

    anna = run(["--serve", "--add-device", "Anna's phone"])
    check(anna.returncode == 0, "--add-device works headless: %s" % anna.stderr)
    anna_key = re.search(r"#k=([A-Za-z0-9_-]{43})", anna.stdout).group(1)
    ben = run(["--add-device", "Ben"])
    ben_key = re.search(r"#k=([A-Za-z0-9_-]{43})", ben.stdout).group(1)
    again = run(["--add-device", "ben"])
    check(again.returncode == 1 and "already" in again.stderr, "a name is taken once, letter case aside")
    listing = run(["--list-devices"])
    names = [line.split("\t")[0] for line in listing.stdout.splitlines()]
    check(names == ["Anna's phone", "Ben", "Phone"], "--list-devices lists every phone: %s" % names)
    conf = open(os.path.join(home, "Grocelle.conf"), encoding="utf-8").read()
    check(anna_key not in conf and ben_key not in conf and legacy not in conf,
          "no key is kept in plain, the old secret neither")

    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port)])
    for who, key in (("Anna", anna_key), ("Ben", ben_key), ("the old phone", legacy)):
        status, _ = request(port, "GET", "/api/list", key=key)
        check(status == 200, "%s's link works" % who)
    listing = run(["--list-devices"])
    check("never" not in [line.split("last seen ")[-1] for line in listing.stdout.splitlines()
                          if line.startswith("Ben")], "Ben was seen: %s" % listing.stdout)

    removed = run(["--remove-device", "Ben"])
    check(removed.returncode == 0, "--remove-device works")
    status, _ = request(port, "GET", "/api/list", key=ben_key)
    check(status == 401, "a removed phone's key is refused right away by the running server (%d)" % status)
    status, _ = request(port, "GET", "/api/list", key=anna_key)
    check(status == 200, "and only that one")
    missing = run(["--remove-device", "Nobody"])
    check(missing.returncode == 1 and "no phone named" in missing.stderr, "removing an unknown phone says so")

    status, _ = request(port, "GET", "/api/list?k=" + anna_key)
    check(status == 400, "a key in the query string is refused (%d)" % status)
    status, _ = request(port, "GET", "/api/list?key=" + anna_key, key=anna_key)
    check(status == 400, "even beside a right header (%d)" % status)
    status, _ = request(port, "GET", "/?k=" + anna_key)
    check(status == 400, "and on the page's own address (%d)" % status)
    for header in ("X-Forwarded-For", "X-Forwarded-Host", "X-Real-IP", "Forwarded"):
        status, _ = request(port, "GET", "/api/list", headers={header: "127.0.0.1"})
        check(status == 401, "%s gives no access (%d)" % (header, status))
    status, _ = request(port, "GET", "/api/list", headers={"X-Grocelle-Key": anna_key, "x-grocelle-key": "wrong"})
    check(status == 401, "two keys in one request are refused (%d)" % status)
    code = server.stop()
    check(code == 0, "stops cleanly")


def case_idle_flood(program, sql, work):
    """Idle and half-open connections up to the descriptor limit."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    key = re.search(r"#k=([A-Za-z0-9_-]{43})",
                    subprocess.run([program, "--add-device", "Phone"], env=bare_environment(home),
                                   capture_output=True, text=True, timeout=30).stdout).group(1)
    limit = 256

    def small_limit():
        resource.setrlimit(resource.RLIMIT_NOFILE, (limit, limit))

    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port)], preexec=small_limit)
    check(server.started.is_set(), "starts with %d descriptors" % limit)
    flood = []
    for n in range(limit + 100):
        s = socket.socket()
        s.setblocking(False)
        try:
            s.connect(("127.0.0.1", port))
        except BlockingIOError:
            pass
        if n % 2:
            try:
                s.send(b"GET /api/list HTTP/1.1\r\nHost: x\r\n")  # and never the rest
            except OSError:
                pass
        flood.append(s)
    time.sleep(1.5)  # the flood accepted, the quietest closed

    def cpu_seconds():
        with open("/proc/%d/stat" % server.process.pid, encoding="ascii") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    started = time.time()
    try:
        status, _ = request(port, "GET", "/api/list", key=key, timeout=5)
    except OSError as error:
        status = str(error)
    took = time.time() - started
    check(status == 200 and took < 1.0, "a real client is answered within 1 s amid the flood (%s, %.2f s)"
          % (status, took))
    before = cpu_seconds()
    time.sleep(2.0)
    used = cpu_seconds() - before
    check(used < 0.2, "the server stays near idle with the flood open (%.2f s of CPU in 2 s)" % used)
    for s in flood:
        s.close()
    code = server.stop()
    check(code == 0, "stops cleanly after the flood (got %s)" % code)


def make_certificate(folder, name, kind=("-newkey", "rsa:2048")):
    """A self-signed certificate for localhost and 127.0.0.1, and its key."""
    cert = os.path.join(folder, name + ".crt")
    key = os.path.join(folder, name + ".key")
    subprocess.run(["openssl", "req", "-x509"] + list(kind) + ["-nodes", "-keyout", key, "-out", cert,
                    "-days", "2", "-subj", "/CN=localhost",
                    "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1"],
                   check=True, capture_output=True)
    return cert, key


def set_general(home, lines):
    """Adds values to the [General] part of the settings file."""
    path = os.path.join(home, "Grocelle.conf")
    text = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
    if "[General]\n" in text:
        text = text.replace("[General]\n", "[General]\n" + lines, 1)
    else:
        text = "[General]\n" + lines + "\n" + text
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def https_request(port, path, cafile, key=None, host="127.0.0.1"):
    context = ssl.create_default_context(cafile=cafile)
    connection = http.client.HTTPSConnection(host, port, timeout=5, context=context)
    connection.request("GET", path, headers={"X-Grocelle-Key": key} if key else {})
    answer = connection.getresponse()
    data = answer.read()
    connection.close()
    return answer.status, data


def raw_exchange(port, data, seconds=3.0):
    """What the server sends back for bytes that are not TLS, until it closes."""
    with socket.create_connection(("127.0.0.1", port), timeout=seconds) as s:
        s.sendall(data)
        received = b""
        try:
            while True:
                chunk = s.recv(4096)
                if not chunk:
                    return received, True
                received += chunk
        except socket.timeout:
            return received, False
        except ConnectionResetError:
            return received, True


def case_tls(program, sql, work):
    """HTTPS from --tls-cert and --tls-key, and what is refused at start."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    cert, key_file = make_certificate(work, "server")
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port), "--tls-cert", cert,
                                    "--tls-key", key_file])
    check(server.started.is_set() and "over HTTPS" in " ".join(server.err), "starts over HTTPS: %s" % server.err)
    check(any(line.startswith("https://") and "#k=" in line for line in server.out), "the link is https://")
    key = server.key()
    status, page = https_request(port, "/", cert)
    check(status == 200 and b"<script>" in page, "serves the page over HTTPS, the certificate verified")
    status, _ = https_request(port, "/api/list", cert, key)
    check(status == 200, "serves the list over HTTPS")

    answer, closed = raw_exchange(port, b"GET /api/list HTTP/1.1\r\nHost: x\r\nX-Grocelle-Key: " + key.encode()
                                  + b"\r\n\r\n")
    check(b"Apples" not in answer and b"HTTP/1.1 200" not in answer and closed,
          "plain HTTP to the TLS port gets no list and is closed (%r)" % answer[:60])
    answer, closed = raw_exchange(port, os.urandom(2048))
    check(b"HTTP" not in answer and closed, "handshake garbage is closed")
    answer, closed = raw_exchange(port, b"\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03" + b"\x00" * 40)
    check(b"HTTP" not in answer, "a cut-off handshake gets nothing")
    status, _ = https_request(port, "/api/list", cert, key)
    check(status == 200, "and a real client is still served")
    env = bare_environment(home)
    added = subprocess.run([program, "--add-device", "Anna's phone"], env=env, capture_output=True, text=True,
                           timeout=30)
    found = re.search(r"^https://[^/:]+:(\d+)/#k=([A-Za-z0-9_-]{43})$", added.stdout, re.M)
    check(found is not None and int(found.group(1)) == port,
          "a bare --add-device names the running server's scheme and port: %s" % added.stdout.strip().splitlines()[-1:])
    if found:
        status, _ = https_request(port, "/api/list", cert, found.group(2))
        check(status == 200, "and its link works")
    check(server.stop() == 0, "stops cleanly")

    def refused(args, words, what):
        done = subprocess.run([program, "--serve", "--catalog", catalog, "--port", str(free_port())] + args,
                              env=env, capture_output=True, text=True, timeout=60)
        check(done.returncode == 1 and words in done.stderr and "serving" not in done.stderr,
              "%s: %d %s" % (what, done.returncode, done.stderr.strip()))

    other_cert, other_key = make_certificate(work, "other")
    ec_cert, ec_key = make_certificate(work, "ec", ("-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1"))
    refused(["--tls-cert", cert], "both", "a certificate without its key")
    refused(["--tls-key", key_file], "both", "a key without its certificate")
    refused(["--tls-cert", os.path.join(work, "missing.crt"), "--tls-key", key_file], "cannot be read",
            "a missing certificate")
    refused(["--tls-cert", cert, "--tls-key", work], "cannot be read", "a key that is a folder")
    refused(["--tls-cert", key_file, "--tls-key", key_file], "no PEM certificate", "a key given as certificate")
    refused(["--tls-cert", cert, "--tls-key", cert], "no unencrypted PEM private key", "a certificate given as key")
    refused(["--tls-cert", cert, "--tls-key", other_key], "belong", "a key of another certificate, same kind")
    refused(["--tls-cert", cert, "--tls-key", ec_key], "belong", "a key of another kind")
    set_general(home, "TlsCert=%s\nTlsKey=%s\n" % (cert, other_key))
    refused([], "belong", "a mismatched pair from the settings")


def listening_ports(pid):
    """The TCP ports the process listens on, from its sockets in /proc."""
    inodes = set()
    for fd in os.listdir("/proc/%d/fd" % pid):
        try:
            target = os.readlink("/proc/%d/fd/%s" % (pid, fd))
        except OSError:
            continue
        if target.startswith("socket:["):
            inodes.add(target[8:-1])
    ports = set()
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        with open(table, encoding="ascii") as f:
            for line in f.readlines()[1:]:
                fields = line.split()
                if fields[3] == "0A" and fields[9] in inodes:  # LISTEN
                    ports.add(int(fields[1].rsplit(":", 1)[1], 16))
    return ports


def start_caddy(work, public, port):
    """res/Caddyfile as the README runs it, its files in work; the process,
    its plain-HTTP port and its CA's root certificate."""
    caddyfile = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "Caddyfile")
    http_port = free_port()
    caddy_env = dict(os.environ, HOME=work, XDG_DATA_HOME=os.path.join(work, "data"),
                     XDG_CONFIG_HOME=os.path.join(work, "config"), GROCELLE_SITE=public, GROCELLE_PORT=str(port),
                     GROCELLE_HTTP_PORT=str(http_port))
    caddy = subprocess.Popen(["caddy", "run", "--config", os.path.abspath(caddyfile), "--adapter", "caddyfile"],
                             env=caddy_env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    Server.every.append(caddy)
    root = os.path.join(work, "data", "caddy", "pki", "authorities", "local", "root.crt")
    return caddy, http_port, root


def curl(url, root, key=None):
    """curl's status and body for url, its certificate verified against root."""
    https_port = int(url.split(":")[2].split("/")[0])
    done = subprocess.run(["curl", "-sS", "--max-time", "5", "--cacert", root, "--resolve",
                           "localhost:%d:127.0.0.1" % https_port, "-w", "\n%{http_code}"]
                          + (["-H", "X-Grocelle-Key: " + key] if key else []) + [url],
                          capture_output=True, text=True)
    body, _, status = done.stdout.rpartition("\n")
    return int(status or 0), body


def case_caddy(program, sql, work):
    """The Caddy recipe as the README gives it: res/Caddyfile run as it
    stands in front of grocelle --serve --listen 127.0.0.1; Caddy's own CA
    signs the certificate and stays out of the system's trust store."""
    if shutil.which("caddy") is None:
        print("caddy is not installed; skipped")
        return
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    port = free_port()
    https_port = free_port()
    public = "https://localhost:%d" % https_port
    server = Server(program, home, ["--catalog", catalog, "--port", str(port), "--listen", "127.0.0.1",
                                    "--public-url", public])
    key = server.key()
    check(any(line.startswith(public + "/#k=") for line in server.out), "the link names the proxy's address")
    added = subprocess.run([program, "--add-device", "Anna's phone"], env=bare_environment(home),
                           capture_output=True, text=True, timeout=30)
    check(re.search("^" + re.escape(public) + "/#k=[A-Za-z0-9_-]{43}$", added.stdout, re.M) is not None,
          "a bare --add-device names the proxy's address too: %s" % added.stdout.strip().splitlines()[-1:])

    caddy, http_port, root = start_caddy(work, public, port)
    try:
        answer = (0, "")
        deadline = time.time() + 30
        while time.time() < deadline and answer[0] != 200:
            if os.path.exists(root):
                answer = curl(public + "/", root)
            if answer[0] != 200:
                time.sleep(0.2)
        check(answer[0] == 200 and "<script>" in answer[1],
              "curl gets the page through Caddy, its certificate verified against Caddy's CA")
        status, body = curl(public + "/api/list", root, key)
        check(status == 200 and "Apples" in body, "and the list, with the key in the header")
        ports = listening_ports(caddy.pid)
        check(ports == {https_port, http_port},
              "Caddy listens on its HTTPS port and the HTTP port chosen only, not 80 or 2019: %s" % sorted(ports))
        status, _ = https_request(https_port, "/api/list", root, host="localhost")
        check(status == 401, "no key through Caddy: refused, whatever Caddy adds (%d)" % status)
        status, _ = https_request(https_port, "/api/list?k=" + key, root, host="localhost")
        check(status == 400, "a key in the address through Caddy: refused (%d)" % status)
    finally:
        caddy.terminate()
        _, log = caddy.communicate(timeout=10)
    check("installing root certificate" not in log, "Caddy leaves the system's trust store alone")
    check(server.stop() == 0, "stops cleanly")


def case_listen(program, sql, work):
    """--listen: the server is reached at the addresses given and no other,
    and its links name one of them."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    env = bare_environment(home)

    def run(args):
        return subprocess.run([program] + args, env=env, capture_output=True, text=True, timeout=30)

    def reaches(host, port):
        try:
            socket.create_connection((host, port), 2).close()
            return True
        except OSError:
            return False

    for bad in ("localhost", "127.0.0.256", "::1::", ""):
        done = run(["--serve", "--catalog", catalog, "--listen", bad])
        check(done.returncode == 2 and "--listen" in done.stderr and "serving" not in done.stderr,
              "--listen %r is refused before it starts: %d %s" % (bad, done.returncode, done.stderr.strip()))
    try:
        with socket.socket() as probe:
            probe.bind(("198.51.100.254", 0))
        foreign = False
    except OSError:
        foreign = True
    if foreign:
        done = run(["--serve", "--catalog", catalog, "--port", str(free_port()), "--listen", "198.51.100.254"])
        check(done.returncode == 1 and "not an address of this computer" in done.stderr,
              "an address of another computer stops the start: %d %s" % (done.returncode, done.stderr.strip()))

    try:
        with socket.socket(socket.AF_INET6) as probe:
            probe.bind(("::1", 0))
        ipv6 = True
    except OSError:
        ipv6 = False
        print("no ::1 here; the IPv6 checks are skipped")
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port), "--listen", "127.0.0.1"])
    key = server.key()
    check(any(line == "http://127.0.0.1:%d/#k=%s" % (port, key) for line in server.out),
          "the link names the address listened on: %s" % server.out[-1:])
    status, _ = request(port, "GET", "/api/list", key=key)
    check(status == 200, "served on 127.0.0.1")
    if ipv6:
        check(not reaches("::1", port), "::1 is refused when only 127.0.0.1 is listened on")
    added = run(["--add-device", "Anna's phone"])
    check(re.search(r"^http://127\.0\.0\.1:%d/#k=[A-Za-z0-9_-]{43}$" % port, added.stdout, re.M) is not None,
          "a bare --add-device names it too: %s" % added.stdout.strip().splitlines()[-1:])
    check(server.stop() == 0, "stops cleanly")
    if not ipv6:
        return

    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port), "--listen", "::1"])
    check(any(line.startswith("The phone list is at http://[::1]:%d/" % port) for line in server.out),
          "an IPv6 address is named in brackets: %s" % server.out)
    check(reaches("::1", port) and not reaches("127.0.0.1", port), "::1 alone is listened on")
    check(server.stop() == 0, "stops cleanly")
    server = Server(program, home, ["--catalog", catalog, "--port", "0", "--listen", "::1", "--listen", "127.0.0.1"])
    found = re.search(r"http://\[::1\]:(\d+)/", " ".join(server.out))
    both = int(found.group(1)) if found else 0
    check(both != 0 and reaches("::1", both) and reaches("127.0.0.1", both),
          "both addresses on one free port: %s" % server.out)
    connection = http.client.HTTPConnection("127.0.0.1", both, timeout=5)
    connection.request("GET", "/")
    check(connection.getresponse().status == 200, "the page at the second address too")
    connection.close()
    check(server.stop() == 0, "stops cleanly")


def case_unit(program, sql, work):
    """The systemd unit of the package passes systemd's own checks."""
    if shutil.which("systemd-analyze") is None:
        print("systemd is not installed; skipped")
        return
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
    text = open(os.path.join(res, "grocelle.service"), encoding="utf-8").read()
    for setting in ("NoNewPrivileges=yes", "ProtectSystem=strict", "StateDirectory=grocelle",
                    "Environment=GROCELLE_HOME=/var/lib/grocelle", "ExecStart=/usr/bin/grocelle --serve"):
        check(setting in text, "the unit has " + setting)
    unit = os.path.join(work, "grocelle.service")
    with open(unit, "w", encoding="utf-8") as f:
        f.write(text.replace("/usr/bin/grocelle", os.path.abspath(program)))
    done = subprocess.run(["systemd-analyze", "verify", "--man=no", unit], capture_output=True, text=True,
                          timeout=60)
    check(done.returncode == 0 and done.stderr.strip() == "" and done.stdout.strip() == "",
          "systemd-analyze verify finds nothing: %s" % (done.stdout + done.stderr).strip())
    done = subprocess.run(["systemd-analyze", "security", "--offline=yes", unit], capture_output=True, text=True,
                          timeout=60)
    level = re.search(r"Overall exposure level for grocelle.service: ([0-9.]+)", done.stdout)
    check(level is not None and float(level.group(1)) <= 2.0,
          "systemd rates its exposure low: %s" % (level.group(1) if level else done.stdout[-200:]))
    users = open(os.path.join(res, "grocelle.sysusers"), encoding="utf-8").read()
    check(re.search(r"^u grocelle ", users, re.M) is not None, "the package makes the unit's user")


def case_curl(program, sql, work):
    """The README's one line for home automation, run as it stands."""
    readme = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "README.md")
    text = open(readme, encoding="utf-8").read()
    found = re.search(r"<!-- the line below is run by the tests as it stands -->\n```\n(curl [^\n]*)\n```", text)
    check(found is not None, "the README has the line")
    if not found or shutil.which("curl") is None:
        return
    line = found.group(1)
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    env = bare_environment(home)
    made = subprocess.run([program, "--add-device", "Home Assistant"], env=env, capture_output=True, text=True,
                          timeout=30)
    key = re.search(r"#k=([A-Za-z0-9_-]{43})", made.stdout).group(1)
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port)])
    db = sqlite3.connect(catalog)
    db.execute("UPDATE ShoppingLists SET QtyToBuy = 0 WHERE ItemName = 'Milk'")
    db.commit()
    run_env = dict(os.environ, GROCELLE_KEY=key, GROCELLE_URL="http://127.0.0.1:%d" % port)
    done = subprocess.run(["bash", "-c", line], env=run_env, capture_output=True, text=True, timeout=30)
    check(done.returncode == 0 and json.loads(done.stdout or "{}").get("applied") is True,
          "the line adds the item: %d %s %s" % (done.returncode, done.stdout, done.stderr))
    check(db.execute("SELECT QtyToBuy FROM ShoppingLists WHERE ItemName = 'Milk'").fetchone()[0] == 2,
          "Milk is on the list, quantity 2")
    run_env["GROCELLE_KEY"] = "x" * 43
    done = subprocess.run(["bash", "-c", line], env=run_env, capture_output=True, text=True, timeout=30)
    check(done.returncode != 0, "with a wrong key the line fails, as a script sees")
    db.close()
    check(server.stop() == 0, "stops cleanly")


def case_postgres(program, sql, work):
    """A catalog server that stops under --serve: it says so, and carries on
    once the server is back. Takes the test server down for a moment, so it
    runs alone."""
    uri = os.environ.get("GROCELLE_TEST_POSTGRES")
    pg_bin = os.environ.get("GROCELLE_PG_BIN")
    pg_data = os.environ.get("GROCELLE_PG_DATA")
    if not uri or not pg_bin or not pg_data:
        print("no test PostgreSQL server (scripts/test starts one); skipped")
        return
    socket_dir = re.search(r"host=([^&]+)", uri).group(1)
    database = "grocelle_serve_%d" % os.getpid()
    psql = [os.path.join(pg_bin, "psql"), "-q", "-X", "-v", "ON_ERROR_STOP=1"]
    subprocess.run(psql + ["-d", uri, "-c", "CREATE DATABASE %s" % database], check=True)
    catalog_uri = "postgresql://postgres@/%s?host=%s" % (database, socket_dir)
    owner = ["runuser", "-u", "postgres", "--"] if os.geteuid() == 0 else []
    pg_ctl = owner + [os.path.join(pg_bin, "pg_ctl"), "-D", pg_data, "-w", "-s"]
    home = os.path.join(work, "home")
    os.mkdir(home)
    port = free_port()
    server = Server(program, home, ["--catalog", catalog_uri, "--port", str(port)])
    try:
        check(server.started.is_set(), "serves a PostgreSQL catalog: %s" % server.err)
        key = server.key()
        subprocess.run(psql + ["-d", catalog_uri, "-c",
                               "INSERT INTO ShoppingLists (ID, ItemName, QtyToBuy) VALUES (1, 'Milk', 1)"], check=True)
        status, body = request(port, "GET", "/api/list", key=key)
        check(status == 200 and b"Milk" in body, "a row written by another program shows at once")

        subprocess.run(pg_ctl + ["-m", "fast", "stop"], check=True)
        status, body = request(port, "GET", "/api/list", key=key)
        check(status >= 500 and b"error" in body, "with the server gone a request is answered with a reason (%d)"
              % status)
        status, body = request(port, "POST", "/api/change", key=key,
                               body=json.dumps({"id": 1, "field": "Checked", "from": 0, "to": 1}))
        check(status >= 500, "and so is a write (%d)" % status)
        time.sleep(0.2)
        check(any("failed" in line and database in line for line in server.err),
              "the log says the catalog cannot be used, naming it: %s" % server.err[-1:])
        subprocess.run(pg_ctl + ["-l", os.path.join(socket_dir, "server.log"), "-o",
                                 "-c listen_addresses='' -c unix_socket_directories='%s' -c fsync=off "
                                 "-c synchronous_commit=off -c max_connections=200" % socket_dir, "start"],
                       check=True)
        status, body = request(port, "GET", "/api/list", key=key)
        check(status == 200 and b"Milk" in body, "the server back, the next request is served (%d)" % status)
        status, body = request(port, "POST", "/api/change", key=key,
                               body=json.dumps({"id": 1, "field": "Checked", "from": 0, "to": 1}))
        check(status == 200 and json.loads(body).get("applied") is True, "and a write lands")
        time.sleep(0.2)
        check(any("answers again" in line for line in server.err), "the log says it is back")
        check(server.stop() == 0, "stops cleanly")
    finally:
        if server.process.poll() is None:
            server.process.kill()
            server.process.wait()
        subprocess.run(psql + ["-d", uri, "-c", "DROP DATABASE IF EXISTS %s" % database])


def case_beside(program, sql, work, host_program):
    """--serve beside an open window on the same catalog file: each sees the
    other's changes within 2 s."""
    home = os.path.join(work, "home")
    os.mkdir(home)
    seed_catalog(os.path.join(home, "shoplistdata.cdb"), sql)
    key = "K" * 43
    window_port = free_port()
    env = dict(os.environ, GROCELLE_HOME=home, QT_QPA_PLATFORM="offscreen")
    host = subprocess.Popen([host_program, str(window_port), key], env=env, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, text=True)
    server = None
    try:
        check(host.stdout.readline().startswith("ready"), "the window is open")

        def window_row(name):
            host.stdin.write("row %s\n" % name)
            host.stdin.flush()
            return host.stdout.readline().strip()

        port = free_port()
        server = Server(program, home, ["--port", str(port)])  # the window's catalog, as chosen for it
        status, body = request(port, "POST", "/api/change", key=key,
                               body=json.dumps({"id": 1, "field": "Checked", "from": 0, "to": 1}))
        check(status == 200, "--serve takes the old phone's key beside the window (%d)" % status)
        started = time.time()
        # The window keeps a mark as the handheld did, 1 or -1.
        while window_row("Apples").split()[:2] not in (["mark", "1"], ["mark", "-1"]) and time.time() - started < 3:
            time.sleep(0.05)
        took = time.time() - started
        check(took < 2.0, "the window shows the server's mark within 2 s (%.2f s, %s)" % (took, window_row("Apples")))

        status, _ = request(window_port, "POST", "/api/change", key=key,
                            body=json.dumps({"id": 1, "field": "QtyToBuy", "from": 3, "to": 5}))
        check(status == 200, "the window's own list takes a change")
        status, body = request(port, "GET", "/api/list", key=key)
        apples = [item for item in json.loads(body)["items"] if item["name"] == "Apples"]
        check(apples and apples[0]["qty"] == 5, "and --serve shows it at once")
        check(server.stop() == 0, "stops cleanly beside the window")
        shown = window_row("Apples")
        deadline = time.time() + 2
        while shown.split()[2:] != ["qty", "5"] and time.time() < deadline:
            time.sleep(0.05)
            shown = window_row("Apples")
        check(shown.split()[2:] == ["qty", "5"], "the window carries on (%s)" % shown)
    finally:
        if server and server.process.poll() is None:
            server.process.kill()
        host.stdin.write("quit\n")
        host.stdin.flush()
        host.wait(20)


def page_in_chromium(url, work, name):
    """Opens the phone page at url in headless Chromium: the list is shown, in a
    secure context, with the service worker in control; offline, a reload
    still shows it. Chromium ignores certificate errors here: the test's own
    CA would need an NSS database (libnss3-tools) to be trusted, and the
    certificate chains are checked against their CA by the TLS cases; what is
    tried here is the page's offline life over https://."""
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "browser"))
    from phone_page_test import names_on_page, wait_for  # noqa: E402
    from selenium import webdriver  # noqa: E402
    from selenium.webdriver.chrome.service import Service  # noqa: E402
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--ignore-certificate-errors",
                 "--user-data-dir=" + os.path.join(work, "profile-" + name), "--window-size=390,844"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(url)
        check(wait_for(lambda: "Apples" in names_on_page(driver), 15.0), "%s: the list is shown" % name)
        check(driver.execute_script("return window.isSecureContext") is True, "%s: a secure context" % name)
        check(wait_for(lambda: driver.execute_script(
            "return !!(navigator.serviceWorker && navigator.serviceWorker.controller)"), 15.0),
            "%s: the service worker controls the page" % name)
        shown = names_on_page(driver)
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        driver.refresh()
        check(wait_for(lambda: names_on_page(driver) == shown, 15.0), "%s: offline, a reload shows the list" % name)
    finally:
        driver.quit()


def case_browser(program, sql, work):
    """The page in Chromium over HTTPS from --tls-cert, and through the real
    Caddy in front of plain --serve."""
    if shutil.which("chromedriver") is None:
        print("chromedriver is not installed; skipped")
        return
    home = os.path.join(work, "home")
    os.mkdir(home)
    catalog = os.path.join(home, "catalog.cdb")
    seed_catalog(catalog, sql)
    cert, key_file = make_certificate(work, "server")
    port = free_port()
    server = Server(program, home, ["--catalog", catalog, "--port", str(port), "--tls-cert", cert,
                                    "--tls-key", key_file])
    key = server.key()
    check(key is not None, "a link is printed")
    page_in_chromium("https://127.0.0.1:%d/#k=%s" % (port, key), work, "--tls-cert")
    check(server.stop() == 0, "stops cleanly")

    if shutil.which("caddy") is None:
        print("caddy is not installed; skipped")
        return
    plain_port, https_port = free_port(), free_port()
    public = "https://localhost:%d" % https_port
    server = Server(program, home, ["--catalog", catalog, "--port", str(plain_port), "--listen", "127.0.0.1",
                                    "--public-url", public])
    caddy, _, _ = start_caddy(work, public, plain_port)
    try:
        deadline = time.time() + 30
        while time.time() < deadline:
            try:
                socket.create_connection(("127.0.0.1", https_port), 1).close()
                break
            except OSError:
                time.sleep(0.2)
        added = subprocess.run([program, "--add-device", "Browser"], env=bare_environment(home),
                               capture_output=True, text=True, timeout=30)
        found = re.search(r"#k=([A-Za-z0-9_-]{43})", added.stdout)
        check(found is not None, "a phone's link for the browser")
        if found:
            page_in_chromium("%s/#k=%s" % (public, found.group(1)), work, "Caddy")
    finally:
        caddy.terminate()
        caddy.communicate(timeout=10)
    check(server.stop() == 0, "stops cleanly behind Caddy")


def main():
    program, sql, case = sys.argv[1], sys.argv[2], sys.argv[3]
    with tempfile.TemporaryDirectory() as work:
        os.chmod(work, 0o755)
        try:
            globals()["case_" + case](program, sql, work, *sys.argv[4:])
        finally:
            for process in Server.every:
                if process.poll() is None:
                    process.kill()
                    process.wait()
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
