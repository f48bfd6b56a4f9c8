"""End-to-end benchmark: the real client under Xvfb against the local
world's flood mode over loopback TLS. Prints the start-up time (exec to the
window shown and to the greeting received), the ingest rate from the first
flood byte to the client's answer to the closing marker, and the client's
peak RSS. Run under xvfb-run:

    xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 bench/e2e_ingest.py \
        build/src/tarn-hollow build/tests/e2e/x_close [megabytes]

The client connects to the game port it was built with (3102 by default),
so no other world may run there.
"""

import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
os.environ.setdefault("TH_GAME_PORT", "3102")

import e2e_harness  # noqa: E402  pylint: disable=wrong-import-position


def peak_rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def main():
    e2e_harness.CLIENT, e2e_harness.X_CLOSE = map(os.path.abspath, sys.argv[1:3])
    megabytes = sys.argv[3] if len(sys.argv) > 3 else "20"
    with e2e_harness.world("--flood-mb", megabytes) as game, e2e_harness.TempHome() as home:
        started = time.time()
        client = e2e_harness.Client(home.path)
        try:
            window = client.window_id(timeout=20)
            shown = time.time()
            records = game.wait_records(lambda r: any("line" in e for e in r), timeout=20)
            greeting = next(e["t"] for e in records if "line" in e)
            records = game.wait_records(lambda r: any("mb_per_s" in e for e in r), timeout=600)
            summary = next(e for e in records if "mb_per_s" in e)
            rss = peak_rss_kb(client.proc.pid)
            print(f"start-up: window shown after {shown - started:.3f} s, "
                  f"greeting received after {greeting - started:.3f} s")
            print(f"ingest: {summary['flood_bytes'] / 1e6:.0f} MB in {summary['seconds']:.3f} s "
                  f"= {summary['mb_per_s']:.1f} MB/s")
            print(f"client peak RSS: {rss / 1024:.1f} MB")
            client.close_window(window)
            client.wait(timeout=10)
        finally:
            client.kill()


if __name__ == "__main__":
    main()
