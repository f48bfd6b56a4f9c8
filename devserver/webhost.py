"""An HTTP/1.1 host (http.server, one thread per request) serving a table of
pages. Every response carries "Connection: close" and the connection closes
after it.

`deliver` is the one place a body goes onto the wire, so delivery variants
(chunked, no length, cut, wrong length, slow) belong there.
"""

import http.server
import logging
import threading
import urllib.parse

from webpages import page

log = logging.getLogger("devserver")

NOT_FOUND = page("Not found", "There is no page at this address.")


class _Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    pages = {}     # set per host by WebHost
    host_name = ""

    def do_GET(self):
        self._respond(send_body=True)

    def do_HEAD(self):
        self._respond(send_body=False)

    def _respond(self, send_body):
        body = self.pages.get(urllib.parse.urlsplit(self.path).path)
        status = 200 if body is not None else 404
        self.deliver(status, "text/html; charset=utf-8", NOT_FOUND if body is None else body, send_body)

    def deliver(self, status, content_type, body, send_body):
        self.close_connection = True
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        if send_body:
            self.wfile.write(body)

    def log_message(self, format, *args):
        log.info("%s: %s %s", self.host_name, self.address_string(), format % args)


class WebHost:
    def __init__(self, name, pages):
        self._handler = type("Handler", (_Handler,), {"pages": pages, "host_name": name})
        self._server = None
        self._thread = None

    def start(self, host, port):
        """Listen on host:port (0 picks a free port), serve in a thread; return the port."""
        self._server = http.server.ThreadingHTTPServer((host, port), self._handler)
        self._server.daemon_threads = True
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()
        return self._server.server_address[1]

    def stop(self):
        if self._server:
            self._server.shutdown()
            self._server.server_close()
            self._thread.join(5)
