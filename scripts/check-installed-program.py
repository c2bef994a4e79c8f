#!/usr/bin/env python3
"""Starts an installed Quorvel on the current X display and checks it from the outside.

Run it under a real X server (xvfb-run -a ...), after the package is installed:

    check-installed-program.py [PROGRAM [PROGRAM_FOLDER]]

PROGRAM defaults to /usr/bin/quorvel (the launcher link), PROGRAM_FOLDER to /usr/lib/quorvel,
the folder the link leads to and where the program must find its files.

It watches the program two ways, neither of which the program knows about:
  - the X windows: the main window is titled "Quorvel", and so is an error box (it carries the
    application's title), so exactly one visible window of that name may exist;
  - the pages: Qt WebEngine's remote debugging (QTWEBENGINE_REMOTE_DEBUGGING in the started
    process's environment) lists the engine's pages over HTTP and evaluates expressions in
    them over the DevTools websocket protocol, spoken here with the standard library alone.

It passes when the main window shows the placeholder page and the chart scripts have run in
it from the program folder ("jq.dat" defines QuorvelD3, the next three make QuorvelCharts ready,
"exa.dat" marks the page with its chart count), the about box's page "quorvel.html" is loaded
from the program folder, no page links anything that failed to load, and no error box showed.
Every wait is a bounded poll. The program is ended when the checks are done, pass or fail.
"""

import base64
import hashlib
import json
import os
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

PLACEHOLDER_TEXT = "Add a fruit to the comparison to build the report"
WINDOW_TITLE = "Quorvel"
START_TIMEOUT = 180  # seconds for the window and the pages to be ready; generous for slow CI
POLL_INTERVAL = 0.5
WEBSOCKET_GUID = "258EAFA5-E914-47DA-95CA-C5AB0DC85B11"

# Evaluated in every page the engine lists. It reports what the checks need as one JSON text.
PAGE_STATE_SCRIPT = r"""
(function () {
    var failed = [];
    document.querySelectorAll("link[rel~='stylesheet']").forEach(function (link) {
        if (!link.sheet) { failed.push(link.href); }
    });
    document.querySelectorAll("img").forEach(function (img) {
        if (img.complete && img.naturalWidth === 0) { failed.push(img.src); }
    });
    var qc = window.QuorvelCharts;
    return JSON.stringify({
        href: location.href,
        baseURI: document.baseURI,
        readyState: document.readyState,
        body: document.body ? document.body.innerText : "",
        chartType: typeof window.QuorvelD3,
        chartsReady: !!(qc && typeof qc.ready === "function" && qc.ready()),
        chartCount: document.documentElement.getAttribute("data-charts"),
        failedLinks: failed
    });
})()
"""


class CheckFailed(Exception):
    pass


# --- A minimal websocket client (RFC 6455), enough for DevTools requests and replies. ---

class WebSocket:
    def __init__(self, url, timeout=30):
        parts = urllib.parse.urlsplit(url)
        if parts.scheme != "ws":
            raise CheckFailed("unexpected websocket address " + url)
        self.sock = socket.create_connection((parts.hostname, parts.port or 80), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode("ascii")
        path = parts.path + ("?" + parts.query if parts.query else "")
        request = (
            "GET {path} HTTP/1.1\r\n"
            "Host: {host}:{port}\r\n"
            "Upgrade: websocket\r\n"
            "Connection: Upgrade\r\n"
            "Sec-WebSocket-Key: {key}\r\n"
            "Sec-WebSocket-Version: 13\r\n\r\n"
        ).format(path=path, host=parts.hostname, port=parts.port or 80, key=key)
        self.sock.sendall(request.encode("ascii"))
        self.buffer = b""
        while b"\r\n\r\n" not in self.buffer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise CheckFailed("the DevTools websocket closed during the handshake")
            self.buffer += chunk
        head, self.buffer = self.buffer.split(b"\r\n\r\n", 1)
        lines = head.decode("latin-1").split("\r\n")
        if " 101 " not in lines[0] + " ":
            raise CheckFailed("DevTools refused the websocket: " + lines[0])
        headers = {}
        for line in lines[1:]:
            name, _, value = line.partition(":")
            headers[name.strip().lower()] = value.strip()
        expected = base64.b64encode(
            hashlib.sha1((key + WEBSOCKET_GUID).encode("ascii")).digest()).decode("ascii")
        if headers.get("sec-websocket-accept") != expected:
            raise CheckFailed("DevTools answered the websocket handshake with a wrong key")

    def _read_exact(self, count):
        while len(self.buffer) < count:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise CheckFailed("the DevTools websocket closed")
            self.buffer += chunk
        data, self.buffer = self.buffer[:count], self.buffer[count:]
        return data

    def _send_frame(self, opcode, payload):
        header = bytes([0x80 | opcode])
        length = len(payload)
        if length < 126:
            header += bytes([0x80 | length])
        elif length < 65536:
            header += bytes([0x80 | 126]) + struct.pack("!H", length)
        else:
            header += bytes([0x80 | 127]) + struct.pack("!Q", length)
        mask = os.urandom(4)
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(header + mask + masked)

    def send_text(self, text):
        self._send_frame(0x1, text.encode("utf-8"))

    def receive_text(self):
        message = b""
        while True:
            first, second = self._read_exact(2)
            opcode = first & 0x0F
            length = second & 0x7F
            if length == 126:
                length = struct.unpack("!H", self._read_exact(2))[0]
            elif length == 127:
                length = struct.unpack("!Q", self._read_exact(8))[0]
            mask = self._read_exact(4) if second & 0x80 else None
            payload = self._read_exact(length)
            if mask:
                payload = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
            if opcode == 0x8:
                raise CheckFailed("the DevTools websocket was closed by the engine")
            if opcode == 0x9:
                self._send_frame(0xA, payload)
                continue
            if opcode == 0xA:
                continue
            message += payload
            if first & 0x80:
                return message.decode("utf-8")

    def close(self):
        try:
            self._send_frame(0x8, b"")
        except OSError:
            pass
        self.sock.close()


def evaluate(websocket_url, expression):
    """Evaluates expression in the page's main world and returns its value."""
    ws = WebSocket(websocket_url)
    try:
        ws.send_text(json.dumps({
            "id": 1,
            "method": "Runtime.evaluate",
            "params": {"expression": expression, "returnByValue": True},
        }))
        while True:
            reply = json.loads(ws.receive_text())
            if reply.get("id") == 1:
                break
    finally:
        ws.close()
    if "error" in reply:
        raise CheckFailed("Runtime.evaluate failed: " + json.dumps(reply["error"]))
    result = reply["result"]
    if "exceptionDetails" in result:
        raise CheckFailed("the page state script threw: " +
                          json.dumps(result["exceptionDetails"])[:500])
    return result["result"].get("value")


# --- Observing the program. ---

def visible_windows_titled(title):
    """Ids of the mapped X windows whose name is exactly title."""
    result = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, check=False)
    return [line for line in result.stdout.split() if line.strip()]


def window_size(window_id):
    result = subprocess.run(["xwininfo", "-id", window_id], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True, check=False)
    size = {}
    for line in result.stdout.splitlines():
        name, _, value = line.strip().partition(":")
        if name in ("Width", "Height"):
            size[name] = int(value)
    return size.get("Width", 0), size.get("Height", 0)


def page_states(port):
    """The engine's pages, each with its evaluated state, or None while DevTools is not up."""
    try:
        with urllib.request.urlopen("http://127.0.0.1:%d/json" % port, timeout=10) as answer:
            targets = json.load(answer)
    except (urllib.error.URLError, ConnectionError, socket.timeout, ValueError):
        return None
    states = []
    for target in targets:
        if target.get("type") != "page" or "webSocketDebuggerUrl" not in target:
            continue
        try:
            value = evaluate(target["webSocketDebuggerUrl"], PAGE_STATE_SCRIPT)
        except (OSError, CheckFailed):
            # A page between two loads: try again at the next poll.
            continue
        if isinstance(value, str):
            states.append(json.loads(value))
    return states


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def show_output(log):
    """Writes the end of the program's output (its log file) to standard error."""
    log.seek(0)
    output = log.read()
    if output:
        sys.stderr.write("--- the program's output ---\n" + output[-6000:] + "\n---\n")


def end_program(process):
    """Ends the program and its engine processes (its own session): asked first, then forced."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            pass


def judge(windows, states, folder):
    """What is still missing, as a list of texts (empty when every check passes)."""
    missing = []
    folder_url = "file://" + urllib.parse.quote(folder.rstrip("/")) + "/"
    if not windows:
        missing.append('no visible window titled "%s" yet' % WINDOW_TITLE)
    if states is None:
        missing.append("the engine's remote debugging does not answer yet")
        return missing
    main = [s for s in states if PLACEHOLDER_TEXT in s.get("body", "")]
    if not main:
        missing.append("no page shows the placeholder sentence")
    else:
        page = main[0]
        if not page["baseURI"].startswith(folder_url):
            missing.append("the placeholder page's base is %s, not the program folder %s"
                           % (page["baseURI"], folder_url))
        if page["chartType"] != "object":
            missing.append('"jq.dat" has not run in the placeholder page (typeof QuorvelD3 is %s)'
                           % page["chartType"])
        if not page["chartsReady"]:
            missing.append('"enh.dat", "exc.dat" and "vis.dat" have not all run in the '
                           'placeholder page')
        if page["chartCount"] != "0":
            missing.append('"exa.dat" has not marked the placeholder page (data-charts is %r)'
                           % page["chartCount"])
    about = [s for s in states if s["href"] == folder_url + "quorvel.html"]
    if not about:
        missing.append("no page has loaded %squorvel.html (pages: %s)"
                       % (folder_url, ", ".join(s["href"] for s in states) or "none"))
    elif about[0]["readyState"] != "complete":
        missing.append("quorvel.html has not finished loading")
    for state in states:
        if state["failedLinks"]:
            missing.append("page %s links what did not load: %s"
                           % (state["href"], ", ".join(state["failedLinks"])))
    return missing


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "/usr/bin/quorvel"
    folder = sys.argv[2] if len(sys.argv) > 2 else "/usr/lib/quorvel"
    if not os.environ.get("DISPLAY"):
        raise CheckFailed("no X display: run this under xvfb-run -a")

    port = free_port()
    environment = dict(os.environ)
    environment["QT_QPA_PLATFORM"] = "xcb"
    environment["QTWEBENGINE_REMOTE_DEBUGGING"] = "127.0.0.1:%d" % port
    log = tempfile.TemporaryFile(mode="w+")
    print("starting %s (remote debugging on port %d)" % (program, port))
    process = subprocess.Popen([program], env=environment, stdin=subprocess.DEVNULL,
                               stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        deadline = time.monotonic() + START_TIMEOUT
        missing = ["nothing observed yet"]
        while True:
            if process.poll() is not None:
                raise CheckFailed("the program ended by itself with status %d"
                                  % process.returncode)
            executable = os.path.realpath("/proc/%d/exe" % process.pid)
            if executable != os.path.join(folder, "quorvel"):
                raise CheckFailed("the running program is %s, not %s/quorvel"
                                  % (executable, folder))
            windows = visible_windows_titled(WINDOW_TITLE)
            if len(windows) > 1:
                sizes = ", ".join("%dx%d" % window_size(w) for w in windows)
                raise CheckFailed('%d windows titled "%s" (sizes %s): an error box showed'
                                  % (len(windows), WINDOW_TITLE, sizes))
            states = page_states(port) if windows else None
            missing = judge(windows, states, folder)
            if not missing:
                # The pages are complete; an error box from their scripts would already show.
                windows = visible_windows_titled(WINDOW_TITLE)
                if len(windows) != 1:
                    raise CheckFailed('%d windows titled "%s" after the pages were complete'
                                      % (len(windows), WINDOW_TITLE))
                width, height = window_size(windows[0])
                print('main window %s titled "%s", %dx%d' % (windows[0], WINDOW_TITLE,
                                                             width, height))
                for state in states:
                    print("page %s: base %s, QuorvelD3 %s, charts ready %s, data-charts %s"
                          % (state["href"][:80], state["baseURI"][:60], state["chartType"],
                             state["chartsReady"], state["chartCount"]))
                break
            if time.monotonic() > deadline:
                raise CheckFailed("after %d s: %s" % (START_TIMEOUT, "; ".join(missing)))
            time.sleep(POLL_INTERVAL)
    except CheckFailed:
        show_output(log)
        raise
    finally:
        end_program(process)
        log.close()
    print("the installed program shows the placeholder page and ran its chart scripts")


if __name__ == "__main__":
    try:
        main()
    except CheckFailed as failure:
        sys.stderr.write("check-installed-program: FAILED: %s\n" % failure)
        sys.exit(1)
