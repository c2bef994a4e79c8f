#!/usr/bin/env python3
"""Starts Quorvel as the user running this script, adds a fruit with the keyboard and checks that
its report and charts appear, with the web engine's sandbox on.

Run it as an ordinary user (not root) under a real X server, with the program's folder readable:

    xvfb-run -a check-user-session.py PROGRAM

scripts/check-user-session.sh does that from root: it copies the program and its files to a
temporary folder and drops to an unprivileged user.

It watches the program from outside, as scripts/check-installed-program.py does (whose helpers it
uses): the X windows by name, the pages through Qt WebEngine's remote debugging. Once the
placeholder page has run its chart scripts it presses Down, Tab and Space in the main window: the
next fruit of the list is chosen and added with the "Add to comparison" button, which has the
keyboard focus after the list. It passes when
  - a page shows that fruit's report, marked with its five charts, each with its bars laid out;
  - the render process runs sandboxed: under a seccomp filter in a PID namespace of its own
    (/proc/PID/status), and no web engine process has "--no-sandbox" on its command line;
  - the program printed no line about running as root with the sandbox off.
"""

import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location(
    "check_installed_program", os.path.join(HERE, "check-installed-program.py"))
program_check = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(program_check)
CheckFailed = program_check.CheckFailed

ROOT_WARNING = "running as root"

# The report page of one fruit: its heading, its chart mark, and how many of its charts (SVG
# pictures) have a bar laid out on the page.
REPORT_STATE_SCRIPT = r"""
(function () {
    var h = document.querySelector("h1");
    var painted = Array.prototype.filter.call(document.querySelectorAll("svg[role='img']"),
        function (svg) {
            return Array.prototype.some.call(svg.querySelectorAll("rect"), function (bar) {
                var box = bar.getBoundingClientRect();
                return box.width > 0 && box.height > 0;
            });
        }).length;
    return JSON.stringify({
        heading: h ? h.textContent : "",
        charts: document.documentElement.getAttribute("data-charts"),
        painted: painted
    });
})()
"""


def page_targets(port):
    try:
        with urllib.request.urlopen("http://127.0.0.1:%d/json" % port, timeout=10) as answer:
            return [t for t in json.load(answer)
                    if t.get("type") == "page" and "webSocketDebuggerUrl" in t]
    except OSError:
        return []


def report_states(port):
    states = []
    for target in page_targets(port):
        try:
            value = program_check.evaluate(target["webSocketDebuggerUrl"], REPORT_STATE_SCRIPT)
        except (OSError, CheckFailed):
            continue
        if isinstance(value, str):
            states.append(json.loads(value))
    return states


def descendants(pid):
    """The processes below pid, from /proc."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/status" % entry) as status:
                for line in status:
                    if line.startswith("PPid:"):
                        children.setdefault(int(line.split()[1]), []).append(int(entry))
                        break
        except OSError:
            continue
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def web_engine_processes(pid):
    """(pid, command line, status fields) of the program's web engine processes."""
    found = []
    for child in descendants(pid):
        try:
            with open("/proc/%d/cmdline" % child, "rb") as f:
                arguments = f.read().decode("utf-8", "replace").split("\0")
            with open("/proc/%d/status" % child) as f:
                fields = dict(line.rstrip("\n").split(":\t", 1) for line in f if ":\t" in line)
        except OSError:
            continue
        if any(arg.startswith("--type=") for arg in arguments):
            found.append((child, arguments, fields))
    return found


def sandboxed(fields):
    """A process under a seccomp filter in a PID namespace of its own: how the engine's sandbox
    holds a render process (forked from the zygote, it keeps the zygote's command line)."""
    return (fields.get("Seccomp", "0").strip() == "2"
            and len(fields.get("NSpid", "").split()) >= 2)


def sandbox_failures(pid):
    processes = web_engine_processes(pid)
    failures = ["web engine process %d runs with --no-sandbox" % child
                for child, arguments, _ in processes if "--no-sandbox" in arguments]
    if not any(sandboxed(fields) for _, _, fields in processes):
        failures.append("no web engine process of the program runs sandboxed (%s)"
                        % "; ".join("%d: Seccomp %s, NSpid %s"
                                    % (child, fields.get("Seccomp", "?").strip(),
                                       fields.get("NSpid", "?").strip())
                                    for child, _, fields in processes))
    return failures


def wait_for(what, check, timeout):
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            raise CheckFailed("after %d s: %s" % (timeout, what))
        time.sleep(program_check.POLL_INTERVAL)


def main():
    program = os.path.abspath(sys.argv[1])
    folder = os.path.dirname(os.path.realpath(program))
    if os.geteuid() == 0:
        raise CheckFailed("run this as an ordinary user, not as root")
    if not os.environ.get("DISPLAY"):
        raise CheckFailed("no X display: run this under xvfb-run -a")

    port = program_check.free_port()
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("QTWEBENGINE_DISABLE_SANDBOX", "QTWEBENGINE_CHROMIUM_FLAGS")}
    environment["QT_QPA_PLATFORM"] = "xcb"
    environment["QTWEBENGINE_REMOTE_DEBUGGING"] = "127.0.0.1:%d" % port
    log = tempfile.TemporaryFile(mode="w+")
    print("starting %s as uid %d (remote debugging on port %d)" % (program, os.getuid(), port))
    process = subprocess.Popen([program], env=environment, stdin=subprocess.DEVNULL,
                               stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    timeout = program_check.START_TIMEOUT
    try:
        def started():
            if process.poll() is not None:
                raise CheckFailed("the program ended by itself with status %d"
                                  % process.returncode)
            windows = program_check.visible_windows_titled(program_check.WINDOW_TITLE)
            states = program_check.page_states(port) if windows else None
            return windows if not program_check.judge(windows, states, folder) else None

        windows = wait_for("the placeholder page with its chart scripts run", started, timeout)
        if len(windows) != 1:
            raise CheckFailed("%d windows titled Quorvel: an error box showed" % len(windows))

        # The list has the focus at start; Down chooses the next fruit, Tab moves to the button.
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=True)
        subprocess.run(["xdotool", "key", "--delay", "200", "Down", "Tab", "space"], check=True)

        def report_shown():
            if process.poll() is not None:
                raise CheckFailed("the program ended with status %d" % process.returncode)
            return [s for s in report_states(port)
                    if s["charts"] == "5" and s["painted"] == 5 and ": " in s["heading"]]

        report = wait_for("a fruit's report with five drawn charts", report_shown, timeout)[0]
        print("report %r with %s charts, %d painted" % (report["heading"], report["charts"],
                                                       report["painted"]))
        windows = program_check.visible_windows_titled(program_check.WINDOW_TITLE)
        if len(windows) != 1:
            raise CheckFailed("%d windows titled Quorvel after adding: an error box showed"
                              % len(windows))

        failures = sandbox_failures(process.pid)
        if failures:
            raise CheckFailed("; ".join(failures))
        print("sandboxed render process(es): %s" % ", ".join(
            str(child) for child, _, fields in web_engine_processes(process.pid)
            if sandboxed(fields)))
        log.seek(0)
        root_lines = [line for line in log.read().splitlines() if ROOT_WARNING in line]
        if root_lines:
            raise CheckFailed("the program says it runs as root: %s" % root_lines[0])
    except CheckFailed:
        program_check.show_output(log)
        raise
    finally:
        program_check.end_program(process)
        log.close()
    print("the program ran as an ordinary user with the sandbox on and showed the report")


if __name__ == "__main__":
    try:
        main()
    except CheckFailed as failure:
        sys.stderr.write("check-user-session: FAILED: %s\n" % failure)
        sys.exit(1)
