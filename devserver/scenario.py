"""Scripted mode: a scenario of steps run from the start for every connection.

    {"steps": [
        {"send": "text, \\u001b[31m and all, sent as UTF-8 exactly as written"},
        {"send_hex": "fffe01"},
        {"expect": "^_zorvik ", "timeout": 5},
        {"wait": 0.5},
        {"close": true}
    ]}

expect waits for a client line in which the regular expression is found
(re.search; lines that do not match are skipped, and all are recorded). If
none comes within the timeout, or the client closes, the scenario stops there
and the server closes the connection. "close" ends it in order, "reset" with
an RST; after the last step without either the connection stays open until
the client closes it.
"""

import asyncio
import json
import logging
import re
import time

from recorder import decode_line

log = logging.getLogger("devserver")

DEFAULT_TIMEOUT = 10.0
MAX_SECONDS = 3600.0
ACTIONS = ("send", "send_hex", "expect", "wait", "close", "reset")


class ScenarioError(Exception):
    """A scenario file that cannot be run; the message says where and why."""


def _seconds(value, what):
    if isinstance(value, bool) or not isinstance(value, (int, float)) or not 0 <= value <= MAX_SECONDS:
        raise ScenarioError("%s must be a number of seconds from 0 to %g" % (what, MAX_SECONDS))
    return float(value)


def _step(raw):
    """Check one step and return it as (action, argument, timeout)."""
    if not isinstance(raw, dict):
        raise ScenarioError("a step must be an object")
    actions = [key for key in raw if key in ACTIONS]
    if len(actions) != 1:
        raise ScenarioError("a step needs exactly one of %s" % ", ".join(ACTIONS))
    action = actions[0]
    extra = set(raw) - {action} - ({"timeout"} if action == "expect" else set())
    if extra:
        raise ScenarioError("unknown key %s" % ", ".join(sorted(extra)))
    value = raw[action]
    if action == "send":
        if not isinstance(value, str):
            raise ScenarioError("send takes a string")
        return action, value.encode("utf-8"), None
    if action == "send_hex":
        try:
            return action, bytes.fromhex(value), None
        except (TypeError, ValueError):
            raise ScenarioError("send_hex takes a string of hexadecimal byte values") from None
    if action == "expect":
        if not isinstance(value, str):
            raise ScenarioError("expect takes a regular expression string")
        try:
            pattern = re.compile(value)
        except re.error as err:
            raise ScenarioError("bad regular expression %r: %s" % (value, err)) from None
        return action, pattern, _seconds(raw.get("timeout", DEFAULT_TIMEOUT), "timeout")
    if action == "wait":
        return action, _seconds(value, "wait"), None
    if value is not True:
        raise ScenarioError("%s takes true" % action)
    return action, None, None


def parse(text):
    """Parse and check a scenario; raises ScenarioError naming the bad step."""
    try:
        data = json.loads(text)
    except json.JSONDecodeError as err:
        raise ScenarioError("not valid JSON: %s" % err) from None
    if not isinstance(data, dict) or set(data) != {"steps"}:
        raise ScenarioError('a scenario is an object with the one key "steps"')
    if not isinstance(data["steps"], list) or not data["steps"]:
        raise ScenarioError('"steps" must be a non-empty list')
    steps = []
    for number, raw in enumerate(data["steps"], 1):
        try:
            step = _step(raw)
        except ScenarioError as err:
            raise ScenarioError("step %d: %s" % (number, err)) from None
        if steps and steps[-1][0] in ("close", "reset"):
            raise ScenarioError("step %d: no step can follow %s" % (number, steps[-1][0]))
        steps.append(step)
    return Scenario(steps)


def load(path):
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as err:
        raise ScenarioError("cannot read: %s" % err) from None
    return parse(text)


class Scenario:
    def __init__(self, steps):
        self.steps = steps

    async def serve(self, conn):
        for number, (action, arg, timeout) in enumerate(self.steps, 1):
            if action in ("send", "send_hex"):
                await conn.send(arg)
            elif action == "wait":
                await asyncio.sleep(arg)
            elif action == "close":
                await conn.close()
            elif action == "reset":
                conn.reset()
            elif not await self._expect(conn, number, arg, timeout):
                await conn.close()
                return

    @staticmethod
    async def _expect(conn, number, pattern, timeout):
        """Wait for a line matching pattern; on failure log and record why."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                raw = await conn.next_line(max(0.0, deadline - time.monotonic()))
            except asyncio.TimeoutError:
                reason = "timeout"
                break
            if raw is None:
                reason = "client closed"
                break
            if pattern.search(decode_line(raw)):
                return True
        log.warning("connection %d: step %d: no line matched %r (%s); stopping",
                    conn.number, number, pattern.pattern, reason)
        conn.record("expect_failed", step=number, pattern=pattern.pattern, reason=reason)
        return False
