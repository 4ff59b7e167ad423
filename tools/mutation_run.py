"""Keeping the files mutate edits safe, and building and testing after each fault."""

import hashlib
import json
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path


# ---------------------------------------------------------------- keeping the file safe


class Journal:
    """Copies of the files being mutated, kept until each is restored; read back after a hard kill."""

    def __init__(self, directory):
        self.directory = Path(directory)

    def _entry(self, path):
        return self.directory / (str(Path(path).resolve()).replace("/", "%") + ".orig")

    def save(self, path, data):
        self.directory.mkdir(parents=True, exist_ok=True)
        entry = self._entry(path)
        temporary = entry.with_suffix(".tmp")
        temporary.write_bytes(data)
        os.replace(temporary, entry)  # the copy is whole before the file is touched

    def restore(self, path):
        entry = self._entry(path)
        if entry.exists():
            write_bytes_whole(path, entry.read_bytes())
            entry.unlink()

    def restore_all(self):
        restored = []
        if not self.directory.is_dir():
            return restored
        for entry in sorted(self.directory.glob("*.orig")):
            path = entry.name[: -len(".orig")].replace("%", "/")
            write_bytes_whole(path, entry.read_bytes())
            entry.unlink()
            restored.append(path)
        return restored


def write_bytes_whole(path, data):
    temporary = f"{path}.mutate-tmp"
    with open(temporary, "wb") as f:
        f.write(data)
    os.chmod(temporary, os.stat(path).st_mode & 0o7777 if os.path.exists(path) else 0o644)
    os.replace(temporary, path)


class Interrupted(Exception):
    pass


def raise_interrupted(signum, _frame):
    raise Interrupted(signal.Signals(signum).name)


# ---------------------------------------------------------------- building and testing


def run_quiet(command, timeout=None, cwd=None):
    """Runs a shell command in a session of its own, so that a timeout takes its whole tree down."""
    process = subprocess.Popen(
        command, shell=isinstance(command, str), cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
        start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output.decode(errors="replace")
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        return None, ""
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


def binaries(build_dir, objects=False):
    """Executables and shared objects in the build tree (or its object files), with their modification times."""
    found = {}
    for root, dirs, files in os.walk(os.path.abspath(build_dir)):
        dirs[:] = [d for d in dirs if d not in ("CMakeFiles", ".mutate", "Testing")]
        for name in files:
            p = os.path.join(root, name)
            try:
                st = os.stat(p)
            except OSError:
                continue
            if objects:
                if name.endswith(".o"):
                    found[p] = st.st_mtime_ns
            elif name.endswith(".so") or (st.st_mode & 0o111 and not name.endswith((".sh", ".py"))):
                found[p] = st.st_mtime_ns
    return found


@dataclass
class CTestCase:
    name: str
    command: list
    baseline: float = 0.0
    refers_to: set = field(default_factory=set)


class CTestSuite:
    """The build's CTest tests, each run alone under a timeout of our own."""

    def __init__(self, build_dir):
        self.build_dir = os.path.abspath(build_dir)
        code, output = run_quiet(["ctest", "--test-dir", self.build_dir, "--show-only=json-v1"])
        if code != 0:
            sys.exit(f"mutate: ctest cannot list the tests of {self.build_dir}:\n{output}")
        self.tests = [CTestCase(t["name"], t.get("command", [])) for t in json.loads(output)["tests"]]

    def run_one(self, test, timeout):
        code, _ = run_quiet(
            ["ctest", "--test-dir", self.build_dir, "-R", f"^{re.escape(test.name)}$", "--no-tests=error"],
            timeout=timeout)
        return code == 0 if code is not None else None

    def measure_baseline(self, only=None):
        broken = []
        for test in self.tests:
            if only and not re.search(only, test.name):
                continue
            started = time.monotonic()
            passed = self.run_one(test, timeout=600)
            test.baseline = time.monotonic() - started
            if not passed:
                broken.append(test.name)
        return broken

    def reaches(self, test, changed):
        """Whether the test runs, or names, any of the rebuilt programs."""
        if not test.refers_to:
            for word in test.command:
                if os.path.isfile(word):
                    test.refers_to.add(word)
                    if word in self._all_binaries():
                        test.refers_to |= self._named_in(word)
        return bool(test.refers_to & changed)

    def _all_binaries(self):
        if not hasattr(self, "_binaries"):
            self._binaries = set(binaries(self.build_dir))
        return self._binaries

    def _named_in(self, executable):
        """The build's programs whose paths a test program carries (the sandbox's tools, the plug-in)."""
        try:
            data = Path(executable).read_bytes()
        except OSError:
            return set()
        return {b for b in self._all_binaries() if b.encode() in data}



class ObjectCode:
    """The object files' digests as the unchanged sources compile, to tell a fault the compiler made nothing of."""

    def __init__(self, build_dir):
        self.build_dir = build_dir
        self.known = {}  # path: (mtime, digest)
        self.refresh()

    def snapshot(self):
        return binaries(self.build_dir, objects=True)

    def refresh(self):
        for path, mtime in self.snapshot().items():
            if self.known.get(path, (None,))[0] != mtime:
                self.known[path] = (mtime, digest(path))

    def unchanged_by(self, before):
        """Whether objects were rebuilt since the snapshot before, and all came out as the originals."""
        rebuilt = [p for p, t in self.snapshot().items() if before.get(p) != t]
        return bool(rebuilt) and all(p in self.known and digest(p) == self.known[p][1] for p in rebuilt)


def digest(path):
    try:
        return hashlib.sha256(Path(path).read_bytes()).hexdigest()
    except OSError:
        return None
