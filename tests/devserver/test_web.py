"""The web host and the information host."""

import http.client
import unittest

from harness import DevServer


def get(port, path, method="GET"):
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    try:
        conn.request(method, path, headers={"Connection": "close"})
        response = conn.getresponse()
        return response, response.read()
    finally:
        conn.close()


class WebHostTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = DevServer(plain=True)

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def test_pages(self):
        cases = [
            ("web", "/", 200, b"<title>Tarn Hollow</title>"),
            ("web", "/?zv", 200, b"<title>Tarn Hollow</title>"),  # the query does not matter
            ("web", "/forum", 200, b"Forums"),
            ("info", "/", 200, b"Information"),
            ("info", "/help", 200, b"Help"),
            ("web", "/help", 404, b"Not found"),
        ]
        for host, path, status, text in cases:
            with self.subTest(host=host, path=path):
                port = self.server.web_port if host == "web" else self.server.info_port
                response, body = get(port, path)
                self.assertEqual((response.version, response.status), (11, status))
                self.assertEqual(int(response.getheader("Content-Length")), len(body))
                self.assertEqual(response.getheader("Connection"), "close")
                self.assertIn(text, body)

    def test_head_sends_the_headers_only(self):
        response, body = get(self.server.web_port, "/", "HEAD")
        self.assertEqual(response.status, 200)
        self.assertEqual(body, b"")
        self.assertGreater(int(response.getheader("Content-Length")), 0)


if __name__ == "__main__":
    unittest.main()
