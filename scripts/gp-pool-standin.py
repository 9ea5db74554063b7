#!/usr/bin/env python3
"""A stand-in for the service's shared-results pool, for the screenshots: it serves the
discovery file and answers each request with the payload of the file named after its mode
(getallgplist.txt, getgplistsub.txt, getgp.txt) in FOLDER, framed as the service frames it.
Usage: gp-pool-standin.py FOLDER   (prints "port N" once it listens on 127.0.0.1)"""
import http.server
import pathlib
import sys
import urllib.parse

folder = pathlib.Path(sys.argv[1])
MARKER = b"*" * 10


class Handler(http.server.BaseHTTPRequestHandler):
    def reply(self, body):
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        if self.path != "/trevask/mainserver.txt":
            self.send_error(404)
            return
        host = "127.0.0.1:%d" % self.server.server_address[1]
        self.reply(("***%" + host + "*/trevask/qor***").encode())

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        mode = urllib.parse.parse_qs(body.decode("latin-1")).get("mode", [""])[0]
        page = folder / (mode + ".txt")
        payload = page.read_bytes() if mode.isalpha() and page.exists() else b""
        self.reply(MARKER + payload + MARKER + b"\n")

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
print("port", server.server_address[1], flush=True)
server.serve_forever()
