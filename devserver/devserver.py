#!/usr/bin/python3
"""The local world: a game server, a web host and an information host on
127.0.0.1 for trying and testing the client. See README.md.

Prints "READY game=<port> web=<port> info=<port>" once every listener is up;
stops cleanly on SIGTERM or SIGINT. Diagnostics go to stderr.
"""

import argparse
import asyncio
import ipaddress
import logging
import os
import signal
import sys

import certificate
import scenario
from flood import Flood
from game_server import GameServer
from recorder import Recorder
from webhost import WebHost
from webpages import INFO_PAGES, WEB_PAGES
from world import World

log = logging.getLogger("devserver")

REPOSITORY = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))


def _port(text):
    port = int(text)
    if not 0 <= port <= 65535:
        raise argparse.ArgumentTypeError("a port is 0 to 65535 (0 picks a free one)")
    return port


def _megabytes(text):
    value = float(text)
    if not 0 < value <= 4096:
        raise argparse.ArgumentTypeError("flood size must be above 0 and at most 4096 MB")
    return value


def parse_args(argv):
    parser = argparse.ArgumentParser(description="Local game server and web hosts for the client.")
    parser.add_argument("--state-dir", required=True,
                        help="folder for the certificate and generated files (outside the repository)")
    parser.add_argument("--host", default="127.0.0.1", help="loopback address to bind (default 127.0.0.1)")
    parser.add_argument("--game-port", type=_port, default=3102)
    parser.add_argument("--web-port", type=_port, default=8081)
    parser.add_argument("--info-port", type=_port, default=8082)
    parser.add_argument("--script", help="scenario file: run its steps for every connection")
    parser.add_argument("--record", help="append every client line as JSON to this file")
    parser.add_argument("--flood-mb", type=_megabytes, help="flood mode: megabytes of text to send")
    parser.add_argument("--seed", type=int, help="seed of the flood text (default 1)")
    parser.add_argument("--plain", action="store_true", help="plain TCP on the game port instead of TLS")
    args = parser.parse_args(argv)
    try:
        if not ipaddress.ip_address(args.host).is_loopback:
            parser.error("--host must be a loopback address")
    except ValueError:
        parser.error("--host must be an IP address")
    if args.script and args.flood_mb:
        parser.error("--script and --flood-mb are different modes; give one")
    if args.seed is not None and not args.flood_mb:
        parser.error("--seed needs --flood-mb")
    state_dir = os.path.realpath(args.state_dir)
    if os.path.commonpath([state_dir, REPOSITORY]) == REPOSITORY:
        parser.error("--state-dir must be outside the repository %s" % REPOSITORY)
    args.state_dir = state_dir
    return args


async def _serve(args, session, recorder, ssl_context):
    loop = asyncio.get_running_loop()
    stop = asyncio.Event()
    for sig in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(sig, stop.set)
    game = GameServer(session, recorder, ssl_context)
    web = WebHost("web", WEB_PAGES)
    info = WebHost("info", INFO_PAGES)
    try:
        name, port = "game", args.game_port
        try:
            ports = [await game.start(args.host, port)]
            name, port = "web", args.web_port
            ports.append(web.start(args.host, port))
            name, port = "info", args.info_port
            ports.append(info.start(args.host, port))
        except OSError as err:
            log.error("cannot listen on the %s port %d: %s", name, port, err)
            return 1
        print("READY game=%d web=%d info=%d" % tuple(ports), flush=True)
        await stop.wait()
        log.info("stopping")
        return 0
    finally:
        await game.stop()
        web.stop()
        info.stop()


def main(argv=None):
    logging.basicConfig(stream=sys.stderr, level=logging.INFO, format="devserver: %(message)s")
    args = parse_args(argv)
    try:
        script = scenario.load(args.script) if args.script else None
    except scenario.ScenarioError as err:
        log.error("scenario %s: %s", args.script, err)
        return 2
    try:
        os.makedirs(args.state_dir, mode=0o700, exist_ok=True)
        ssl_context = None if args.plain else certificate.server_context(args.state_dir)
        recorder = Recorder(args.record)
    except (OSError, RuntimeError) as err:
        log.error("%s", err)
        return 2
    try:
        if script:
            session = script
        elif args.flood_mb:
            session = Flood(args.flood_mb, 1 if args.seed is None else args.seed, recorder)
        else:
            session = World()
        return asyncio.run(_serve(args, session, recorder, ssl_context))
    finally:
        recorder.close()


if __name__ == "__main__":
    sys.exit(main())
