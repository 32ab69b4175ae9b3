#!/usr/bin/env python3
"""A local web server for tests: HTTPS on one port and plain HTTP on another,
both on 127.0.0.1. Prints "https=PORT http=PORT" on one line once both listen.

Files under --content are served at their relative path. Some path prefixes
answer specially (anything after the prefix is ignored):
  /status/<code>/      that status, with a small HTML body
  /redirect-loop/      redirects for ever, each time to a new path
  /redirect-to-http/   redirects to the same path on the plain HTTP port
  /redirect/           redirects to the path without "/redirect"
  /chunked/<bytes>/    that many bytes, chunked, without Content-Length
  /stall/              the headers and a few bytes, then nothing until the
                       client leaves
  /error-page/         200 with an HTML error page
Every request is appended to --log as "path<TAB>user agent".
"""

import argparse
import http.server
import itertools
import os
import select
import ssl
import sys
import threading

STALL_LIMIT_SECONDS = 300
redirect_counter = itertools.count(1)


def make_handler(options, ports):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, format, *args):
            pass

        def do_GET(self):
            self.record()
            path = self.path
            if path.startswith("/status/"):
                code = int(path.split("/")[2])
                self.send_body(code, b"<html><body>Status %d</body></html>" % code)
            elif path.startswith("/redirect-loop/"):
                self.redirect("/redirect-loop/%d" % next(redirect_counter))
            elif path.startswith("/redirect-to-http/"):
                rest = path[len("/redirect-to-http"):]
                self.redirect("http://127.0.0.1:%d%s" % (ports["http"], rest))
            elif path.startswith("/redirect/"):
                self.redirect(path[len("/redirect"):])
            elif path.startswith("/chunked/"):
                self.send_chunked(int(path.split("/")[2]))
            elif path.startswith("/stall/"):
                self.stall()
            elif path.startswith("/error-page/"):
                self.send_body(200, b'<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML 2.0//EN">\n'
                               b"<html><body>Not here</body></html>\n")
            else:
                self.send_file(path)

        def record(self):
            agent = self.headers.get("User-Agent", "")
            with open(options.log, "a", encoding="utf-8") as log:
                log.write("%s\t%s\n" % (self.path, agent))

        def send_body(self, code, body):
            self.send_response(code)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def redirect(self, location):
            self.send_response(302)
            self.send_header("Location", location)
            self.send_header("Content-Length", "0")
            self.end_headers()

        def send_chunked(self, size):
            self.send_response(200)
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            block = bytes(range(256)) * 16
            while size > 0:
                part = block[:min(size, len(block))]
                self.wfile.write(b"%x\r\n%s\r\n" % (len(part), part))
                size -= len(part)
            self.wfile.write(b"0\r\n\r\n")

        def stall(self):
            self.send_response(200)
            self.send_header("Content-Length", "1000000")
            self.end_headers()
            self.wfile.write(b"a few bytes")
            self.wfile.flush()
            # Waits for the client to close its end (readable at end of file).
            select.select([self.connection], [], [], STALL_LIMIT_SECONDS)
            self.close_connection = True

        def send_file(self, path):
            relative = path.split("?")[0].lstrip("/")
            parts = relative.split("/")
            full = os.path.join(options.content, *parts)
            if ".." in parts or not os.path.isfile(full):
                self.send_body(404, b"<html><body>Not found</body></html>")
                return
            with open(full, "rb") as served:
                body = served.read()
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    return Handler


class QuietServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # Clients that refuse the certificate or leave early are expected.
        pass


class TlsServer(QuietServer):
    def __init__(self, address, handler, context):
        super().__init__(address, handler)
        # The handshake happens in the request's own thread, on first read,
        # so that a client that never finishes it holds up no other.
        self.socket = context.wrap_socket(self.socket, server_side=True,
                                          do_handshake_on_connect=False)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--content", required=True)
    parser.add_argument("--log", required=True)
    options = parser.parse_args()

    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(options.cert, options.key)
    ports = {}
    handler = make_handler(options, ports)
    secure = TlsServer(("127.0.0.1", 0), handler, context)
    plain = QuietServer(("127.0.0.1", 0), handler)
    ports["https"] = secure.server_address[1]
    ports["http"] = plain.server_address[1]
    threading.Thread(target=plain.serve_forever, daemon=True).start()
    sys.stdout.write("https=%d http=%d\n" % (ports["https"], ports["http"]))
    sys.stdout.flush()
    secure.serve_forever()


if __name__ == "__main__":
    main()
